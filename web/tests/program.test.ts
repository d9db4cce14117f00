// The whole program in the page, as a pupil and a teacher use it: the panels' checks, the keys,
// every exercise from the menu, a whole lesson from the menu to a printed table with its files,
// and the languages switched in the middle of a run without losing it or the table.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { readFileSync, writeFileSync } from "node:fs";
import { after, before, test } from "node:test";
import type { Page } from "playwright-core";
import { openPage, outputPath, pageErrors, startHarness, type Harness } from "./support.js";

let harness: Harness;

before(async () => {
  harness = await startHarness();
});

after(async () => {
  await harness?.close();
});

const run = (page: Page): Promise<string> => page.evaluate(() => window.kinetraProbe!.state().run);

async function framesAfter(page: Page, count: number): Promise<void> {
  const from = await page.evaluate(() => window.kinetraProbe!.state().frames);
  await page.waitForFunction((n) => window.kinetraProbe!.state().frames >= n, from + count);
}

// Topic, link, run button of the pane it opened.
async function openExercise(page: Page, topic: number, exercise: string): Promise<void> {
  await page.locator(`button[data-topic='${topic}']`).click();
  await page.locator(`button[data-exercise='${exercise}']`).click();
  await page.locator("section.topic:not([hidden]) .pane:not([hidden]) .run-button").first().click();
}

declare global {
  interface Window {
    printedWhile: string[];
  }
}

// The print dialog as a note of the run's state when it opened; the sheet stays laid out.
async function stubPrint(page: Page): Promise<void> {
  await page.evaluate(() => {
    window.printedWhile = [];
    window.print = () => void window.printedWhile.push(window.kinetraProbe!.state().run);
  });
}

async function message(page: Page): Promise<string> {
  const box = page.locator("dialog[open] .message");
  await box.waitFor();
  const text = (await box.textContent()) ?? "";
  await page.locator("dialog[open] button").click();
  return text;
}

test("the set-up panel checks its values and the keys act on the run", async () => {
  const page = await openPage(harness);
  await stubPrint(page);
  // The free-path study's panel: a letter in a box, then too few collisions.
  await openExercise(page, 1, "droga-swobodna-badanie");
  assert.equal(await page.locator("section.set-up").isVisible(), true);
  await page.locator("#setting-0").fill("12a");
  assert.equal(await message(page), "Nieprawidłowa wartość");
  assert.match(await page.locator("#setting-0").inputValue(), /^\d+$/);
  await page.locator("#setting-collisions").fill("50");
  await page.locator("[data-set-up=start]").click();
  assert.equal(await message(page), "Nieprawidłowa wartość! Minimalna liczba zderzeń: 100");
  assert.equal(await run(page), "idle");
  await page.locator("[data-set-up=start]").click();
  await framesAfter(page, 5);
  assert.equal(await run(page), "running");
  await page.locator("[data-tool=parameters]").click();
  assert.equal(await page.locator("section.set-up").isVisible(), true);
  await page.keyboard.press("Escape");
  assert.equal(await run(page), "paused", "Esc from the parameters goes back to the run, paused");
  await page.keyboard.press(" ");
  assert.equal(await run(page), "running");

  await page.keyboard.press(" ");
  assert.equal(await run(page), "paused");
  assert.equal(await page.locator("[data-tool=pause]").getAttribute("aria-label"), "Wznów");
  await page.keyboard.press(" ");
  assert.equal(await run(page), "running");
  await framesAfter(page, 30);
  await page.keyboard.press("r");
  await framesAfter(page, 1);
  assert.ok((await page.evaluate(() => window.kinetraProbe!.state().ms)) < 400);
  // P prints the free path's vessel redrawn, the run paused while the dialog is up.
  await page.keyboard.press("p");
  await page.waitForFunction(() => window.printedWhile.length === 1);
  assert.deepEqual(await page.evaluate(() => window.printedWhile), ["paused"]);
  assert.match((await page.locator(".print-sheet").textContent()) ?? "", /DROGA SWOBODNA/);
  assert.equal(await run(page), "running");
  await page.keyboard.press("F1");
  assert.equal(await page.locator("dialog[open] .units").isVisible(), true);
  await page.keyboard.press("Escape");
  assert.equal(await run(page), "running", "Esc closes the dialog first");
  await page.keyboard.press("Escape");
  assert.equal(await run(page), "idle");
  assert.equal(await page.locator("section.menu").isVisible(), true);
  const polish = await page.locator("button[data-topic='1']").textContent();
  await page.keyboard.press("F12");
  assert.equal(await page.evaluate(() => document.documentElement.lang), "en");
  assert.notEqual(await page.locator("button[data-topic='1']").textContent(), polish);
  assert.deepEqual(pageErrors(page), []);
  await page.close();
});

test("every exercise starts from the menu", async () => {
  const page = await openPage(harness);
  for (let topic = 0; topic < 6; topic++) {
    const names = await page
      .locator(`section.topic[data-topic='${topic}'] button[data-exercise]`)
      .evaluateAll((links) => links.map((l) => (l as HTMLElement).dataset["exercise"]!));
    for (const name of names) {
      await openExercise(page, topic, name);
      if (await page.locator("section.set-up").isVisible())
        await page.locator("[data-set-up=start]").click();
      await page.waitForFunction(() => window.kinetraProbe!.state().run === "running", null, {
        timeout: 10000,
      });
      await framesAfter(page, 3);
      await page.keyboard.press("Escape");
      assert.equal(await run(page), "idle", name);
    }
  }
  assert.deepEqual(pageErrors(page), []);
  await page.close();
});

const lessonRows: [string, string][] = [
  ["20", "1.1"],
  ["40", "2,3"],
  ["60", "3.2"],
  ["80", "4,4"],
  ["100", "5.6"],
];

// What a button gives to the browser's downloads: its name and bytes.
async function downloaded(page: Page, click: () => Promise<void>): Promise<[string, Buffer]> {
  const [file] = await Promise.all([page.waitForEvent("download"), click()]);
  return [file.suggestedFilename(), readFileSync((await file.path())!)];
}

function pdfText(file: string): string {
  return execFileSync("pdftotext", ["-layout", file, "-"]).toString();
}

test("a whole lesson: a study from the menu, five rows typed, the chart, its files and its page printed, and the languages switched during the run", async () => {
  const page = await openPage(harness);
  await stubPrint(page);
  await openExercise(page, 4, "cisnienie-liczba");
  await page.locator("section.study-panel").waitFor();
  await framesAfter(page, 5);
  for (const [k, [x, y]] of lessonRows.entries()) {
    await page.locator(`input[name=study-${k + 1}-x]`).pressSequentially(x);
    await page.locator(`input[name=study-${k + 1}-y]`).pressSequentially(y);
  }
  // A rejected character is dropped and said why.
  await page.locator("input[name=study-6-x]").pressSequentially("7a");
  assert.equal(await page.locator("input[name=study-6-x]").inputValue(), "7");
  assert.equal(await page.locator(".study-panel .cell-note").isVisible(), true);
  await page.locator("input[name=study-6-x]").fill("");
  const cells = (): Promise<string[]> =>
    page
      .locator(".study-panel input.cell")
      .evaluateAll((c) => c.slice(0, 10).map((e) => (e as HTMLInputElement).value));
  assert.deepEqual(await cells(), [
    "20",
    "1,1",
    "40",
    "2,3",
    "60",
    "3,2",
    "80",
    "4,4",
    "100",
    "5,6",
  ]);
  await page.locator("[data-draw=study]").click();
  const chart = page.locator(".study-panel canvas.chart");
  assert.equal(await chart.getAttribute("data-points"), "5");
  assert.ok(Number(await chart.getAttribute("data-curve")) >= 2, "the fitted line is drawn");
  await page.screenshot({ path: outputPath("lesson-pl.png") });

  // The table as CSV: the headings as shown on one line, a point for the decimals.
  const [csvName, csv] = await downloaded(page, () =>
    page.locator("[data-save-table=study]").click(),
  );
  assert.equal(csvName, "pomiary.csv");
  assert.equal(
    csv.toString("utf8"),
    "Liczba cząsteczek N,Ciśnienie x 10^-26 [jedn.]\r\n" +
      "20,1.1\r\n40,2.3\r\n60,3.2\r\n80,4.4\r\n100,5.6\r\n",
  );
  // The chart as a PNG picture or a PDF page, chosen in a dialog.
  const chartFile = async (kind: string): Promise<[string, Buffer]> => {
    await page.locator("[data-save-chart=study]").click();
    return downloaded(page, () => page.locator(`dialog[open] [data-file=${kind}]`).click());
  };
  const [pngName, png] = await chartFile("png");
  assert.equal(pngName, "wykres.png");
  assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], [2480, 1748]);
  const [pdfName, pdf] = await chartFile("pdf");
  assert.equal(pdfName, "wykres.pdf");
  const chartPdf = outputPath("lesson-chart.pdf");
  writeFileSync(chartPdf, pdf);
  assert.match(execFileSync("pdfinfo", [chartPdf]).toString(), /Pages:\s+1\n/);
  assert.match(pdfText(chartPdf), /p\[jedn\.\]/);
  assert.equal(await run(page), "running");

  // The table's page printed: the study and the date above the chart, the rows below, on A4.
  await page.locator("[data-print=study]").click();
  await page.waitForFunction(() => window.printedWhile.length === 1);
  const printed = outputPath("lesson-table.pdf");
  await page.pdf({ path: printed, preferCSSPageSize: true, printBackground: true });
  assert.match(execFileSync("pdfinfo", [printed]).toString(), /Pages:\s+1\n[^]*\(A4\)/);
  const words = pdfText(printed);
  const study = (await page.locator(".study-title").textContent())!.trim().replace(/\s+/g, " ");
  assert.ok(words.includes(`${study}, `), words);
  assert.match(words, /Liczba cząsteczek N\s+Ciśnienie x 10\s+\[jedn\.\]/);
  for (const [x, y] of [
    ["20", "1,1"],
    ["60", "3,2"],
    ["100", "5,6"],
  ])
    assert.match(words, new RegExp(`${x}\\s+${y}`));
  execFileSync("pdftoppm", [
    "-r",
    "50",
    "-png",
    "-singlefile",
    printed,
    outputPath("lesson-table"),
  ]);

  for (const [language, separated] of [
    ["en", "1.1"],
    ["uk", "1,1"],
  ] as const) {
    const drawLabel = await page.locator("[data-draw=study]").textContent();
    await page.keyboard.press("F12");
    assert.equal(await page.evaluate(() => document.documentElement.lang), language);
    assert.notEqual(await page.locator("[data-draw=study]").textContent(), drawLabel);
    assert.equal(await run(page), "running");
    await framesAfter(page, 5);
    assert.equal((await cells())[1], separated);
    assert.equal(await chart.getAttribute("data-points"), "5");
    await page.screenshot({ path: outputPath(`lesson-${language}.png`) });
  }
  assert.deepEqual(pageErrors(page), []);
  await page.close();
});

test("the menu, an exercise page, a run with its panel and a study in every language", async () => {
  for (const language of ["pl", "en", "uk"]) {
    const page = await openPage(harness, `?lang=${language}`);
    await page.screenshot({ path: outputPath(`menu-${language}.png`) });
    await page.locator("button[data-topic='3']").click();
    await page.locator("button[data-exercise='temperatura-liczba']").click();
    await page.screenshot({ path: outputPath(`exercise-${language}.png`) });
    await page.locator("button[data-topic='0']").click();
    await page.locator("button[data-exercise='dyfuzja']").click();
    await page
      .locator("section.topic:not([hidden]) .pane:not([hidden]) .run-button")
      .first()
      .click();
    await page.screenshot({ path: outputPath(`set-up-${language}.png`) });
    await page.keyboard.press("Escape");
    await openExercise(page, 3, "temperatura");
    await framesAfter(page, 30);
    await page.screenshot({ path: outputPath(`experiment-${language}.png`) });
    assert.deepEqual(pageErrors(page), [], language);
    await page.close();
  }
});
