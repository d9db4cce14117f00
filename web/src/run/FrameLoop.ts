// One tick per display refresh, as the desktop's frame timer gives: each callback of
// requestAnimationFrame runs one tick at the time performance.now() reads then. A hidden tab
// gets no callbacks, so it gets no ticks, and none are made up afterwards.
export class FrameLoop {
  private request = 0;
  private running = false;

  constructor(private readonly tick: (now: number) => void) {}

  get active(): boolean {
    return this.running;
  }

  start(): void {
    if (this.running) return;
    this.running = true;
    this.schedule();
  }

  stop(): void {
    this.running = false;
    cancelAnimationFrame(this.request);
  }

  private schedule(): void {
    this.request = requestAnimationFrame(() => {
      if (!this.running) return;
      this.schedule();
      this.tick(performance.now());
    });
  }
}
