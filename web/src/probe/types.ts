// What the page offers the browser tests and the benchmark (window.kinetraProbe).
export interface ParityTicks {
  started: boolean;
  // Per tick from 0 (the start): state fingerprint, drawing fingerprint, pause asked (0/1).
  ticks: [string, string, number][];
  // Where the last frame has text or lines, which the canvas antialiases and the desktop does
  // not: [left, top, right, bottom), a pixel or two of margin included.
  soft: [number, number, number, number][];
}

export interface FrameTimes {
  // Milliseconds per frame: advance and render into the buffer, replay on the canvas and the
  // canvas's own drawing of it, and the sum.
  engine: number[];
  canvas: number[];
  whole: number[];
}

export interface Probe {
  scenarioNames(): string[];
  parity(name: string): ParityTicks;
  benchStep(exact: boolean, ticks: number): number;
  benchFrame(exact: boolean, frames: number): FrameTimes;
  state(): { run: string; frames: number; ms: number };
}

declare global {
  interface Window {
    kinetraProbe?: Probe;
  }
}
