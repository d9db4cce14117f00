// Every mode on both gas models, and the view options, from the same start and seed: the page's
// per-tick fingerprints of the state and of the drawing calls equal the desktop's, and the
// page's canvas shows the desktop's last frame pixel for pixel, but for the antialiased edges
// of its text and slanted lines.
import assert from "node:assert/strict";
import { mkdirSync } from "node:fs";
import { after, before, test } from "node:test";
import type { Page } from "playwright-core";
import { compareWithDesktop, saveCanvas } from "./pictures.js";
import {
  nativeParity,
  openPage,
  outputPath,
  pageErrors,
  startHarness,
  type Harness,
  type NativeRun,
} from "./support.js";

let harness: Harness;
let page: Page;
let native: NativeRun[];
const desktopPictures = outputPath("desktop");

before(async () => {
  mkdirSync(desktopPictures, { recursive: true });
  native = nativeParity(desktopPictures);
  harness = await startHarness();
  page = await openPage(harness);
});

after(async () => {
  await harness?.close();
});

test("the page plays every parity run as the desktop, tick for tick", async () => {
  const names = await page.evaluate(() => window.kinetraProbe!.scenarioNames());
  assert.deepEqual(
    names,
    native.map((run) => run.name),
  );
  const report: string[] = [];
  const failures: string[] = [];
  for (const run of native) {
    const played = await page.evaluate((name) => window.kinetraProbe!.parity(name), run.name);
    const file = run.name.replaceAll("/", "-");
    await saveCanvas(page, outputPath(`browser-${file}.png`));
    const picture = await compareWithDesktop(page, `${desktopPictures}/${file}.png`, played.soft);
    let first = -1;
    for (let tick = 0; tick < Math.max(run.ticks.length, played.ticks.length); tick++) {
      if (JSON.stringify(run.ticks[tick]) !== JSON.stringify(played.ticks[tick])) {
        first = tick;
        break;
      }
    }
    const share = ((100 * picture.different) / picture.total).toFixed(2);
    report.push(
      `${run.name.padEnd(36)} ${first < 0 ? `equal over ${run.ticks.length - 1} ticks` : `differs from tick ${first}`}; ` +
        `pixels differing ${share}%, outside text and lines ${picture.elsewhere}`,
    );
    if (!run.started || played.started !== run.started) failures.push(`${run.name}: did not start`);
    if (first >= 0)
      failures.push(
        `${run.name} tick ${first}: desktop ${JSON.stringify(run.ticks[first])}, ` +
          `page ${JSON.stringify(played.ticks[first])}`,
      );
    if (picture.total === 0 || picture.elsewhere !== 0)
      failures.push(`${run.name}: ${picture.elsewhere} pixels outside text and lines differ`);
  }
  console.log(report.join("\n"));
  assert.deepEqual(failures, []);
  assert.deepEqual(pageErrors(page), []);
});
