// Starting, pausing, restarting and leaving a run, as the desktop's tool buttons do, for one
// session. The shared run control of the core takes this over once it has its bindings; until
// then this is the smallest set the simulation screen needs.
import type { Session } from "../engine/module";
import { FrameLoop } from "./FrameLoop";

export type RunState = "idle" | "placing" | "running" | "paused";

// The heat transport's placement gives the page back its thread this often.
const placingBudgetMs = 40;

export class RunControl {
  private state: RunState = "idle";
  private mode = 0;
  private readonly loop: FrameLoop;
  // After a restart during a pause, the run stays paused.
  private pauseWhenPlaced = false;

  constructor(
    private readonly session: Session,
    // Shows the frame the session's buffer holds.
    private readonly present: () => void,
    private readonly changed: (state: RunState) => void,
  ) {
    this.loop = new FrameLoop((now) => this.onFrame(now));
  }

  get current(): RunState {
    return this.state;
  }

  // Starts the mode at the session's settings. A heat transport goes on placing its particles
  // over the next frames; false when the placement failed.
  start(mode: number): boolean {
    this.mode = mode;
    this.pauseWhenPlaced = false;
    return this.begin();
  }

  togglePause(): void {
    const now = performance.now();
    if (this.state === "running") {
      this.loop.stop();
      this.session.pauseClock(now);
      this.set("paused");
    } else if (this.state === "paused") {
      this.session.resumeClock(now);
      this.set("running");
      this.loop.start();
    }
  }

  // Starts the run again from its initial conditions; a paused run stays paused, its time
  // counting from 0 on resume.
  restart(): void {
    if (this.state === "idle") return;
    this.pauseWhenPlaced = this.state === "paused";
    this.loop.stop();
    this.begin();
  }

  stop(): void {
    this.loop.stop();
    this.set("idle");
  }

  private begin(): boolean {
    const now = performance.now();
    const started = this.session.start(this.mode, now, placingBudgetMs);
    if (this.session.placing()) {
      this.set("placing");
      this.loop.start();
      return true;
    }
    if (!started) {
      this.stop();
      return false;
    }
    this.afterStart(now);
    return true;
  }

  private afterStart(now: number): void {
    if (this.pauseWhenPlaced) {
      this.session.pauseClock(now);
      // The picture of the new start, which the pause keeps.
      if (this.session.redraw()) this.present();
      this.set("paused");
      return;
    }
    this.set("running");
    this.loop.start();
  }

  private onFrame(now: number): void {
    if (this.state === "placing") {
      const placed = this.session.start(this.mode, now, placingBudgetMs);
      if (this.session.placing()) return;
      this.loop.stop();
      if (placed) this.afterStart(now);
      else this.stop();
      return;
    }
    const result = this.session.tick(now);
    if (result.drawn) this.present();
    // The free path at its limit pauses itself, as "Pauza" would.
    if (result.pauseRequested) this.togglePause();
  }

  private set(state: RunState): void {
    this.state = state;
    this.changed(state);
  }
}
