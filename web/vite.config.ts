// The page is built from src/ with the engine's module, sprites and font taken from the
// WebAssembly build's web/ folder (KINETRA_WASM_DIR, by default ../build-wasm/web); everything
// is inlined into the page's files, nothing is fetched from elsewhere.
import { fileURLToPath } from "node:url";
import { defineConfig } from "vite";

const here = fileURLToPath(new URL(".", import.meta.url));
const moduleFolder =
  process.env["KINETRA_WASM_DIR"] ?? fileURLToPath(new URL("../build-wasm/web", import.meta.url));

export default defineConfig({
  base: "./",
  resolve: { alias: { "@module": moduleFolder } },
  build: {
    target: "es2022",
    outDir: "dist",
    emptyOutDir: true,
    assetsInlineLimit: 100_000_000,
    chunkSizeWarningLimit: 4096,
  },
  server: { fs: { allow: [here, moduleFolder] } },
});
