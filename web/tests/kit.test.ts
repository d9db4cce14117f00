// The one file and what leaves the page: the file opened from disk with the network shut out,
// the service worker's offline reload when served, the CSV's bytes beside the desktop's, the
// chart's PNG and PDF and the simulation's picture as files, both print layouts printed to PDF,
// and the file in Firefox.
import assert from "node:assert/strict";
import { execFileSync, spawn } from "node:child_process";
import { mkdirSync, mkdtempSync, readFileSync, rmSync, statSync, writeFileSync } from "node:fs";
import { createServer } from "node:net";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { pathToFileURL } from "node:url";
import { after, before, test } from "node:test";
import { chromium, type BrowserContext, type Page } from "playwright-core";
import {
  chromiumArgs,
  chromiumPath,
  nativeBuild,
  outputPath,
  pageErrors,
  startHarness,
  webFolder,
  type Harness,
} from "./support.js";

const singleFile = resolve(webFolder, "dist", "kinetra.html");

interface ChartInput {
  rows: number[];
  kind: number;
  mode: number;
  xCaption: string;
  scaleFromZero: boolean;
  drawCurve: boolean;
  language: string;
}
interface Kit {
  csv(x: string, y: string, rows: number[]): string;
  saveCsv(name: string, x: string, y: string, rows: number[]): void;
  chartPng(chart: ChartInput): Promise<string>;
  chartPdf(chart: ChartInput): Promise<string>;
  screenChart(chart: ChartInput, width: number, height: number): Promise<string>;
  simulationPng(mode: number, ticks: number): Promise<string>;
  layOutSimulation(mode: number, ticks: number, white: boolean): Promise<void>;
  layOutVessel(mode: number, ticks: number, language: string): Promise<void>;
  layOutTable(table: {
    chart: ChartInput;
    columns: { x: string; y: string; yExponent?: string; yUnit?: string } | null;
    heading: string;
  }): Promise<void>;
}
declare global {
  interface Window {
    kinetraKit?: Kit;
  }
}

// Five rows of a pressure study, the rest empty.
const rows = [1, 0.5, 2, 1.02, 3, 1.49, 4, 2.05, 5, 2.5, ...new Array<number>(24).fill(-1)];
const pressureChart: ChartInput = {
  rows,
  kind: 2,
  mode: 7,
  xCaption: "T[jedn.]",
  scaleFromZero: true,
  drawCurve: true,
  language: "pl",
};

let scratch: string;
let harness: Harness;
let fileContext: BrowserContext;
let page: Page;
const requests: string[] = [];

// The single file from disk, every request that is not to the file itself refused and noted.
async function openFromDisk(): Promise<Page> {
  const opened = await fileContext.newPage();
  const errors: string[] = [];
  opened.on("pageerror", (e) => errors.push(e.message));
  opened.on("console", (m) => {
    if (m.type() === "error") errors.push(m.text());
  });
  (opened as Page & { errors: string[] }).errors = errors;
  opened.on("request", (r) => {
    const url = r.url();
    if (!url.startsWith("data:") && !url.startsWith("blob:") && url !== fileUrl())
      requests.push(url);
  });
  await opened.goto(fileUrl());
  await opened.waitForFunction(() => document.body.dataset["ready"] === "true");
  return opened;
}

function fileUrl(): string {
  return pathToFileURL(singleFile).href;
}

before(async () => {
  scratch = mkdtempSync(join(tmpdir(), "kinetra-kit-"));
  harness = await startHarness();
  fileContext = await chromium.launchPersistentContext(join(scratch, "profile"), {
    executablePath: chromiumPath,
    headless: true,
    viewport: { width: 1024, height: 768 },
    args: chromiumArgs,
    offline: true,
  });
  await fileContext.route(
    (url) => url.protocol !== "file:" && url.protocol !== "data:" && url.protocol !== "blob:",
    async (route) => {
      requests.push(route.request().url());
      await route.abort();
    },
  );
  page = await openFromDisk();
});

after(async () => {
  await fileContext?.close();
  await harness?.close();
  rmSync(scratch, { recursive: true, force: true });
});

test("the one file opens from disk with no network and shows its first screen", async () => {
  const size = statSync(singleFile).size;
  assert.ok(size <= 3 * 1024 * 1024, `kinetra.html is ${size} bytes`);
  // The first screen: the page's buttons are shown and can be pressed.
  const button = page.locator("button:visible").first();
  await button.waitFor();
  await page.screenshot({ path: outputPath("kit-from-disk.png") });
  assert.deepEqual(requests, [], "requests beyond the file");
  assert.deepEqual(pageErrors(page), []);
});

test("served, the page keeps itself and reloads without a network", async () => {
  const context = await harness.context();
  const served = await context.newPage();
  await served.goto(harness.url + "kinetra.html");
  await served.waitForFunction(() => document.body.dataset["ready"] === "true");
  await served.evaluate(async () => {
    await navigator.serviceWorker.ready;
  });
  // The worker takes the page over once active; from then on the page is answered from its
  // cache.
  await served.waitForFunction(() => navigator.serviceWorker.controller !== null);
  const manifest = await served.evaluate(async () => {
    const link = document.querySelector<HTMLLinkElement>("link[rel=manifest]");
    return link ? ((await (await fetch(link.href)).json()) as { start_url: string }) : null;
  });
  assert.equal(manifest?.start_url, "./kinetra.html");
  // Chromium would offer to install it as an app.
  const devtools = await context.newCDPSession(served);
  const { installabilityErrors } = (await devtools.send("Page.getInstallabilityErrors")) as {
    installabilityErrors: { errorId: string }[];
  };
  assert.deepEqual(installabilityErrors, []);
  await context.setOffline(true);
  try {
    await served.reload();
    await served.waitForFunction(() => document.body.dataset["ready"] === "true");
    assert.ok(await served.evaluate(() => navigator.serviceWorker.controller !== null));
    assert.deepEqual(pageErrors(served), []);
  } finally {
    await context.setOffline(false);
    await served.close();
  }
});

test("the table's CSV has the desktop's bytes", async () => {
  const x = "Liczba cząsteczek";
  const y = 'Średnia droga, "swobodna" [jedn.]';
  const values = [100, 12.5, 0.1, 0.06, 1234567.891, 1e-7, -1, 3, 7, -1, 250, 0.3333333333333333];
  const fromPage = Buffer.from(
    await page.evaluate(([a, b, r]) => window.kinetraKit!.csv(a, b, r), [x, y, values] as const),
    "base64",
  );
  const tool = join(nativeBuild, "web", "host", "kinetra_tablecsv");
  const desktop = execFileSync(tool, [x, y, ...values.map(String)]);
  assert.deepEqual(fromPage, desktop);
  // The same bytes reach the browser's downloads under the suggested name.
  const [saved] = await Promise.all([
    page.waitForEvent("download"),
    page.evaluate(([a, b, r]) => window.kinetraKit!.saveCsv("pomiary.csv", a, b, r), [
      x,
      y,
      values,
    ] as const),
  ]);
  assert.equal(saved.suggestedFilename(), "pomiary.csv");
  assert.deepEqual(readFileSync((await saved.path())!), desktop);
  assert.match(
    fromPage.toString("utf8"),
    /^Liczba cząsteczek,"Średnia droga, ""swobodna"" \[jedn\.\]"\r\n100,12\.5\r\n/,
  );
});

function imageFacts(file: string): string {
  return execFileSync("identify", ["-format", "%m %w %h", file]).toString().trim();
}

function dotsPerInch(file: string): number {
  const [x, units] = execFileSync("identify", ["-format", "%x %U", file]).toString().split(" ");
  return Math.round(Number(x) * (units === "PixelsPerCentimeter" ? 2.54 : 1));
}

// How far apart two pictures are, each reduced to 248 x 175 grey pixels: 0 alike, 1 opposite.
function distance(a: string, b: string): number {
  const small = (f: string): Buffer =>
    execFileSync("convert", [
      f,
      "-colorspace",
      "Gray",
      "-resize",
      "248x175!",
      "-depth",
      "8",
      "gray:-",
    ]);
  const pa = small(a);
  const pb = small(b);
  let sum = 0;
  for (let i = 0; i < pa.length; i++) sum += Math.abs(pa[i]! - pb[i]!);
  return sum / pa.length / 255;
}

test("the chart's PNG and PDF are the desktop's page, and draw the same", async () => {
  const png = outputPath("kit-chart.png");
  writeFileSync(
    png,
    Buffer.from(
      await page.evaluate((c) => window.kinetraKit!.chartPng(c), pressureChart),
      "base64",
    ),
  );
  assert.equal(imageFacts(png), "PNG 2480 1748");
  assert.equal(dotsPerInch(png), 300);

  const pdf = outputPath("kit-chart.pdf");
  writeFileSync(
    pdf,
    Buffer.from(
      await page.evaluate((c) => window.kinetraKit!.chartPdf(c), pressureChart),
      "base64",
    ),
  );
  const info = execFileSync("pdfinfo", [pdf]).toString();
  assert.match(info, /Pages:\s+1\n/);
  assert.match(info, /Page size:\s+595\.2\d* x 419\.5\d* pts\n/);
  const words = execFileSync("pdftotext", [pdf, "-"]).toString();
  for (const word of ["p[jedn.]", "T[jedn.]", "0,00", "1,31"])
    assert.ok(words.includes(word), word);
  // Any character of the font: Ukrainian captions and powers of ten in superscript.
  const ukrainian = outputPath("kit-chart-uk.pdf");
  const large = rows.map((v, i) => (i % 2 === 0 && v !== -1 ? v * 100000 : v));
  const chartUk = { ...pressureChart, rows: large, language: "uk" };
  const bytesUk = await page.evaluate((c) => window.kinetraKit!.chartPdf(c), chartUk);
  writeFileSync(ukrainian, Buffer.from(bytesUk, "base64"));
  const wordsUk = execFileSync("pdftotext", [ukrainian, "-"]).toString();
  for (const word of ["p[од.]", "T[од.]", "·10⁵"]) assert.ok(wordsUk.includes(word), word);
  const fonts = execFileSync("pdffonts", [pdf]).toString();
  assert.match(fonts, /LiberationSans-Bold\s+CID TrueType\s+Identity-H\s+yes/);

  // The PDF at 300 dots per inch is the PNG's picture.
  execFileSync("pdftoppm", [
    "-scale-to-x",
    "2480",
    "-scale-to-y",
    "1748",
    "-png",
    "-singlefile",
    pdf,
    outputPath("kit-chart-pdf"),
  ]);
  const rendered = outputPath("kit-chart-pdf.png");
  assert.equal(imageFacts(rendered), "PNG 2480 1748");
  const apart = distance(png, rendered);
  assert.ok(apart < 0.01, `PNG and PDF differ by ${apart}`);

  // The desktop's charts of the same rows: the saved one, and the study table's box on screen.
  const screen = outputPath("kit-chart-screen.png");
  const box = await page.evaluate(
    (c) => window.kinetraKit!.screenChart(c, 318, 225),
    pressureChart,
  );
  writeFileSync(screen, Buffer.from(box, "base64"));
  const desktop = outputPath("desktop");
  mkdirSync(desktop, { recursive: true });
  const { language, mode, kind, xCaption } = pressureChart;
  execFileSync(
    join(nativeBuild, "web", "host", "kinetra_chartpictures"),
    [desktop, language, String(mode), String(kind), xCaption, ...rows.map(String)],
    { env: { ...process.env, QT_QPA_PLATFORM: "offscreen" } },
  );
  const paperApart = distance(png, join(desktop, "paper.png"));
  assert.ok(paperApart < 0.01, `the saved chart differs from the desktop's by ${paperApart}`);
  const screenApart = distance(screen, join(desktop, "screen.png"));
  assert.ok(screenApart < 0.02, `the chart on screen differs from the desktop's by ${screenApart}`);
});

test("the simulation's picture is the surface's, 1024 x 768", async () => {
  const file = outputPath("kit-simulation.png");
  writeFileSync(
    file,
    Buffer.from(await page.evaluate(() => window.kinetraKit!.simulationPng(4, 60)), "base64"),
  );
  assert.match(imageFacts(file), /^PNG 1024 768$/);
  const colours = Number(execFileSync("identify", ["-format", "%k", file]).toString());
  assert.ok(colours > 8, `only ${colours} colours`);
});

// Printed to PDF as the print dialog prints: the page's A4 size, one page, as a picture.
async function printed(name: string): Promise<{ pdf: string; picture: string }> {
  const pdf = outputPath(`${name}.pdf`);
  await page.pdf({ path: pdf, preferCSSPageSize: true, printBackground: true });
  const info = execFileSync("pdfinfo", [pdf]).toString();
  assert.match(info, /Pages:\s+1\n/, name);
  assert.match(info, /Page size:\s+59\d\.\d+ x 84\d\.\d+ pts \(A4\)/, name);
  const stem = outputPath(name);
  execFileSync("pdftoppm", ["-r", "50", "-png", "-singlefile", pdf, stem]);
  return { pdf, picture: `${stem}.png` };
}

// A part of a picture (in fractions of its size) in grey, 0 black to 1 white: its mean, or with
// "minima" its darkest pixel.
function grey(file: string, x: number, y: number, w: number, h: number, what = "mean"): number {
  const [width, height] = execFileSync("identify", ["-format", "%w %h", file])
    .toString()
    .split(" ")
    .map(Number);
  const part = `${Math.round(width! * w)}x${Math.round(height! * h)}+${Math.round(width! * x)}+${Math.round(height! * y)}`;
  const format = `%[fx:${what}]`;
  const args = [file, "-crop", part, "-colorspace", "Gray", "-format", format, "info:"];
  return Number(execFileSync("convert", args).toString());
}

test("printing: the simulation on white paper, the table with its chart on one A4 page", async () => {
  await page.evaluate(() => window.kinetraKit!.layOutSimulation(4, 60, true));
  const simulation = await printed("kit-print-simulation");
  // The paper stays white round the picture, and the picture, lightened, is mostly light but
  // drawn.
  assert.ok(grey(simulation.picture, 0, 0, 1, 0.09) > 0.99);
  const picture = grey(simulation.picture, 0.26, 0.11, 0.48, 0.35);
  assert.ok(picture > 0.6 && picture < 0.99, `picture's grey ${picture}`);

  // The free path's page: its vessel redrawn on white and its lines as text.
  await page.evaluate(() => window.kinetraKit!.layOutVessel(2, 120, "pl"));
  const freePath = await printed("kit-print-free-path");
  const lines = execFileSync("pdftotext", ["-layout", freePath.pdf, "-"]).toString();
  for (const line of [/DROGA SWOBODNA/, /Średnica cząsteczek = +\d+ jedn\./, /Czas = +\d+ ms/])
    assert.match(lines, line);
  assert.ok(grey(freePath.picture, 0, 0.5, 1, 0.5, "minima") > 0.99, "below the vessel");

  await page.evaluate(
    (chart) =>
      window.kinetraKit!.layOutTable({
        chart,
        columns: {
          x: "Temperatura T [jedn.]",
          y: "Ciśnienie x 10",
          yExponent: "-26",
          yUnit: "[jedn.]",
        },
        heading: "Zależność ciśnienia od temperatury, 11.12.2026",
      }),
    pressureChart,
  );
  const table = await printed("kit-print-table");
  const words = execFileSync("pdftotext", ["-layout", table.pdf, "-"]).toString();
  assert.match(words, /Zależność ciśnienia od temperatury, 11\.12\.2026/);
  // The raised power of ten stands above its line.
  assert.match(words, /-26\s*\n\s*Temperatura T \[jedn\.\]\s+Ciśnienie x 10\s+\[jedn\.\]/);
  for (const row of ["1 +0,5", "2 +1,02", "3 +1,49", "4 +2,05", "5 +2,5"])
    assert.match(words, new RegExp(row.replace(" +", "\\s+")));
  // The chart in the upper half, the rows below, and nothing in the lowest quarter.
  assert.ok(grey(table.picture, 0.1, 0.05, 0.8, 0.4, "minima") < 0.3);
  assert.ok(grey(table.picture, 0.1, 0.55, 0.5, 0.1, "minima") < 0.3);
  assert.ok(grey(table.picture, 0, 0.75, 1, 0.25, "minima") > 0.99);
});

// Firefox driven through its own WebDriver BiDi (no browser of Playwright's): the file opened
// from disk, its first screen waited for and photographed.
async function firefoxScreenshot(url: string, profile: string): Promise<Buffer> {
  const port = await freePort();
  const firefox = spawn(
    "firefox-esr",
    ["--headless", "--no-remote", "--profile", profile, `--remote-debugging-port=${port}`],
    { stdio: ["ignore", "ignore", "pipe"], env: { ...process.env, MOZ_HEADLESS: "1" } },
  );
  try {
    await new Promise<void>((done, fail) => {
      let said = "";
      firefox.stderr.on("data", (chunk: Buffer) => {
        said += chunk.toString();
        if (said.includes("WebDriver BiDi listening")) done();
      });
      firefox.on("exit", () => fail(new Error(`Firefox ended: ${said}`)));
    });
    const socket = new WebSocket(`ws://127.0.0.1:${port}/session`);
    await new Promise((done, fail) => {
      socket.onopen = done;
      socket.onerror = fail;
    });
    let next = 0;
    const waiting = new Map<number, (m: { result?: unknown; error?: string }) => void>();
    socket.onmessage = (event) => {
      const message = JSON.parse(String(event.data)) as { id?: number; error?: string };
      if (message.id !== undefined) waiting.get(message.id)?.(message);
    };
    const send = async <T>(method: string, params: object): Promise<T> => {
      const id = ++next;
      const answer = await new Promise<{ result?: unknown; error?: string }>((done) => {
        waiting.set(id, done);
        socket.send(JSON.stringify({ id, method, params }));
      });
      if (answer.error) throw new Error(`${method}: ${JSON.stringify(answer)}`);
      return answer.result as T;
    };
    await send("session.new", { capabilities: {} });
    const tree = await send<{ contexts: { context: string }[] }>("browsingContext.getTree", {});
    const context = tree.contexts[0]!.context;
    await send("browsingContext.setViewport", {
      context,
      viewport: { width: 1024, height: 768 },
    });
    await send("browsingContext.navigate", { context, url, wait: "complete" });
    const firstScreen =
      "document.body.dataset.ready === 'true' && document.querySelector('button') !== null";
    for (let k = 0; ; k++) {
      const answer = await send<{ result: { value: boolean } }>("script.evaluate", {
        expression: firstScreen,
        target: { context },
        awaitPromise: false,
      });
      if (answer.result.value) break;
      if (k > 300) throw new Error("Firefox shows no first screen");
      await new Promise((done) => setTimeout(done, 50));
    }
    const shot = await send<{ data: string }>("browsingContext.captureScreenshot", { context });
    socket.close();
    return Buffer.from(shot.data, "base64");
  } finally {
    firefox.kill();
  }
}

async function freePort(): Promise<number> {
  const server = createServer();
  await new Promise<void>((done) => server.listen(0, "127.0.0.1", done));
  const address = server.address();
  await new Promise((done) => server.close(done));
  return typeof address === "object" && address ? address.port : 0;
}

test("Firefox shows the one file's first screen", { timeout: 180_000 }, async () => {
  const profile = join(scratch, "firefox");
  mkdirSync(profile, { recursive: true });
  const shot = outputPath("kit-firefox.png");
  writeFileSync(shot, await firefoxScreenshot(fileUrl(), profile));
  assert.match(imageFacts(shot), /^PNG 1024 768$/);
  // The first screen is drawn: far from one plain colour.
  const colours = Number(execFileSync("identify", ["-format", "%k", shot]).toString());
  assert.ok(colours > 16, `Firefox's screenshot has ${colours} colours`);
});
