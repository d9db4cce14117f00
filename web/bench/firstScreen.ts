// From opening the one file (web/dist/kinetra.html, from disk) to its first screen, in headless
// Chromium: the page's own mark "kinetra-ready" (milliseconds since the navigation started) and
// the time the test driver waited, over fresh browser contexts. Target: at most 1 s.
//
//   npm run bench:open        (after npm run build)
import { resolve } from "node:path";
import { pathToFileURL } from "node:url";
import { chromium } from "playwright-core";
import { chromiumArgs, chromiumPath, webFolder } from "../tests/support.js";

const rounds = 9;

function median(values: number[]): number {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)]!;
}

async function main(): Promise<void> {
  const url = pathToFileURL(resolve(webFolder, "dist", "kinetra.html")).href;
  const browser = await chromium.launch({ executablePath: chromiumPath, args: chromiumArgs });
  try {
    const marks: number[] = [];
    const waits: number[] = [];
    for (let k = 0; k < rounds; k++) {
      const context = await browser.newContext({ viewport: { width: 1024, height: 768 } });
      const page = await context.newPage();
      const start = performance.now();
      await page.goto(url, { waitUntil: "commit" });
      await page.waitForFunction(() => document.body.dataset["ready"] === "true", null, {
        polling: 5,
      });
      waits.push(performance.now() - start);
      marks.push(
        await page.evaluate(() => performance.getEntriesByName("kinetra-ready")[0]!.startTime),
      );
      await context.close();
    }
    const ms = (v: number): string => `${v.toFixed(0).padStart(5)} ms`;
    console.log(
      [
        `kinetra.html from disk to the first screen, ${rounds} openings  median      max`,
        `the page's mark (since navigation start)            ${ms(median(marks))} ${ms(Math.max(...marks))}`,
        `as the driver waited (goto to ready)                ${ms(median(waits))} ${ms(Math.max(...waits))}`,
        "target: at most 1000 ms",
      ].join("\n"),
    );
  } finally {
    await browser.close();
  }
}

await main();
