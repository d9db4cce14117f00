// What the page adds around its screens once it is loaded and shows its first screen: the chart
// bound to the module, the files' and the print layouts' probe for the tests, the mark the
// benchmark reads, and, when served, the app's manifest and the service worker.
import { bindChartModule, type ChartModule } from "./chart";
import type { EngineModule } from "./engine/module";
import { installKitProbe } from "./files/probe";
import { offerOffline } from "./offline";
import type { SpriteAtlas } from "./render/sprites";

export { loadChartFont } from "./chart";

// Before the first screen is drawn, so that its charts can be.
export function bindKit(engine: EngineModule): void {
  bindChartModule(engine as unknown as ChartModule);
}

// Once the first screen shows (body[data-ready]).
export function kitReady(engine: EngineModule, sprites: SpriteAtlas): void {
  installKitProbe(engine, sprites);
  // From the page's opening to its first screen, for the benchmark.
  performance.mark("kinetra-ready");
  offerOffline();
}
