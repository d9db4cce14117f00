// What the browser tests and the benchmark ask of the page (window.kinetraProbe): the parity
// runs played through the page's own renderer, and timings of the step and of a whole frame.
import { listOf, type EngineModule } from "../engine/module";
import type { SimulationScreen } from "../screens/SimulationScreen";
import { Op, argumentCount } from "../render/commands";
import { callHash } from "./callHash";
import type { FrameTimes, ParityTicks } from "./types";

// The boxes of a frame's texts and lines.
function softPlaces(
  engine: EngineModule,
  words: Int32Array,
  texts: Uint8Array,
): ParityTicks["soft"] {
  const places: ParityTicks["soft"] = [];
  const decoder = new TextDecoder();
  let penX = 0;
  let penY = 0;
  for (let at = 0; at < words.length;) {
    const op = words[at]!;
    if (op === Op.Text) {
      const [x, y, size, offset, length] = words.subarray(at + 1, at + 6);
      const text = decoder.decode(texts.subarray(offset!, offset! + length!));
      const height = Math.ceil(((size! * 4) / 3) * 1.25);
      places.push([x! - 2, y! - 2, x! + engine.textWidth(text, size!) + 3, y! + height + 2]);
    } else if (op === Op.MoveTo || op === Op.LineTo) {
      const x = words[at + 1]!;
      const y = words[at + 2]!;
      if (op === Op.LineTo)
        places.push([
          Math.min(penX, x) - 1,
          Math.min(penY, y) - 1,
          Math.max(penX, x) + 2,
          Math.max(penY, y) + 2,
        ]);
      penX = x;
      penY = y;
    }
    at += 1 + argumentCount[op]!;
  }
  return places;
}

export function installProbe(engine: EngineModule, screen: SimulationScreen): void {
  const context = screen.stage.canvas.getContext("2d");
  // The canvas draws what it was given when its pixels are read.
  const finish = (): void => void context?.getImageData(0, 0, 1, 1);
  window.kinetraProbe = {
    scenarioNames: () => listOf(engine.scenarioNames()),
    parity(name) {
      const session = new engine.Session();
      try {
        const started = session.startScenario(name);
        const ticks: ParityTicks["ticks"] = [[session.stateHash(), "", 0]];
        let soft: ParityTicks["soft"] = [];
        for (let tick = 1; started && tick <= session.scenarioLength(); tick++) {
          const result = session.scenarioTick(tick);
          const words = session.words();
          const texts = session.texts();
          const drawing = callHash(words, texts);
          if (result.drawn) screen.renderer.replay(words, texts);
          soft = softPlaces(engine, words, texts);
          ticks.push([session.stateHash(), drawing, result.pauseRequested ? 1 : 0]);
        }
        return { started, ticks, soft };
      } finally {
        session.delete();
      }
    },
    benchStep: (exact, ticks) => engine.benchStep(exact, ticks),
    benchFrame(exact, frames) {
      const session = new engine.Session();
      const times: FrameTimes = { engine: [], canvas: [], whole: [] };
      try {
        session.startBenchFrame(exact ? 1 : 0);
        // A few frames first, as a run has had before it is looked at: compiled, fonts cached.
        const warm = 30;
        for (let k = -warm; k < frames; k++) {
          const start = performance.now();
          session.tick(start);
          const ticked = performance.now();
          screen.renderer.replay(session.words(), session.texts());
          finish();
          const end = performance.now();
          if (k < 0) continue;
          times.engine.push(ticked - start);
          times.canvas.push(end - ticked);
          times.whole.push(end - start);
        }
        return times;
      } finally {
        session.delete();
      }
    },
    state: () => ({ run: screen.state, frames: screen.frames, ms: screen.runMilliseconds }),
  };
}
