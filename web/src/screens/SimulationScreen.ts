// The simulation screen: the stage with the surface's canvas, the run behind it and the keys
// that need no panel (Space pause and resume, R restart, Esc back, F11 full screen). The panels
// of the initial conditions and the experiments and the tool buttons go into the stage's
// overlay, in stage pixels, as on the desktop.
import type { EngineModule, Session, ViewOptions } from "../engine/module";
import { CanvasRenderer } from "../render/CanvasRenderer";
import type { SpriteAtlas } from "../render/sprites";
import { RunControl, type RunState } from "../run/RunControl";
import { Stage } from "./Stage";

// What the screen runs: a mode and the choices around it; the rest at the start values.
export interface RunChoice {
  mode: number;
  exactModel: boolean;
  histogram: boolean;
  view: ViewOptions;
}

export class SimulationScreen {
  readonly stage: Stage;
  readonly renderer: CanvasRenderer;
  private session: Session | null = null;
  private control: RunControl | null = null;
  private framesShown = 0;

  constructor(
    parent: HTMLElement,
    private readonly engine: EngineModule,
    sprites: SpriteAtlas,
    // Called when the run is left (Esc) or could not start.
    private readonly onLeave: () => void,
  ) {
    this.stage = new Stage(parent, () => this.redraw());
    const context = this.stage.canvas.getContext("2d", { alpha: false });
    if (!context) throw new Error("no 2D canvas");
    this.renderer = new CanvasRenderer(context, sprites, (points) => engine.textAscent(points));
    this.renderer.setScale(this.stage.scaleX, this.stage.scaleY);
    this.clear();
    window.addEventListener("keydown", (event) => this.onKey(event));
  }

  get state(): RunState {
    return this.control?.current ?? "idle";
  }

  get frames(): number {
    return this.framesShown;
  }

  // The run's time from its start to its last tick, pauses left out.
  get runMilliseconds(): number {
    return this.session?.runMilliseconds() ?? 0;
  }

  // A fresh session at the start values with the choices made, its run started.
  run(choice: RunChoice): boolean {
    this.leaveRun();
    const session = new this.engine.Session();
    session.setExactModel(choice.exactModel);
    session.setHistogram(choice.histogram);
    session.setView(choice.view);
    this.session = session;
    this.control = new RunControl(
      session,
      () => this.present(),
      (state) => {
        this.stage.element.dataset["run"] = state;
      },
    );
    if (this.control.start(choice.mode)) return true;
    this.leave();
    return false;
  }

  // Replays the session's last frame.
  present(): void {
    if (!this.session) return;
    this.renderer.replay(this.session.words(), this.session.texts());
    this.framesShown++;
  }

  leave(): void {
    this.leaveRun();
    this.clear();
    this.onLeave();
  }

  private leaveRun(): void {
    this.control?.stop();
    this.control = null;
    this.session?.delete();
    this.session = null;
    this.stage.element.dataset["run"] = "idle";
  }

  private redraw(): void {
    this.renderer.setScale(this.stage.scaleX, this.stage.scaleY);
    // A new backing store starts blank: the frame is drawn again from the state as it stands.
    if (this.session && this.control?.current !== "placing" && this.session.redraw())
      this.present();
    else this.clear();
  }

  private clear(): void {
    const context = this.stage.canvas.getContext("2d");
    if (!context) return;
    context.fillStyle = "#000";
    context.fillRect(0, 0, this.stage.canvas.width, this.stage.canvas.height);
  }

  private onKey(event: KeyboardEvent): void {
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    switch (event.key) {
      case "F11":
        event.preventDefault();
        toggleFullScreen();
        return;
      case " ":
        if (!this.control) return;
        event.preventDefault();
        this.control.togglePause();
        return;
      case "r":
      case "R":
        if (!this.control) return;
        event.preventDefault();
        this.control.restart();
        return;
      case "Escape":
        if (!this.control) return;
        event.preventDefault();
        this.leave();
        return;
    }
  }
}

function toggleFullScreen(): void {
  if (document.fullscreenElement) {
    void document.exitFullscreen();
  } else {
    document.documentElement.requestFullscreen().catch(() => undefined);
  }
}
