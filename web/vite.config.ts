// The page is built from src/ with the engine's module, sprites and fonts taken from the
// WebAssembly build's web/ folder (KINETRA_WASM_DIR, by default ../build-wasm/web), into one
// file, dist/kinetra.html: its script, styles, WebAssembly, fonts and pictures all inside, so
// that it opens from a disk or a stick with no server and no network. Beside it, for a web
// server, the app's manifest, icon and the service worker that keeps the file for offline use.
import { createHash } from "node:crypto";
import { gzipSync } from "node:zlib";
import { readFileSync } from "node:fs";
import { fileURLToPath } from "node:url";
import { defineConfig, type Plugin } from "vite";

const here = fileURLToPath(new URL(".", import.meta.url));
const moduleFolder =
  process.env["KINETRA_WASM_DIR"] ?? fileURLToPath(new URL("../build-wasm/web", import.meta.url));
const iconFile = fileURLToPath(
  new URL("../packaging/example.kinetra.Kinetra.svg", import.meta.url),
);

export const singleFileName = "kinetra.html";

// A script's text inside <script>: nothing in it may close the element.
function scriptText(code: string): string {
  return code.replace(/<\/(script)/gi, "<\\/$1").replace(/<!--/g, "<\\!--");
}

function serviceWorker(version: string): string {
  return `// Keeps the one file (and the app's manifest and icon) for use without a network.
const cacheName = "kinetra-${version}";
const files = ["./${singleFileName}", "./kinetra.webmanifest", "./kinetra.svg"];
self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files)).then(() => self.skipWaiting()));
});
self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names.filter((n) => n !== cacheName).map((n) => caches.delete(n))))
      .then(() => self.clients.claim()),
  );
});
self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) return;
  // The page is answered from the cache whatever its address's query; the folder's own address
  // is the page too.
  const page = request.mode === "navigate";
  event.respondWith(
    caches.open(cacheName).then((cache) =>
      cache.match(page ? "./${singleFileName}" : request, { ignoreSearch: page })
        .then((kept) => kept || fetch(request)),
    ),
  );
});
`;
}

const manifest = {
  name: "KINETRA",
  short_name: "KINETRA",
  lang: "pl",
  start_url: `./${singleFileName}`,
  scope: "./",
  display: "fullscreen",
  background_color: "#000000",
  theme_color: "#000000",
  icons: [{ src: "./kinetra.svg", sizes: "any", type: "image/svg+xml", purpose: "any" }],
};

// Fonts go into the page gzipped (a data URL of type application/gzip), near half their size:
// less for the browser to read before the first screen; the page unpacks them (fontBytes.ts).
function gzippedFonts(): Plugin {
  return {
    name: "kinetra-gzipped-fonts",
    enforce: "pre",
    load(id) {
      if (!id.endsWith(".ttf")) return null;
      const packed = gzipSync(readFileSync(id), { level: 9 }).toString("base64");
      return `export default "data:application/gzip;base64,${packed}";`;
    },
  };
}

// Puts the bundle's script and styles into the page, renames it and writes the files a server
// needs beside it.
function oneFile(): Plugin {
  return {
    name: "kinetra-one-file",
    enforce: "post",
    generateBundle(_options, bundle) {
      const page = bundle["index.html"];
      if (!page || page.type !== "asset") throw new Error("no index.html in the bundle");
      let html = String(page.source);
      for (const [name, item] of Object.entries(bundle)) {
        const escaped = name.replace(/[.*+?^${}()|[\]\\]/g, "\\$&");
        if (item.type === "chunk") {
          const tag = new RegExp(`<script type="module"[^>]*src="\\./${escaped}"[^>]*></script>`);
          if (!tag.test(html)) throw new Error(`no script tag for ${name}`);
          html = html.replace(tag, () => `<script type="module">${scriptText(item.code)}</script>`);
          delete bundle[name];
        } else if (name.endsWith(".css")) {
          const tag = new RegExp(`<link rel="stylesheet"[^>]*href="\\./${escaped}"[^>]*>`);
          html = html.replace(tag, () => `<style>${String(item.source)}</style>`);
          delete bundle[name];
        }
      }
      const left = Object.keys(bundle).filter((name) => name !== "index.html");
      if (left.length > 0) throw new Error(`not inlined into the page: ${left.join(", ")}`);
      delete bundle["index.html"];
      this.emitFile({ type: "asset", fileName: singleFileName, source: html });
      const version = createHash("sha256").update(html).digest("hex").slice(0, 16);
      this.emitFile({ type: "asset", fileName: "sw.js", source: serviceWorker(version) });
      this.emitFile({
        type: "asset",
        fileName: "kinetra.webmanifest",
        source: JSON.stringify(manifest, null, 2) + "\n",
      });
      this.emitFile({ type: "asset", fileName: "kinetra.svg", source: readFileSync(iconFile) });
    },
  };
}

export default defineConfig({
  base: "./",
  resolve: { alias: { "@module": moduleFolder } },
  plugins: [gzippedFonts(), oneFile()],
  build: {
    target: "es2022",
    outDir: "dist",
    emptyOutDir: true,
    assetsInlineLimit: 100_000_000,
    chunkSizeWarningLimit: 4096,
    cssCodeSplit: false,
    modulePreload: false,
    rolldownOptions: { output: { codeSplitting: false } },
  },
  server: { fs: { allow: [here, moduleFolder] } },
});
