// The browser edition's page: the module, its pictures and its font loaded, then the program on
// its stage, at the main menu or in the mode the address names.
import "./page.css";
import type { CoreModule } from "./engine/core";
import { loadEngine } from "./engine/module";
import { pageOptions } from "./options";
import { bindKit, kitReady, loadChartFont } from "./kit";
import { installProbe } from "./probe/probe";
import { loadSurfaceFont } from "./render/font";
import { loadSprites } from "./render/sprites";
import { SimulationScreen } from "./screens/SimulationScreen";

async function main(): Promise<void> {
  const [engine, sprites] = await Promise.all([
    loadEngine(),
    loadSprites(),
    loadSurfaceFont(),
    loadChartFont(),
  ]);
  bindKit(engine);
  const core = engine as CoreModule;
  const options = pageOptions(window.location.search);
  const screen = new SimulationScreen(document.body, core, sprites);
  installProbe(engine, screen);
  const language = new URLSearchParams(window.location.search).get("lang");
  if (language) screen.page.setLanguage(language);
  if (options.mode !== null) screen.run({ ...options, mode: options.mode });
  else
    screen.page.setView(
      options.view.velocityLines,
      options.view.largeView,
      options.view.labelUndetermined,
    );
  document.body.dataset["ready"] = "true";
  kitReady(engine, sprites);
}

void main();
