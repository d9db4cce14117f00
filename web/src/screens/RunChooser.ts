// The page's way into a run until the menus come: the seven modes by their titles, the exact
// model and the speed histogram, all worded by the engine's own texts. The view options come
// from the address (options.ts).
import type { EngineModule, ViewOptions } from "../engine/module";
import type { RunChoice } from "./SimulationScreen";

export class RunChooser {
  readonly element: HTMLFormElement;
  private readonly exact: HTMLInputElement;
  private readonly histogram: HTMLInputElement;

  constructor(
    overlay: HTMLElement,
    engine: EngineModule,
    view: ViewOptions,
    choose: (choice: RunChoice) => void,
  ) {
    this.element = document.createElement("form");
    this.element.className = "chooser";
    this.element.addEventListener("submit", (event) => event.preventDefault());
    const list = document.createElement("ol");
    for (let mode = 1; mode <= 7; mode++) {
      const item = document.createElement("li");
      const button = document.createElement("button");
      button.type = "button";
      button.dataset["mode"] = String(mode);
      button.textContent = engine.modeTitle(mode);
      button.addEventListener("click", () =>
        choose({
          mode,
          exactModel: this.exact.checked,
          histogram: this.histogram.checked,
          view,
        }),
      );
      item.append(button);
      list.append(item);
    }
    this.exact = checkbox("exact");
    this.histogram = checkbox("histogram");
    this.element.append(
      list,
      labelled(this.exact, engine.exactModelText()),
      labelled(this.histogram, engine.speedHistogramText()),
    );
    overlay.append(this.element);
  }

  show(exactModel: boolean, histogram: boolean): void {
    this.exact.checked = exactModel;
    this.histogram.checked = histogram;
    this.element.hidden = false;
    this.element.querySelector("button")?.focus();
  }

  hide(): void {
    this.element.hidden = true;
  }
}

function checkbox(name: string): HTMLInputElement {
  const box = document.createElement("input");
  box.type = "checkbox";
  box.name = name;
  return box;
}

function labelled(box: HTMLInputElement, text: string): HTMLLabelElement {
  const label = document.createElement("label");
  label.append(box, " ", text);
  return label;
}
