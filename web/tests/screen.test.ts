// The page as a pupil uses it: every mode starts from the address and draws, on either model,
// at any device pixel ratio; the keys pause, resume, restart, leave and go full screen; the
// run's time leaves the pause out.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import type { Page } from "playwright-core";
import { saveCanvas } from "./pictures.js";
import { openPage, outputPath, pageErrors, startHarness, type Harness } from "./support.js";

let harness: Harness;

before(async () => {
  harness = await startHarness();
});

after(async () => {
  await harness?.close();
});

async function framesAfter(page: Page, count: number): Promise<number> {
  const from = await page.evaluate(() => window.kinetraProbe!.state().frames);
  await page.waitForFunction((n) => window.kinetraProbe!.state().frames >= n, from + count);
  return page.evaluate(() => window.kinetraProbe!.state().frames);
}

// Share of the canvas's pixels that are not black.
async function litShare(page: Page): Promise<number> {
  return page.evaluate(() => {
    const canvas = document.querySelector("canvas")!;
    const data = canvas.getContext("2d")!.getImageData(0, 0, canvas.width, canvas.height).data;
    let lit = 0;
    for (let k = 0; k < data.length; k += 4) if (data[k]! + data[k + 1]! + data[k + 2]! > 0) lit++;
    return lit / (data.length / 4);
  });
}

test("every mode starts and draws on both models", async () => {
  for (const model of ["described", "exact"]) {
    for (let mode = 1; mode <= 7; mode++) {
      const page = await openPage(harness, `?mode=${mode}&model=${model}&histogram=1`);
      await framesAfter(page, 20);
      assert.equal(await page.evaluate(() => window.kinetraProbe!.state().run), "running");
      // The vessel and the instruments cover a good part of the surface in every mode.
      const lit = await litShare(page);
      assert.ok(lit > 0.1, `mode ${mode} ${model}: only ${lit} of the surface drawn`);
      await saveCanvas(page, outputPath(`screen-${mode}-${model}.png`));
      assert.deepEqual(pageErrors(page), [], `mode ${mode} ${model}`);
      await page.close();
    }
  }
});

test("the stage keeps its proportions and draws at the device's resolution", async () => {
  const page = await openPage(harness, "?mode=7", 2);
  await page.setViewportSize({ width: 900, height: 900 });
  await framesAfter(page, 5);
  const size = await page.evaluate(() => {
    const canvas = document.querySelector("canvas")!;
    const box = canvas.getBoundingClientRect();
    return {
      width: canvas.width,
      height: canvas.height,
      box: [box.left, box.top, box.width, box.height],
    };
  });
  // 900 / 1024 of the stage, centred in the height, two device pixels per CSS pixel.
  assert.deepEqual(size, { width: 1800, height: 1350, box: [0, 112.5, 900, 675] });
  await saveCanvas(page, outputPath("screen-pressure-scale-2.png"));
  assert.ok((await litShare(page)) > 0.1);
  await page.close();
});

test("Space pauses and resumes with the pause left out of the time, R restarts, Esc leaves, F11 goes full screen", async () => {
  const page = await openPage(harness, "?mode=1");
  await framesAfter(page, 10);
  const runTime = (): Promise<{ run: string; frames: number; ms: number; wall: number }> =>
    page.evaluate(() => ({
      ...window.kinetraProbe!.state(),
      wall: performance.now(),
    }));
  const start = await runTime();
  await page.keyboard.press(" ");
  const paused = await runTime();
  assert.equal(paused.run, "paused");
  await page.waitForTimeout(1500);
  const still = await runTime();
  assert.equal(still.frames, paused.frames, "no ticks while paused");
  await page.keyboard.press(" ");
  await framesAfter(page, 10);
  const resumed = await runTime();
  assert.equal(resumed.run, "running");
  // The run's time counts the running, not the 1.5 s pause.
  const ran = resumed.wall - start.wall - (still.wall - paused.wall);
  assert.ok(resumed.ms - start.ms < ran + 200, `run time ${resumed.ms - start.ms}, ran ${ran}`);
  assert.ok(resumed.ms - start.ms > ran - 400, `run time ${resumed.ms - start.ms}, ran ${ran}`);

  await page.keyboard.press("r");
  await framesAfter(page, 2);
  const restarted = await runTime();
  assert.equal(restarted.run, "running");
  assert.ok(restarted.ms < 1000, `time after restart ${restarted.ms}`);

  await page.keyboard.press("F11");
  await page.waitForFunction(() => document.fullscreenElement !== null);
  await page.keyboard.press("F11");
  await page.waitForFunction(() => document.fullscreenElement === null);

  await page.keyboard.press("Escape");
  assert.equal(await page.evaluate(() => window.kinetraProbe!.state().run), "idle");
  assert.equal(await page.locator("section.menu").isVisible(), true);
  // From the menu again, into the heat transport, then the exact model on its run.
  await page.locator("button[data-topic='5']").click();
  await page.locator("button[data-exercise='transport-ciepla']").click();
  await page.locator("button[data-run='9']").click();
  await page.waitForFunction(() => window.kinetraProbe!.state().run === "running");
  await page.locator("[data-model=heat-model] input[value=exact]").check();
  await page.waitForFunction(() => window.kinetraProbe!.state().run === "running");
  await framesAfter(page, 5);
  assert.deepEqual(pageErrors(page), []);
  await page.close();
});
