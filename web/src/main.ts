// The browser edition's page: the engine, its pictures and its font loaded, then the simulation
// screen, with the chooser in the menu's place.
import "./page.css";
import { bindChartModule, loadChartFont, type ChartModule } from "./chart";
import { loadEngine } from "./engine/module";
import { pageOptions } from "./options";
import { installKitProbe } from "./files/probe";
import { offerOffline } from "./offline";
import { installProbe } from "./probe/probe";
import { loadSurfaceFont } from "./render/font";
import { loadSprites } from "./render/sprites";
import { RunChooser } from "./screens/RunChooser";
import { SimulationScreen, type RunChoice } from "./screens/SimulationScreen";

async function main(): Promise<void> {
  const [engine, sprites] = await Promise.all([
    loadEngine(),
    loadSprites(),
    loadSurfaceFont(),
    loadChartFont(),
  ]);
  bindChartModule(engine as unknown as ChartModule);
  const options = pageOptions(window.location.search);
  let chooser: RunChooser | null = null;
  let last: RunChoice | null = null;
  const screen = new SimulationScreen(document.body, engine, sprites, () =>
    chooser?.show(last?.exactModel ?? options.exactModel, last?.histogram ?? options.histogram),
  );
  const run = (choice: RunChoice): void => {
    last = choice;
    chooser?.hide();
    screen.run(choice);
  };
  chooser = new RunChooser(screen.stage.overlay, engine, options.view, run);
  installProbe(engine, screen);
  installKitProbe(engine, sprites);
  if (options.mode !== null) {
    run({ ...options, mode: options.mode });
  } else {
    chooser.show(options.exactModel, options.histogram);
  }
  document.body.dataset["ready"] = "true";
  // From the page's opening to its first screen, for the benchmark.
  performance.mark("kinetra-ready");
  offerOffline();
}

void main();
