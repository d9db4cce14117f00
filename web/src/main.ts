// The browser edition's page: the engine, its pictures and its font loaded, then the simulation
// screen, with the chooser in the menu's place.
import "./page.css";
import { loadEngine } from "./engine/module";
import { pageOptions } from "./options";
import { bindKit, kitReady, loadChartFont } from "./kit";
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
  bindKit(engine);
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
  if (options.mode !== null) {
    run({ ...options, mode: options.mode });
  } else {
    chooser.show(options.exactModel, options.histogram);
  }
  document.body.dataset["ready"] = "true";
  kitReady(engine, sprites);
}

void main();
