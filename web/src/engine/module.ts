// The engine's WebAssembly module as the page sees it: the embind classes and functions of
// web/wasm/Bindings.cpp, typed.
import createKinetra from "@module/kinetra.mjs";

export interface Controls {
  particles: number;
  vesselWidth: number;
  vesselHeight: number;
  maxSpeed: number;
  collisionLimit: number;
  sizeChoice: number;
  stopAtLimit: boolean;
  experimentParticles: number;
  speedFactor: number;
  particleMass: number;
  vesselSide: number;
}

export interface ViewOptions {
  velocityLines: boolean;
  largeView: boolean;
  labelUndetermined: boolean;
}

export interface TickResult {
  drawn: boolean;
  pauseRequested: boolean;
}

// One simulation: its settings, its run and each frame's drawing commands (CommandCanvas.h),
// read straight from the module's memory; the views are valid until the next call.
export interface Session {
  controls(): Controls;
  setControls(controls: Controls): void;
  view(): ViewOptions;
  setView(view: ViewOptions): void;
  exactModel(): boolean;
  setExactModel(exact: boolean): void;
  histogram(): boolean;
  setHistogram(shown: boolean): void;
  mode(): number;
  start(mode: number, now: number, budgetMs: number): boolean;
  placing(): boolean;
  startClock(now: number): void;
  pauseClock(now: number): void;
  resumeClock(now: number): void;
  runMilliseconds(): number;
  tick(now: number): TickResult;
  redraw(): boolean;
  words(): Int32Array;
  texts(): Uint8Array;
  stateHash(): string;
  startScenario(name: string): boolean;
  scenarioTick(tick: number): TickResult;
  scenarioLength(): number;
  startBenchFrame(model: number): void;
  delete(): void;
}

interface StringList {
  size(): number;
  get(index: number): string;
  delete(): void;
}

export interface EngineModule {
  Session: new () => Session;
  scenarioNames(): StringList;
  benchStep(exact: boolean, ticks: number): number;
  textWidth(text: string, points: number): number;
  textAscent(points: number): number;
  modeTitle(mode: number): string;
  exactModelText(): string;
  speedHistogramText(): string;
}

export async function loadEngine(): Promise<EngineModule> {
  return (await createKinetra()) as EngineModule;
}

export function listOf(list: StringList): string[] {
  const names: string[] = [];
  for (let k = 0; k < list.size(); k++) names.push(list.get(k));
  list.delete();
  return names;
}
