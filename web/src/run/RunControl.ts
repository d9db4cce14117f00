// The page's side of the core's run control: every button, key and track bar is an event
// forwarded to the core at the time performance.now() reads, and the page shows the core's
// Screen after it. The page keeps only the timing: one tick per display refresh while the core
// says frames run, no ticks while the tab is hidden.
import type { Program, Screen, ToldMessage } from "../engine/core";
import { FrameLoop } from "./FrameLoop";

export type RunState = "idle" | "placing" | "running" | "paused";

export class RunControl {
  private readonly loop: FrameLoop;
  private shown: Screen;

  constructor(
    readonly program: Program,
    // Shows the frame the program's buffer holds, or blanks the picture.
    private readonly present: () => void,
    private readonly clear: () => void,
    // The screen after an event or a frame that changed it, and what the core told.
    private readonly changed: (screen: Screen, told: ToldMessage[]) => void,
  ) {
    this.loop = new FrameLoop((now) => this.onFrame(now));
    this.shown = program.screen();
    document.addEventListener("visibilitychange", () =>
      this.act((p) => p.windowActive(document.visibilityState === "visible")),
    );
  }

  get screen(): Screen {
    return this.shown;
  }

  get state(): RunState {
    const s = this.shown;
    if (s.placing) return "placing";
    if (s.menu || s.setUp) return s.backToRun ? "paused" : "idle";
    return s.running ? "running" : "paused";
  }

  // One event, at the page's time now.
  act(event: (program: Program) => void): void {
    this.program.setNow(performance.now());
    event(this.program);
    this.settle();
  }

  private settle(): void {
    if (this.program.takeCleared()) this.clear();
    const told = this.program.messages();
    this.shown = this.program.screen();
    this.steer();
    this.changed(this.shown, told);
  }

  private steer(): void {
    const s = this.shown;
    if ((s.running && s.windowActive) || s.placing) this.loop.start();
    else this.loop.stop();
  }

  private onFrame(now: number): void {
    const before = this.shown;
    if (this.program.frame(now)) this.present();
    const after = this.program.screen();
    // A run that paused itself, a placement done: the page shows the new screen.
    if (
      after.running !== before.running ||
      after.placing !== before.placing ||
      after.stopNote !== before.stopNote
    ) {
      this.settle();
    }
  }
}
