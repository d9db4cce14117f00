// What the browser tests share: Debian's Chromium driven by playwright-core, the built page
// served from dist/, and the desktop's side of the parity runs.
import { execFileSync } from "node:child_process";
import { createReadStream, existsSync, mkdirSync, mkdtempSync, rmSync, statSync } from "node:fs";
import { createServer, type Server } from "node:http";
import { tmpdir } from "node:os";
import { extname, join, normalize, resolve } from "node:path";
import { chromium, type BrowserContext, type Page } from "playwright-core";

export const webFolder = resolve(import.meta.dirname, "..", "..");
export const nativeBuild = process.env["KINETRA_NATIVE_BUILD"] ?? resolve(webFolder, "..", "build");
export const outputFolder = resolve(webFolder, "build-tests", "output");

export const chromiumPath = process.env["KINETRA_CHROMIUM"] ?? "/usr/bin/chromium";

export const chromiumArgs = [
  "--headless",
  "--no-sandbox",
  "--disable-gpu",
  "--disable-quic",
  "--no-first-run",
  "--disable-background-networking",
  "--disable-component-update",
  "--disable-sync",
];

export interface Harness {
  url: string;
  // A browser of the given device pixel ratio (one each, started on first use).
  context(scale?: number): Promise<BrowserContext>;
  close(): Promise<void>;
}

const types: Record<string, string> = {
  ".html": "text/html",
  ".js": "text/javascript",
  ".css": "text/css",
  ".png": "image/png",
  ".ttf": "font/ttf",
  ".json": "application/json",
  ".webmanifest": "application/manifest+json",
  ".svg": "image/svg+xml",
};

// Serves dist/ on a free local port, the one file as the folder's own page.
export async function serve(folder: string): Promise<Server> {
  const server = createServer((request, response) => {
    const path = new URL(request.url ?? "/", "http://localhost").pathname;
    const file = normalize(join(folder, path === "/" ? "kinetra.html" : path));
    if (!file.startsWith(folder) || !existsSync(file) || !statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { "content-type": types[extname(file)] ?? "application/octet-stream" });
    createReadStream(file).pipe(response);
  });
  await new Promise<void>((done) => server.listen(0, "127.0.0.1", done));
  return server;
}

export async function startHarness(): Promise<Harness> {
  const dist = resolve(webFolder, "dist");
  if (!existsSync(join(dist, "kinetra.html")))
    throw new Error(`no built page in ${dist}: npm run build`);
  const server = await serve(dist);
  const address = server.address();
  const port = typeof address === "object" && address ? address.port : 0;
  const contexts = new Map<number, { context: BrowserContext; profile: string }>();
  return {
    url: `http://127.0.0.1:${port}/`,
    async context(scale = 1) {
      const open = contexts.get(scale);
      if (open) return open.context;
      // A fresh profile each time: nothing carried over from another run.
      const profile = mkdtempSync(join(tmpdir(), "kinetra-chromium-"));
      const context = await chromium.launchPersistentContext(profile, {
        executablePath: chromiumPath,
        headless: true,
        viewport: { width: 1024, height: 768 },
        deviceScaleFactor: scale,
        args: chromiumArgs,
      });
      contexts.set(scale, { context, profile });
      return context;
    },
    async close() {
      for (const { context, profile } of contexts.values()) {
        await context.close();
        rmSync(profile, { recursive: true, force: true });
      }
      await new Promise((done) => server.close(done));
    },
  };
}

// A page of the stage's own size at one device pixel per pixel, so that the canvas holds the
// surface pixel for pixel; failing on any error the page reports.
export async function openPage(harness: Harness, query = "", scale = 1): Promise<Page> {
  const page = await (await harness.context(scale)).newPage();
  const errors: string[] = [];
  page.on("pageerror", (error) => errors.push(error.message));
  page.on("console", (message) => {
    if (message.type() === "error") errors.push(message.text());
  });
  (page as Page & { errors: string[] }).errors = errors;
  await page.goto(harness.url + query);
  await page.waitForFunction(() => document.body.dataset["ready"] === "true");
  return page;
}

export function pageErrors(page: Page): string[] {
  return (page as Page & { errors?: string[] }).errors ?? [];
}

export function outputPath(name: string): string {
  mkdirSync(outputFolder, { recursive: true });
  return join(outputFolder, name);
}

// The desktop's fingerprints of the parity runs, per tick (web/host/ParityRuns.cpp); with a
// folder, the desktop's picture of each run's last frame is written there as <run>.png.
export interface NativeRun {
  name: string;
  started: boolean;
  ticks: [string, string, number][];
}

export function nativeParity(pictures?: string): NativeRun[] {
  const tool = join(nativeBuild, "web", "host", "kinetra_parity");
  const args = pictures ? ["--pictures", pictures] : [];
  const text = execFileSync(tool, args, {
    env: { ...process.env, QT_QPA_PLATFORM: "offscreen" },
    maxBuffer: 64 * 1024 * 1024,
  });
  return JSON.parse(text.toString()) as NativeRun[];
}
