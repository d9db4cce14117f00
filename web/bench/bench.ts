// The browser's benchmark beside the desktop's, in one run: the step of 1500 particles (the
// described model's frame step with nothing drawn, and the exact model's motion; Vmax 300) in
// WebAssembly in headless Chromium against the native step (build/bench/kinetra_bench), and a
// whole frame in the page (advance, render into the buffer, replay on the canvas and the
// canvas's drawing of it) against the desktop's whole frame. Medians of several rounds.
//
//   npm run bench        (after the native build, the WebAssembly build and npm run build)
import { execFileSync } from "node:child_process";
import { join } from "node:path";
import { nativeBuild, openPage, startHarness } from "../tests/support.js";

const rounds = 5;
const ticks = 60; // as the native benchmark times them

function median(values: number[]): number {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle]! : (sorted[middle - 1]! + sorted[middle]!) / 2;
}

interface NativeEntry {
  name: string;
  run_type: string;
  aggregate_name?: string;
  real_time: number;
  time_unit: string;
}

// Milliseconds per iteration, the median of the repetitions, by benchmark name.
function nativeTimes(): Map<string, number> {
  const output = execFileSync(
    join(nativeBuild, "bench", "kinetra_bench"),
    [
      "--benchmark_filter=^(Described|Exact|WholeFrame/described|WholeFrame/exact)/vmax:300/",
      `--benchmark_repetitions=${rounds}`,
      "--benchmark_format=json",
    ],
    { env: { ...process.env, QT_QPA_PLATFORM: "offscreen" }, maxBuffer: 16 * 1024 * 1024 },
  );
  const report = JSON.parse(output.toString()) as { benchmarks: NativeEntry[] };
  const scale: Record<string, number> = { ns: 1e-6, us: 1e-3, ms: 1, s: 1e3 };
  const times = new Map<string, number>();
  for (const entry of report.benchmarks) {
    if (entry.aggregate_name !== "median") continue;
    const name = entry.name.replace(/_median$/, "").replace(/\/iterations:\d+$/, "");
    times.set(name, entry.real_time * (scale[entry.time_unit] ?? 1));
  }
  return times;
}

function row(what: string, native: number | undefined, browser: number, note = ""): string {
  const n = native === undefined ? "     -" : native.toFixed(3).padStart(9);
  const ratio = native === undefined ? "    -" : (browser / native).toFixed(2).padStart(6);
  return `${what.padEnd(44)} ${n} ${browser.toFixed(3).padStart(9)} ${ratio}  ${note}`;
}

async function main(): Promise<void> {
  const native = nativeTimes();
  const harness = await startHarness();
  try {
    const page = await openPage(harness);
    const step = async (exact: boolean): Promise<number> => {
      const times: number[] = [];
      for (let k = 0; k < rounds; k++)
        times.push(
          await page.evaluate(([e, t]) => window.kinetraProbe!.benchStep(e, t), [
            exact,
            ticks,
          ] as const),
        );
      return median(times);
    };
    const frame = async (exact: boolean, on = page) => {
      const times = await on.evaluate(([e, n]) => window.kinetraProbe!.benchFrame(e, n), [
        exact,
        rounds * ticks,
      ] as const);
      return {
        engine: median(times.engine),
        canvas: median(times.canvas),
        whole: median(times.whole),
      };
    };
    const described = await step(false);
    const exact = await step(true);
    const frameDescribed = await frame(false);
    const frameExact = await frame(true);
    // The same on a screen of two device pixels a pixel: the canvas has four times the pixels.
    const sharp = await openPage(harness, "", 2);
    const frameSharp = await frame(false, sharp);
    const lines = [
      `${"ms per tick, 1500 particles, Vmax 300".padEnd(44)}    native      wasm  ratio`,
      row(
        "step, described model",
        native.get("Described/vmax:300"),
        described,
        "target: ratio <= 2",
      ),
      row("step, exact model", native.get("Exact/vmax:300"), exact, "target: ratio <= 2"),
      row(
        "whole frame, described, histogram",
        native.get("WholeFrame/described/vmax:300"),
        frameDescribed.whole,
        `target: page <= 8 ms (engine ${frameDescribed.engine.toFixed(2)}, canvas ${frameDescribed.canvas.toFixed(2)})`,
      ),
      row(
        "whole frame, exact, histogram",
        native.get("WholeFrame/exact/vmax:300"),
        frameExact.whole,
        `target: page <= 8 ms (engine ${frameExact.engine.toFixed(2)}, canvas ${frameExact.canvas.toFixed(2)})`,
      ),
      row(
        "whole frame, described, 2048 x 1536 canvas",
        undefined,
        frameSharp.whole,
        `(engine ${frameSharp.engine.toFixed(2)}, canvas ${frameSharp.canvas.toFixed(2)})`,
      ),
    ];
    console.log(lines.join("\n"));
  } finally {
    await harness.close();
  }
}

await main();
