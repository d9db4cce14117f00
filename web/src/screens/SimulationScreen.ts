// The program on the stage: the surface's canvas with the core's run behind it, the page's
// HTML screens over it (ProgramPage) and the keys: Space pause and resume, R restart, P print,
// Esc back, F1 the units, F11 full screen, F12 the next language.
import type { CoreModule } from "../engine/core";
import type { ViewOptions } from "../engine/module";
import { CanvasRenderer } from "../render/CanvasRenderer";
import type { SpriteAtlas } from "../render/sprites";
import { RunControl, type RunState } from "../run/RunControl";
import { ProgramPage } from "./ProgramPage";
import { Stage } from "./Stage";

// The exercise that runs each mode from the address (?mode=1..7).
const exerciseOfMode = [
  "",
  "dyfuzja",
  "dyfuzja-wykres",
  "droga-swobodna",
  "zderzenia",
  "temperatura",
  "transport-ciepla",
  "cisnienie",
];

export interface RunChoice {
  mode: number;
  exactModel: boolean;
  histogram: boolean;
  view: ViewOptions;
}

export class SimulationScreen {
  readonly stage: Stage;
  readonly renderer: CanvasRenderer;
  readonly control: RunControl;
  readonly page: ProgramPage;
  private framesShown = 0;

  constructor(parent: HTMLElement, core: CoreModule, sprites: SpriteAtlas) {
    this.stage = new Stage(parent, () => this.redraw());
    const context = this.stage.canvas.getContext("2d", { alpha: false });
    if (!context) throw new Error("no 2D canvas");
    this.renderer = new CanvasRenderer(context, sprites, (points) => core.textAscent(points));
    this.renderer.setScale(this.stage.scaleX, this.stage.scaleY);
    this.clear();
    const program = new core.Program();
    this.control = new RunControl(
      program,
      () => this.present(),
      () => this.clear(),
      (screen, told) => {
        this.page?.update(screen, told);
        this.stage.element.dataset["run"] = this.state;
      },
    );
    this.page = new ProgramPage(this.stage.overlay, core, this.control, sprites);
    this.page.onRedraw = () => this.present();
    this.stage.element.dataset["run"] = this.state;
    window.addEventListener("keydown", (event) => this.onKey(event));
  }

  get state(): RunState {
    return this.control.state;
  }

  get frames(): number {
    return this.framesShown;
  }

  // The run's time from its start to its last tick, pauses left out.
  get runMilliseconds(): number {
    return this.control.program.runMilliseconds();
  }

  // A mode straight from the address: its exercise opened and run as a pupil's clicks would.
  run(choice: RunChoice): void {
    const { velocityLines, largeView, labelUndetermined } = choice.view;
    this.page.setView(velocityLines, largeView, labelUndetermined);
    this.control.act((p) => {
      p.modelChosen(choice.exactModel, choice.histogram);
      if (!p.openExercise(exerciseOfMode[choice.mode] ?? "")) return;
      const pane = p.screen().panes.findIndex((shown) => shown);
      p.run(pane);
      if (p.screen().setUp) p.start();
    });
  }

  present(): void {
    this.renderer.replay(this.control.program.words(), this.control.program.texts());
    this.framesShown++;
  }

  private redraw(): void {
    this.renderer.setScale(this.stage.scaleX, this.stage.scaleY);
    // A new backing store starts blank: the frame is drawn again from the state as it stands.
    const s = this.control.screen;
    if (!s.menu && !s.placing && this.control.program.redraw()) this.present();
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
    const target = event.target as HTMLElement | null;
    const typing =
      target instanceof HTMLInputElement && !["checkbox", "radio", "range"].includes(target.type);
    const inDialog = document.querySelector("dialog[open]") !== null;
    switch (event.key) {
      case "F1":
        event.preventDefault();
        if (!inDialog) document.querySelector<HTMLButtonElement>("[data-menu=units]")?.click();
        return;
      case "F11":
        event.preventDefault();
        toggleFullScreen();
        return;
      case "F12":
        event.preventDefault();
        if (!event.repeat) this.page.nextLanguage();
        return;
      case "Escape":
        if (inDialog) return;
        event.preventDefault();
        this.control.act((p) => p.escape());
        return;
    }
    if (typing || inDialog || event.repeat || !this.control.screen.toolsUncovered) return;
    const tool = { " ": "pause", r: "restart", R: "restart", p: "print", P: "print" }[event.key];
    if (!tool) return;
    event.preventDefault();
    document.querySelector<HTMLButtonElement>(`[data-tool=${tool}]`)?.click();
  }
}

function toggleFullScreen(): void {
  if (document.fullscreenElement) {
    void document.exitFullscreen();
  } else {
    document.documentElement.requestFullscreen().catch(() => undefined);
  }
}
