// The program's screens around the simulation, as HTML over the stage: the main menu, its topic
// pages and exercise panes, the initial-conditions panel, the experiment panel, the tool
// buttons, the study table and the free-path table with their charts, the Units and About
// dialogs and the messages. Everything shown comes from the core's Screen and texts; every
// control forwards to the core.
import {
  Pane,
  Phase,
  Setting,
  withCells,
  type Catalogue,
  type CoreModule,
  type LanguageInfo,
  type Screen,
  type SettingRange,
  type Texts,
  type ToldMessage,
} from "../engine/core";
import { drawChart, type ChartInput } from "../chart";
import * as files from "../files";
import type { FrameSource } from "../files";
import * as print from "../print";
import type { TableColumns } from "../print";
import type { SpriteAtlas } from "../render/sprites";
import type { RunControl } from "../run/RunControl";
import { button, el, setText, show, type Box } from "./dom";
import { picture, setPicture } from "./pictures";

const kHyperbola = 1;
// The modes whose printed page redraws the vessel; the others print the screen's picture.
const kModeDiffusion = 1;
const kModeFreePath = 2;
// Each mode's print job, by the page's text names.
const jobTitles: Record<number, string> = {
  1: "page.diffusionJob",
  2: "page.freePathJob",
  3: "page.diffusionJob",
  4: "page.wallJob",
  6: "page.heatJob",
  7: "page.pressureJob",
};
const rowCount = 17;

// Menu buttons in the desktop's order: the six topics by TopicId.
const topicOrder = [1, 0, 2, 3, 4, 5];
const menuGlyph = ["BitBtn8", "BitBtn11", "BitBtn9", "BitBtn12", "BitBtn16", "BitBtn17"];
const topicIcon = ["Panel3", "Panel4", "Panel6", "Panel7", "Panel9", "Panel10"];
const menuCaption = [
  "menuDiffusion",
  "menuFreePath",
  "menuWalls",
  "menuTemperature",
  "menuPressure",
  "menuHeat",
];

type Label = [HTMLElement, () => string];

// A measurement table: 17 rows of two cells, a row's note for a rejected character.
class MeasurementTable {
  readonly element: HTMLDivElement;
  readonly cells: HTMLInputElement[] = [];
  private readonly note: HTMLDivElement;

  constructor(
    private readonly page: ProgramPage,
    name: string,
    numberX: number,
    leftX: number,
    rightX: number,
    rowTop: (row: number) => number,
    leftWidth: number,
    rightWidth: number,
  ) {
    this.element = el("div", "table");
    this.element.dataset["table"] = name;
    for (let row = 1; row <= rowCount; row++) {
      const number = el("span", "row-number", [numberX, rowTop(row) + 3, leftX - 5 - numberX, 0]);
      number.textContent = `${row}.`;
      this.element.append(number);
      for (const [column, x, width] of [
        ["x", leftX, leftWidth],
        ["y", rightX, rightWidth],
      ] as const) {
        const cell = el("input", "cell", [x, rowTop(row), width, 21]);
        cell.type = "text";
        cell.inputMode = "decimal";
        cell.autocomplete = "off";
        cell.name = `${name}-${row}-${column}`;
        cell.dataset["row"] = String(row);
        cell.addEventListener("input", () => this.changed(cell));
        this.cells.push(cell);
        this.element.append(cell);
      }
    }
    this.note = el("div", "cell-note");
    this.note.setAttribute("role", "status");
    this.note.hidden = true;
    this.element.append(this.note);
  }

  texts(): string[] {
    return this.cells.map((c) => c.value);
  }

  clear(): void {
    for (const cell of this.cells) cell.value = "";
    this.note.hidden = true;
  }

  private changed(cell: HTMLInputElement): void {
    const core = this.page.core;
    const separator = this.page.decimal;
    const typed = cell.value;
    const note = core.cellNote(typed, separator, this.page.language);
    const settled = core.settleCell(typed, separator);
    if (settled !== typed) cell.value = settled;
    this.note.textContent = note;
    this.note.hidden = note === "";
    if (note) {
      this.note.style.left = `${cell.offsetLeft + cell.offsetWidth + 6}px`;
      this.note.style.top = `${cell.offsetTop}px`;
    }
  }
}

export class ProgramPage {
  texts: Texts;
  catalogue: Catalogue;
  language = "pl";
  decimal = ",";
  readonly languages: LanguageInfo[];
  private readonly ranges: SettingRange[];
  private readonly labels: Label[] = [];
  private shown: Screen;

  private readonly menu: HTMLElement;
  private readonly topicPanels: HTMLElement[] = [];
  private readonly panes: HTMLElement[] = [];
  private readonly setUp: HTMLElement;
  private readonly setUpBoxes = new Map<Setting, HTMLInputElement>();
  private readonly collisionRow: HTMLElement[] = [];
  private readonly startButton: HTMLButtonElement;
  private readonly closeButton: HTMLButtonElement;
  private readonly cancelButton: HTMLButtonElement;
  private readonly sizeChoices: HTMLInputElement[] = [];
  private readonly models: {
    exact: HTMLInputElement;
    described: HTMLInputElement;
    histogram: HTMLInputElement;
  }[] = [];
  private readonly experiment: HTMLElement;
  private readonly bars = new Map<Setting, HTMLInputElement>();
  private readonly experimentCaptions: HTMLElement[] = [];
  private readonly heatModel: HTMLElement;
  private readonly experimentModel: HTMLElement;
  private readonly tools: HTMLElement;
  private readonly pauseButton: HTMLButtonElement;
  private readonly parametersButton: HTMLButtonElement;
  private readonly printButton: HTMLButtonElement;
  private readonly stopNote: HTMLElement;
  private readonly placingNote: HTMLElement;
  private readonly studyPanel: HTMLElement;
  private readonly showTable: HTMLButtonElement;
  private readonly studyInstruction: HTMLElement;
  private readonly exactNote: HTMLElement;
  readonly studyTable: MeasurementTable;
  readonly freePathTable: MeasurementTable;
  private readonly studyChart: HTMLCanvasElement;
  private readonly freePathChart: HTMLCanvasElement;
  private readonly freePathOptions: HTMLInputElement[] = [];
  private readonly heatBoxes: HTMLInputElement[] = [];
  private readonly viewBoxes: HTMLInputElement[] = [];
  private readonly dialog: HTMLDialogElement;
  private studyChartInput: ChartInput | null = null;
  private freePathChartInput: ChartInput | null = null;
  private whitePaper: HTMLInputElement | null = null;
  private studyChoices = 0;
  private messageQueue: ToldMessage[] = [];

  constructor(
    private readonly overlay: HTMLElement,
    readonly core: CoreModule,
    readonly control: RunControl,
    private readonly sprites: SpriteAtlas,
  ) {
    this.languages = core.languages();
    this.ranges = core.settingRanges();
    this.texts = core.textsIn(this.language);
    this.catalogue = core.catalogueIn(this.language);
    this.shown = control.screen;

    this.menu = this.buildMenu();
    ({
      panel: this.setUp,
      start: this.startButton,
      close: this.closeButton,
      cancel: this.cancelButton,
    } = this.buildSetUp());
    ({ panel: this.experiment, model: this.experimentModel } = this.buildExperiment());
    this.heatModel = this.modelChoice("heat-model", [784, 128, 201, 52], true);
    ({
      tools: this.tools,
      pause: this.pauseButton,
      parameters: this.parametersButton,
      print: this.printButton,
    } = this.buildTools());
    this.stopNote = el("div", "stop-note", [24, 690, 700, 0]);
    this.stopNote.setAttribute("role", "status");
    this.placingNote = el("div", "placing-note", [312, 360, 400, 0]);
    this.placingNote.setAttribute("role", "status");
    this.text(this.placingNote, () => this.texts["run.placingNote"]!);
    this.studyTable = new MeasurementTable(
      this,
      "study",
      4,
      32,
      112,
      (r) => 220 + 24 * (r - 1),
      73,
      169,
    );
    this.freePathTable = new MeasurementTable(
      this,
      "free-path",
      14,
      40,
      120,
      (r) => 364 + 24 * (r - 1) - 320,
      73,
      169,
    );
    this.studyChart = el("canvas", "chart", [320, 220, 318, 225]);
    this.freePathChart = el("canvas", "chart", [312, 44, 318, 225]);
    ({
      panel: this.studyPanel,
      show: this.showTable,
      instruction: this.studyInstruction,
      note: this.exactNote,
    } = this.buildStudyPanel());
    this.buildTopics();
    this.dialog = el("dialog", "dialog");
    this.dialog.addEventListener("close", () => this.nextMessage());
    overlay.append(
      this.menu,
      this.setUp,
      this.experiment,
      this.heatModel,
      this.tools,
      this.stopNote,
      this.placingNote,
      this.showTable,
      this.studyPanel,
      this.dialog,
    );
    this.retranslate();
    this.update(this.shown, []);
    // Every language's letters drawn once at the start, so that no switch of language waits
    // for the system's fonts of another script (over 100 ms in the middle of a lesson).
    const warm = el("span", "font-warm");
    warm.setAttribute("aria-hidden", "true");
    warm.textContent = this.languages.map((l) => l.name).join(" ");
    overlay.append(warm);
    // Leaving the page loses what the pupil typed into the tables: the browser asks first.
    window.addEventListener("beforeunload", (event) => {
      const cells = [...this.studyTable.texts(), ...this.freePathTable.texts()];
      if (withCells(core, cells, (list) => core.anyCellTyped(list))) event.preventDefault();
    });
  }

  // ---- building

  private text(e: HTMLElement, get: () => string): HTMLElement {
    this.labels.push([e, get]);
    return e;
  }

  private named(e: HTMLElement, name: string): HTMLElement {
    return this.text(e, () => this.texts[name] ?? "");
  }

  private act(event: (p: RunControl["program"]) => void): void {
    this.control.act(event);
  }

  private buildMenu(): HTMLElement {
    const menu = el("section", "menu panel", [8, 8, 993, 713]);
    menu.setAttribute("aria-label", "KINETRA");
    const banner = el("h1", "banner", [168, 48, 712, 56]);
    const bannerText = el("span", "visually-hidden");
    this.text(bannerText, () => this.texts["product"]!);
    banner.append(picture("banner"), bannerText);
    menu.append(banner);
    const nav = el("nav", "menu-buttons");
    let y = 144;
    for (const topic of topicOrder) {
      const b = button("menu-button", [16, y, 249, 33], () =>
        this.act((p) => p.chooseTopic(topic)),
      );
      b.dataset["topic"] = String(topic);
      b.append(picture(`menu-${menuGlyph[topic]}`), this.named(el("span"), menuCaption[topic]!));
      nav.append(b);
      y += 40;
    }
    const units = button("menu-button", [16, y, 249, 33], () => this.showUnits());
    units.dataset["menu"] = "units";
    units.append(picture("menu-BitBtn26"), this.named(el("span"), "menuUnits"));
    y += 40;
    const other = el("a", "menu-button link-button", [16, y, 249, 33]);
    other.href = this.texts["webUrl"]!;
    other.target = "_blank";
    other.rel = "noopener";
    other.append(picture("menu-BitBtn10"), this.named(el("span"), "menuOtherPrograms"));
    y += 40;
    const about = button("menu-button", [16, y, 249, 33], () => this.showAbout());
    about.dataset["menu"] = "about";
    about.append(picture("menu-BitBtn4"), this.named(el("span"), "menuInformation"));
    y += 40;
    const exit = button("menu-button", [16, y, 249, 33], () => window.close());
    exit.append(picture("menu-BitBtn2"), this.named(el("span"), "menuExit"));
    nav.append(units, other, about, exit);

    const view = el("fieldset", "view-group", [16, 552, 249, 100]);
    const legend = el("legend");
    this.named(legend, "page.view");
    view.append(legend);
    const choices: [string, boolean][] = [
      ["page.velocityLines", true],
      ["page.largeView", false],
      ["page.labelUndetermined", false],
    ];
    for (const [name, checked] of choices) {
      const box = el("input");
      box.type = "checkbox";
      box.checked = checked;
      box.name = name;
      box.addEventListener("change", () => this.viewChanged());
      const label = el("label");
      const caption = el("span");
      this.named(caption, name);
      label.append(box, caption);
      view.append(label);
      this.viewBoxes.push(box);
    }
    // Print on white: the page's own choice, read when "Drukuj" prints the screen's picture.
    const white = el("input");
    white.type = "checkbox";
    white.checked = true;
    white.name = "page.whitePaper";
    const whiteLabel = el("label");
    whiteLabel.append(white, this.named(el("span"), "page.whitePaper"));
    this.titles.push([whiteLabel, "page.whitePaperHint"]);
    view.append(whiteLabel);
    this.whitePaper = white;
    // The languages, each by its own name, so that a pupil finds theirs whatever the page speaks.
    const language = el("select", "menu-button language", [16, 664, 249, 33]);
    language.name = "language";
    for (const info of this.languages) {
      const option = el("option");
      option.value = info.code;
      option.textContent = info.name;
      language.append(option);
    }
    language.addEventListener("change", () => this.setLanguage(language.value));
    this.languageChoice = language;
    this.text(language, () => "");
    this.labels.pop();
    this.hints.push([language, () => this.texts["languageHint"]!]);
    menu.append(nav, view, language);
    return menu;
  }

  viewChanged(): void {
    const [lines, large, labels] = this.viewBoxes.map((b) => b.checked);
    this.act((p) => p.viewChosen(lines!, large!, labels!));
  }

  setView(lines: boolean, large: boolean, labels: boolean): void {
    [lines, large, labels].forEach((v, k) => (this.viewBoxes[k]!.checked = v));
    this.viewChanged();
  }

  private buildTopics(): void {
    for (const topic of this.catalogue.topics) {
      const panel = el("section", "topic panel", [280, 144, 689, 545]);
      panel.dataset["topic"] = String(topic.id);
      const title = el("h2", "topic-title");
      const titleText = el("span");
      this.text(titleText, () => this.catalogue.topics[topic.id]!.title);
      title.append(picture(`topic-${topicIcon[topic.id]}`), titleText);
      const intro = el("p", "memo topic-intro");
      this.text(intro, () => this.catalogue.topics[topic.id]!.introduction);
      const links = el("div", "links");
      const heading = el("h3", "exercises-heading");
      this.named(heading, "exercises");
      links.append(heading);
      const list = el("ul");
      this.catalogue.exercises.forEach((exercise, index) => {
        if (exercise.topic !== topic.id) return;
        const item = el("li");
        const link = button("exercise-link", undefined, () =>
          this.act((p) => p.chooseExercise(index)),
        );
        link.dataset["exercise"] = exercise.name;
        this.text(link, () => {
          const e = this.catalogue.exercises[index]!;
          return e.linkContinued ? `${e.link} ${e.linkContinued}` : e.link;
        });
        item.append(link);
        list.append(item);
      });
      links.append(list);
      const panes = el("div", "panes");
      panel.append(title, intro, links, panes);
      this.topicPanels[topic.id] = panel;
      this.menu.append(panel);
    }
    this.buildPanes();
  }

  private pane(id: Pane, topic: number, title: () => string): HTMLElement {
    const pane = el("article", "pane");
    pane.dataset["pane"] = String(id);
    const heading = el("h3", "pane-title");
    this.text(heading, title);
    pane.append(heading);
    this.topicPanels[topic]!.querySelector(".panes")!.append(pane);
    this.panes[id] = pane;
    return pane;
  }

  private memo(parent: HTMLElement, name: string): HTMLElement {
    const p = el("p", "memo");
    this.named(p, name);
    parent.append(p);
    return p;
  }

  private runButton(parent: HTMLElement, name: string, pane: Pane): HTMLButtonElement {
    const b = button("run-button", undefined, () => this.act((p) => p.run(pane)));
    b.dataset["run"] = String(pane);
    this.named(b, name);
    parent.append(b);
    return b;
  }

  private keyGuide(parent: HTMLElement, heading: string, opening: string): void {
    const guide = el("div", "key-guide");
    const h = el("h4");
    this.named(h, heading);
    const list = el("ul");
    const rows: (() => string)[] = [
      () => `${this.texts["keyRestartLine1"]} ${this.texts["keyRestartLine2"]}`,
      () => `${this.texts[opening]}${this.texts["keyParametersRest"]}`,
      () => this.texts["keyPause"]!,
      () => this.texts["keyPrint"]!,
      () => this.texts["keyExit"]!,
    ];
    for (const row of rows) {
      const item = el("li");
      this.text(item, row);
      list.append(item);
    }
    guide.append(h, list);
    parent.append(guide);
  }

  private buildPanes(): void {
    const t = (name: string) => () => this.texts[name]!;
    let p = this.pane(Pane.DiffusionIllustration, 0, t("diffusionPaneTitle"));
    const vessels = el("div", "pictured");
    for (const [name, memo] of [
      ["unmixed", "memo3"],
      ["mixed", "memo4"],
    ] as const) {
      const text = el("p", "memo narrow");
      this.named(text, memo);
      vessels.append(picture(name), text);
    }
    p.append(vessels);
    this.runButton(p, "runSimulation", Pane.DiffusionIllustration);
    this.keyGuide(p, "keyHeading", "keyParametersOpeningPlain");

    p = this.pane(Pane.DiffusionChart, 0, t("diffusionChartPaneTitle"));
    this.memo(p, "memo20");
    this.memo(p, "memo22");
    this.runButton(p, "run", Pane.DiffusionChart);
    this.keyGuide(p, "keyHeadingNoAccents", "keyParametersOpeningPlain");

    p = this.pane(Pane.FreePathIllustration, 1, t("freePathPaneTitle"));
    const freePath = el("div", "pictured");
    const memo23 = el("p", "memo");
    this.named(memo23, "memo23");
    freePath.append(picture("free-path"), memo23);
    p.append(freePath);
    this.runButton(p, "runSimulation", Pane.FreePathIllustration);
    this.keyGuide(p, "keyHeading", "keyParametersOpening");

    p = this.pane(Pane.FreePathStudy, 1, t("freePathStudyTitle"));
    this.memo(p, "memo11");
    this.memo(p, "memo19");
    const setUp = button("step-button", undefined, () => this.act((q) => q.showSetUp()));
    setUp.dataset["step"] = "set-up";
    this.named(setUp, "setInitialConditions");
    p.append(setUp);
    this.memo(p, "memo21");
    this.runButton(p, "runSimulation", Pane.FreePathStudy);
    this.memo(p, "memo18");
    const area = el("div", "free-path-area");
    const headings: [string, Box][] = [
      ["page.freePathX1", [40, 8, 0, 0]],
      ["page.freePathX2", [40, 24, 0, 0]],
      ["page.freePathY1", [120, 8, 0, 0]],
      ["page.freePathY2", [120, 24, 0, 0]],
      ["page.freePathChart1", [312, 8, 0, 0]],
      ["page.freePathChart2", [312, 24, 0, 0]],
    ];
    for (const [name, box] of headings) area.append(this.named(el("span", "heading", box), name));
    const run = button("run-button", [312, 316, 318, 33], () =>
      this.act((q) => q.run(Pane.FreePathStudy)),
    );
    this.named(run, "runSimulation");
    const draw = button("", [312, 277, 155, 30], () => this.drawFreePathChart());
    draw.dataset["draw"] = "free-path";
    this.named(draw, "study.drawChart");
    const print = button("", [475, 277, 155, 30], () => void this.printTable("free-path"));
    print.dataset["print"] = "free-path";
    this.named(print, "study.printTable");
    const options = el("fieldset", "options", [312, 356, 318, 96]);
    const legend = el("legend");
    this.named(legend, "options");
    options.append(legend);
    for (const name of ["scaleFromZero", "stopAfterCollisions", "drawCurve"]) {
      const box = el("input");
      box.type = "checkbox";
      box.checked = true;
      box.name = name;
      const label = el("label");
      label.append(box, this.named(el("span"), name));
      options.append(label);
      this.freePathOptions.push(box);
    }
    this.freePathOptions[1]!.addEventListener("change", () =>
      this.act((q) =>
        q.settingChosen(Setting.StopAtLimit, this.freePathOptions[1]!.checked ? 1 : 0),
      ),
    );
    const clear = this.clearButton(this.freePathTable, [40, 364 + 24 * 17 - 320 + 4, 249, 26]);
    // Under the options, in the columns of the draw and print buttons.
    const saves = this.saveButtons("free-path", [312, 458, 155, 30], [475, 458, 155, 30]);
    area.append(
      this.freePathTable.element,
      this.freePathChart,
      draw,
      print,
      run,
      options,
      clear,
      ...saves,
    );
    p.append(area);

    p = this.pane(Pane.WallCollisions, 2, t("wallPaneTitle"));
    this.memo(p, "memo44");
    this.runButton(p, "run", Pane.WallCollisions);
    this.memo(p, "memo45");

    p = this.pane(Pane.TemperatureIntro, 3, t("temperaturePaneTitle"));
    this.memo(p, "memo49");
    this.runButton(p, "run", Pane.TemperatureIntro);
    this.memo(p, "memo50");

    for (const [pane, topic] of [
      [Pane.TemperatureStudy, 3],
      [Pane.PressureStudy, 4],
    ] as const) {
      p = this.pane(pane, topic, () => this.currentStudy()?.title ?? "");
      const description = el("p", "memo");
      this.text(description, () => this.currentStudy()?.description ?? "");
      p.append(description);
      this.memo(p, "runSimulationMemo");
      this.runButton(p, "runSimulation", pane);
    }

    p = this.pane(Pane.PressureIntro, 4, t("pressurePaneTitle"));
    this.memo(p, "memo60");
    this.runButton(p, "run", Pane.PressureIntro);
    this.memo(p, "memo61");

    p = this.pane(Pane.Heat, 5, t("heatPaneTitle"));
    this.memo(p, "memo71");
    this.runButton(p, "run", Pane.Heat);
    p.append(this.buildHeatSettings());
  }

  private buildHeatSettings(): HTMLElement {
    const group = el("fieldset", "heat-settings");
    const legend = el("legend");
    this.named(legend, "page.heatSettings");
    group.append(legend);
    const rows: [string, Setting, number][] = [
      ["page.heatMaxSpeed", Setting.MaxSpeed, 10],
      ["page.heatSpeedFactor", Setting.SpeedFactor, 1],
      ["page.heatMass", Setting.ParticleMass, 1],
    ];
    for (const [name, setting, step] of rows) {
      const range = this.ranges[setting]!;
      const box = el("input");
      box.type = "number";
      box.min = String(range.minimum);
      box.max = String(range.maximum);
      box.step = String(step);
      box.value = String(range.start);
      box.name = name;
      box.addEventListener("change", () => this.heatChanged());
      const label = el("label");
      label.append(this.named(el("span"), name), box);
      group.append(label);
      this.heatBoxes.push(box);
    }
    const defaults = button("", undefined, () => {
      this.act((p) => p.heatDefaults());
      rows.forEach(
        ([, setting], k) => (this.heatBoxes[k]!.value = String(this.ranges[setting]!.start)),
      );
    });
    this.named(defaults, "page.heatDefaults");
    const hint = el("p", "hint");
    this.named(hint, "page.heatHint");
    group.append(defaults, hint);
    return group;
  }

  private heatChanged(): void {
    const values = this.heatBoxes.map((box, k) => {
      const setting = [Setting.MaxSpeed, Setting.SpeedFactor, Setting.ParticleMass][k]!;
      const range = this.ranges[setting]!;
      const v = Math.round(Number(box.value));
      const within = Number.isFinite(v)
        ? Math.min(range.maximum, Math.max(range.minimum, v))
        : range.start;
      box.value = String(within);
      return within;
    });
    this.act((p) => p.heatSettingsChanged(values[0]!, values[1]!, values[2]!));
  }

  private clearButton(table: MeasurementTable, box: Box): HTMLButtonElement {
    const b = button("clear-table", box, () => {
      if (window.confirm(this.texts["page.clearQuestion"])) table.clear();
    });
    this.named(b, "page.clearTable");
    return b;
  }

  private modelChoice(name: string, box: Box, compact: boolean): HTMLElement {
    const group = el("fieldset", "model-choice", box);
    group.dataset["model"] = name;
    const legend = el("legend");
    this.named(legend, compact ? "page.model" : "page.collisionModel");
    const radio = (value: string, caption: string, hint: string): HTMLInputElement => {
      const r = el("input");
      r.type = "radio";
      r.name = name;
      r.value = value;
      const label = el("label");
      label.append(r, this.named(el("span"), caption));
      this.titles.push([label, hint]);
      group.append(label);
      r.addEventListener("change", () => this.modelChanged(group));
      return r;
    };
    const described = radio("described", "page.described", "page.describedHint");
    const exact = radio("exact", "page.exact", "page.exactHint");
    const histogram = el("input");
    histogram.type = "checkbox";
    histogram.name = `${name}-histogram`;
    histogram.addEventListener("change", () => this.modelChanged(group));
    const label = el("label");
    label.append(histogram, this.named(el("span"), "page.histogram"));
    this.titles.push([label, "page.histogramHint"]);
    group.append(label);
    this.models.push({ exact, described, histogram });
    group.prepend(legend);
    return group;
  }

  private readonly titles: [HTMLElement, string][] = [];

  private modelChanged(group: HTMLElement): void {
    const exact = group.querySelector<HTMLInputElement>("input[value=exact]")!.checked;
    const histogram = group.querySelector<HTMLInputElement>("input[type=checkbox]")!.checked;
    this.act((p) => p.modelChosen(exact, histogram));
  }

  private spinBox(panel: HTMLElement, setting: Setting, at: [number, number]): HTMLInputElement {
    const box = el("input", "spin", [at[0], at[1], 65, 22]);
    box.type = "text";
    box.inputMode = "numeric";
    box.name = `setting-${setting}`;
    box.addEventListener("input", () => {
      const value = box.value;
      this.act((p) => p.settingTyped(setting, value));
      // A rejected text: the core has put the setting back to its minimum.
      if (this.lastToldError) box.value = String(this.shownValue(setting));
    });
    box.addEventListener("change", () => {
      if (box.value.trim() !== "") return;
      box.value = String(this.shownValue(setting));
    });
    panel.append(box);
    this.setUpBoxes.set(setting, box);
    return box;
  }

  private lastToldError = false;

  private shownValue(setting: Setting): number {
    return this.control.program.value(setting);
  }

  private buildSetUp(): {
    panel: HTMLElement;
    start: HTMLButtonElement;
    close: HTMLButtonElement;
    cancel: HTMLButtonElement;
  } {
    const panel = el("section", "set-up classic", [480, 16, 513, 401]);
    panel.setAttribute("aria-labelledby", "set-up-title");
    const title = el("h2", "panel-title", [56, 20, 440, 0]);
    title.id = "set-up-title";
    this.text(title, () => this.shown.setUpTitle);
    panel.append(title, this.modelChoice("set-up-model", [40, 40, 460, 28], false));
    panel.append(this.named(el("span", "bold", [40, 72, 0, 0]), "page.particleSize"));
    const sizes = el("fieldset", "sizes", [32, 88, 153, 249]);
    for (let k = 1; k <= 9; k++) {
      const r = el("input");
      r.type = "radio";
      r.name = "size";
      r.value = String(k);
      r.addEventListener("change", () => this.act((p) => p.settingChosen(Setting.SizeChoice, k)));
      const label = el("label", "", [16, 24 * k - 8, 120, 20]);
      const dot = el("span", "size-dot");
      const d = this.core.particleSizeOfChoice(k);
      dot.style.width = dot.style.height = `${d}px`;
      label.append(r, dot, ` ${d}`);
      sizes.append(label);
      this.sizeChoices.push(r);
    }
    panel.append(sizes);
    const rows: [string, Setting, [number, number], [number, number], boolean][] = [
      ["page.mixtureCount", Setting.Particles, [216, 80], [360, 112], false],
      ["page.vesselWidth", Setting.VesselWidth, [216, 144], [360, 144], true],
      ["page.vesselHeight", Setting.VesselHeight, [216, 176], [360, 176], true],
      ["page.maxSpeed", Setting.MaxSpeed, [216, 208], [360, 240], true],
    ];
    for (const [name, setting, at, boxAt, units] of rows) {
      const label = el("label", "bold", [at[0], at[1], 0, 0]);
      this.named(label, name);
      const box = this.spinBox(panel, setting, boxAt);
      label.htmlFor = box.id = `setting-${setting}`;
      panel.append(label);
      if (units)
        panel.append(this.named(el("span", "", [432, boxAt[1] + 3, 0, 0]), "page.unitsWord"));
    }
    const limitLabel = el("label", "bold", [216, 272, 0, 0]);
    this.named(limitLabel, "page.collisions");
    const limit = this.spinBox(panel, Setting.CollisionLimit, [360, 296]);
    limitLabel.htmlFor = limit.id = "setting-collisions";
    panel.append(limitLabel);
    this.collisionRow.push(limitLabel, limit);
    const start = button("start-button", [32, 352, 465, 33], () => this.act((p) => p.start()));
    start.dataset["setUp"] = "start";
    this.named(start, "page.start");
    const close = button("start-button", [32, 352, 465, 33], () => this.act((p) => p.closeSetUp()));
    this.named(close, "page.close");
    const cancel = button("", [400, 320, 97, 26], () => this.act((p) => p.returnToRun()));
    this.named(cancel, "page.cancel");
    panel.append(start, close, cancel);
    return { panel, start, close, cancel };
  }

  private buildExperiment(): { panel: HTMLElement; model: HTMLElement } {
    const panel = el("section", "experiment classic", [784, 128, 201, 209]);
    const rows: [string, Setting, number, number][] = [
      ["page.count", Setting.ExperimentParticles, 8, 10],
      ["page.meanSpeed", Setting.SpeedFactor, 56, 1],
      ["page.mass", Setting.ParticleMass, 104, 1],
      ["page.vesselWidth", Setting.VesselSide, 152, 50],
    ];
    rows.forEach(([name, setting, y, step], k) => {
      const caption = el("label", "caption", [16, y, 180, 0]);
      const key = ["count", "meanSpeed", "mass", "side"][k] as keyof Screen["captions"];
      this.text(caption, () => this.shown.captions[key] ?? this.texts[name]!);
      const range = this.ranges[setting]!;
      const bar = el("input", "track", [8, y + 16, 185, 25]);
      bar.type = "range";
      bar.min = String(range.minimum);
      bar.max = String(range.maximum);
      bar.step = String(step);
      bar.value = String(range.start);
      bar.id = `bar-${setting}`;
      caption.htmlFor = bar.id;
      bar.addEventListener("change", () => {
        const v = Number(bar.value);
        this.act((p) => {
          if (setting === Setting.ExperimentParticles) p.particleCountChanged(v);
          else if (setting === Setting.SpeedFactor) p.speedFactorChanged(v);
          else if (setting === Setting.ParticleMass) p.particleMassChanged(v);
          else p.vesselSideChanged(v);
        });
        bar.value = String(this.shownValue(setting));
      });
      this.bars.set(setting, bar);
      this.experimentCaptions.push(caption);
      panel.append(caption, bar);
    });
    const model = this.modelChoice("experiment-model", [784, 341, 201, 52], true);
    this.overlay.append(model);
    return { panel, model };
  }

  private buildTools(): {
    tools: HTMLElement;
    pause: HTMLButtonElement;
    parameters: HTMLButtonElement;
    print: HTMLButtonElement;
  } {
    const tools = el("div", "tools", [752, 64, 240, 33]);
    tools.setAttribute("role", "toolbar");
    const glyphs = ["BitBtn7", "BitBtn6", "BitBtn18", "BitBtn19", "BitBtn1", "SavePicture"];
    const make = (k: number, hint: () => string, click: () => void): HTMLButtonElement => {
      const b = button("tool", [40 * k, 0, 41, 33], click);
      b.append(picture(`tool-${glyphs[k]}`));
      this.hints.push([b, hint]);
      tools.append(b);
      return b;
    };
    make(
      0,
      () => this.texts["page.restart"]!,
      () => this.act((p) => p.restart()),
    ).dataset["tool"] = "restart";
    const pause = make(
      1,
      () =>
        this.shown.offersResume ? this.texts["run.resumeHint"]! : this.texts["run.pauseHint"]!,
      () => this.act((p) => p.pauseOrResume()),
    );
    pause.dataset["tool"] = "pause";
    const parameters = make(
      2,
      () => this.texts["page.parameters"]!,
      () => this.act((p) => p.openParameters()),
    );
    parameters.dataset["tool"] = "parameters";
    const print = make(
      3,
      () => this.texts["page.print"]!,
      () => void this.printRun(),
    );
    print.dataset["tool"] = "print";
    make(
      4,
      () => this.texts["page.exit"]!,
      () => this.act((p) => p.leaveToMenu()),
    ).dataset["tool"] = "exit";
    make(
      5,
      () => this.texts["page.savePicture"]!,
      () => void this.savePicture(),
    ).dataset["tool"] = "save";
    return { tools, pause, parameters, print };
  }

  private readonly hints: [HTMLElement, () => string][] = [];
  private readonly pressureOnly: HTMLElement[] = [];
  private languageChoice: HTMLSelectElement | null = null;

  private buildStudyPanel(): {
    panel: HTMLElement;
    show: HTMLButtonElement;
    instruction: HTMLElement;
    note: HTMLElement;
  } {
    const show = button("", [8, 8, 145, 25], () => this.act((p) => p.showStudyTable()));
    show.dataset["study"] = "show";
    this.named(show, "study.showTable");
    const panel = el("section", "study-panel classic", [8, 8, 689, 713]);
    const pane = el("div", "study-pane", [8, 8, 673, 664]);
    const title = el("h2", "study-title", [16, 12, 640, 0]);
    this.text(title, () => {
      const exercise = this.catalogue.exercises.find((e) => e.study === this.shown.study);
      return exercise ? exercise.link.slice(2) : "";
    });
    const instruction = el("p", "memo instruction", [16, 40, 617, 121]);
    this.text(instruction, () => (this.currentStudy() ?? this.catalogue.studies[0]!).instruction);
    const x1 = el("span", "heading", [24, 180, 0, 0]);
    this.text(x1, () => this.currentStudy()?.headingX1 ?? this.texts["study.defaultX1"]!);
    const x2 = el("span", "heading", [24, 196, 0, 0]);
    this.text(x2, () => this.currentStudy()?.headingX2 ?? this.texts["study.defaultX2"]!);
    // The y heading reads as one line: quantity, multiplier, raised exponent, unit.
    const y = el("span");
    const yHeading = el("span", "heading", [120, 196, 0, 0]);
    this.text(y, () => {
      const s = this.currentStudy();
      if (!s) return this.texts["study.defaultY"]!;
      return s.pressure
        ? this.texts["study.pressureHeading"]!
        : this.texts["study.temperatureHeading"]!;
    });
    const multiplier = el("span");
    this.named(multiplier, "study.multiplier");
    const exponent = el("sup", "exponent");
    this.named(exponent, "study.exponent");
    const unit = el("span");
    this.named(unit, "study.unit");
    yHeading.append(y, " ", multiplier, exponent, " ", unit);
    // The temperature has no power of ten.
    this.pressureOnly.push(multiplier, exponent);
    const c1 = el("span", "heading", [336, 180, 0, 0]);
    this.text(c1, () => this.currentStudy()?.chartTitle1 ?? this.texts["study.defaultChart1"]!);
    const c2 = el("span", "heading", [336, 196, 0, 0]);
    this.text(c2, () => this.currentStudy()?.chartTitle2 ?? this.texts["study.defaultChart2"]!);
    const draw = button("", [320, 452, 168, 26], () => this.drawStudyChart());
    draw.dataset["draw"] = "study";
    this.named(draw, "study.drawChart");
    const print = button("", [496, 452, 142, 26], () => void this.printTable("study"));
    print.dataset["print"] = "study";
    this.named(print, "study.printTable");
    const run = button("run-button", [320, 484, 318, 33], () =>
      this.act((p) => p.hideStudyTable()),
    );
    this.named(run, "study.runSimulation");
    const memo = el("p", "memo", [316, 526, 326, 40]);
    this.named(memo, "study.memo78");
    const note = el("p", "exact-note", [320, 608, 318, 48]);
    this.text(note, () => this.currentStudy()?.exactNote ?? "");
    const clear = this.clearButton(this.studyTable, [32, 630, 250, 24]);
    const [saveTable, saveChart] = this.saveButtons(
      "study",
      [320, 574, 168, 26],
      [496, 574, 142, 26],
    );
    pane.append(
      saveTable,
      saveChart,
      this.studyTable.element,
      title,
      instruction,
      x1,
      x2,
      yHeading,
      c1,
      c2,
      this.studyChart,
      draw,
      print,
      run,
      memo,
      clear,
      note,
    );
    const hide = button("small", [576, 680, 97, 25], () => this.act((p) => p.hideStudyTable()));
    hide.dataset["study"] = "hide";
    this.named(hide, "study.hideTable");
    panel.append(pane, hide);
    return { panel, show, instruction, note };
  }

  private currentStudy(): Catalogue["studies"][number] | undefined {
    return this.shown.study >= 0 ? this.catalogue.studies[this.shown.study] : undefined;
  }

  // ---- charts

  // The table's rows as the core reads its cells, the curve and the options, as the desktop's
  // chart takes them. The options stand in the free-path pane only, yet hold for both tables.
  private chartInput(table: "study" | "free-path"): ChartInput {
    const study = table === "study";
    const cells = (study ? this.studyTable : this.freePathTable).texts();
    const studyMode = this.shown.studyChartMode;
    return {
      rows: cells.map((c) => this.core.cellValue(c)),
      kind: study ? (this.currentStudy()?.curve ?? 0) : kHyperbola,
      mode: study && studyMode !== 0 ? studyMode : this.shown.mode,
      xCaption: study ? (this.currentStudy()?.chartXCaption ?? "") : "",
      scaleFromZero: this.freePathOptions[0]!.checked,
      drawCurve: this.freePathOptions[2]!.checked,
      language: this.language,
    };
  }

  // The study table wants its first two rows; the free-path table any filled row. Says so when
  // it lacks them.
  private tableReady(table: "study" | "free-path"): boolean {
    const rows = this.chartInput(table).rows;
    const ready =
      table === "study"
        ? withCells(this.core, this.studyTable.texts(), (list) => this.core.rowsReady(list))
        : rows.some((v, k) => k % 2 === 0 && v !== -1 && rows[k + 1] !== -1);
    if (!ready)
      this.tell([{ error: false, title: this.texts["product"]!, text: this.texts["fillTable"]! }]);
    return ready;
  }

  private drawStudyChart(): void {
    if (!this.tableReady("study")) return;
    this.studyChartInput = this.chartInput("study");
    this.paintChart(this.studyChart, this.studyChartInput);
  }

  private drawFreePathChart(): void {
    // No check here: an empty table gives an empty chart.
    this.freePathChartInput = this.chartInput("free-path");
    this.paintChart(this.freePathChart, this.freePathChartInput);
  }

  // The one painter of the screen, the files and the paper.
  private paintChart(canvas: HTMLCanvasElement, input: ChartInput): void {
    const width = 318;
    const height = 225;
    const ratio = window.devicePixelRatio || 1;
    canvas.width = Math.round(width * ratio);
    canvas.height = Math.round(height * ratio);
    const context = canvas.getContext("2d");
    if (!context) return;
    context.setTransform(ratio, 0, 0, ratio, 0, 0);
    const plan = drawChart(context, width, height, input);
    canvas.dataset["points"] = String(plan.points.length / 2);
    canvas.dataset["curve"] = String(plan.curve.length / 2);
  }

  // ---- files and paper

  private saveButtons(
    table: "study" | "free-path",
    tableBox: Box,
    chartBox: Box,
  ): [HTMLButtonElement, HTMLButtonElement] {
    const saveTable = button("save-button", tableBox, () => this.saveTable(table));
    saveTable.dataset["saveTable"] = table;
    this.named(saveTable, "page.saveTable");
    this.titles.push([saveTable, "page.saveTableHint"]);
    const saveChart = button("save-button", chartBox, () => this.chooseChartFile(table));
    saveChart.dataset["saveChart"] = table;
    this.named(saveChart, "page.saveChart");
    this.titles.push([saveChart, "page.saveChartHint"]);
    return [saveTable, saveChart];
  }

  // The column headings as the table shows them, a hidden part as an empty text.
  private studyHeadings(): { x: string[]; y: [string, string, string, string] } {
    const s = this.currentStudy();
    const pressure = s?.pressure ?? true;
    const y = !s
      ? this.texts["study.defaultY"]!
      : pressure
        ? this.texts["study.pressureHeading"]!
        : this.texts["study.temperatureHeading"]!;
    return {
      x: [
        s?.headingX1 ?? this.texts["study.defaultX1"]!,
        s?.headingX2 ?? this.texts["study.defaultX2"]!,
      ],
      y: [
        y,
        pressure ? this.texts["study.multiplier"]! : "",
        pressure ? this.texts["study.exponent"]! : "",
        this.texts["study.unit"]!,
      ],
    };
  }

  private saveTable(table: "study" | "free-path"): void {
    if (!this.tableReady(table)) return;
    const rows = this.chartInput(table).rows;
    const name = this.texts["page.tableFile"]!;
    if (table === "study") {
      const h = this.studyHeadings();
      files.saveTableCsv(name, files.oneLineHeading(h.x), files.studyYHeading(...h.y), rows);
    } else {
      const t = this.texts;
      files.saveTableCsv(
        name,
        files.oneLineHeading([t["page.freePathX1"]!, t["page.freePathX2"]!]),
        files.oneLineHeading([t["page.freePathY1"]!, t["page.freePathY2"]!]),
        rows,
      );
    }
  }

  // A PNG picture or a PDF page, as the desktop's save dialog offers them.
  private chooseChartFile(table: "study" | "free-path"): void {
    if (!this.tableReady(table)) return;
    const chart = this.chartInput(table);
    const png = this.texts["page.chartFile"]!;
    const pdf = png.replace(/\.png$/i, "") + ".pdf";
    const [pngCaption, pdfCaption] = this.texts["page.chartFilter"]!.split(";;");
    const body = el("div", "file-choice");
    const choice = (caption: string, kind: string, save: () => Promise<void>): void => {
      const b = button("", undefined, () => {
        this.dialog.close();
        void this.saving(save());
      });
      b.dataset["file"] = kind;
      b.textContent = caption;
      body.append(b);
    };
    choice(pngCaption ?? "PNG", "png", () => files.saveChartPng(png, chart));
    choice(pdfCaption ?? "PDF", "pdf", () => files.saveChartPdf(pdf, chart));
    this.openDialog(this.texts["page.chartDialogTitle"]!, body, this.texts["page.cancel"]!);
  }

  private async saving(work: Promise<void>): Promise<void> {
    try {
      await work;
    } catch (error) {
      this.tell([{ error: true, title: this.texts["product"]!, text: String(error) }]);
    }
  }

  // The run's picture as the buffer holds it now.
  private frame(): FrameSource | null {
    const program = this.control.program;
    if (!program.redraw()) return null;
    return {
      sprites: this.sprites,
      ascent: (points) => this.core.textAscent(points),
      words: program.words().slice(),
      texts: program.texts().slice(),
    };
  }

  private async savePicture(): Promise<void> {
    const frame = this.frame();
    if (frame) await this.saving(files.saveSimulationPng(this.texts["page.pictureFile"]!, frame));
  }

  // The time the print dialog is up counts as paused, and the run goes on afterwards, as on
  // the desktop.
  private async pausedMeanwhile(work: () => Promise<void>): Promise<void> {
    const running = this.shown.running;
    if (running) this.act((p) => p.pauseOrResume());
    try {
      await this.saving(work());
    } finally {
      if (running && !this.shown.running) this.act((p) => p.pauseOrResume());
    }
  }

  // "Drukuj": the diffusion and the free path print their vessel redrawn; the others the
  // screen's picture, on white paper unless the view says otherwise.
  private async printRun(): Promise<void> {
    const mode = this.shown.mode;
    const title = this.texts[jobTitles[mode] ?? ""];
    if (!title) return;
    await this.pausedMeanwhile(async () => {
      if (mode === kModeDiffusion || mode === kModeFreePath) {
        const vmax = this.control.program.value(Setting.MaxSpeed);
        const vessel = this.control.program.vesselPage(vmax, this.language);
        if (vessel) await print.printVessel(title, vessel, this.sprites);
        return;
      }
      const frame = this.frame();
      if (frame) await print.printSimulation(title, frame, this.whitePaper?.checked ?? true);
    });
  }

  // "Drukuj tabelę i wykres": the chart in the upper half of an A4 page, the filled rows
  // below, the study and the date above.
  private async printTable(table: "study" | "free-path"): Promise<void> {
    if (table === "study" && !this.tableReady(table)) return;
    const chart = this.chartInput(table);
    const study = (
      table === "study"
        ? (this.studyPanel.querySelector(".study-title")?.textContent ?? "")
        : this.texts["freePathStudyTitle"]!
    ).trim();
    const title = study ? this.texts["page.tableJob"]! + study : this.texts["page.diffusionJob"]!;
    const today = this.today();
    const heading = study ? `${study}, ${today}` : today;
    let columns: TableColumns | null = null;
    if (chart.mode === kModeFreePath) {
      columns = { x: this.texts["page.printedCount"]!, y: this.texts["page.printedFreePath"]! };
    } else if (chart.mode === 5 || chart.mode === 7) {
      const h = this.studyHeadings();
      const [quantity, multiplier, exponent, unit] = h.y;
      columns = {
        x: `${h.x[0]} ${h.x[1]}`,
        y: multiplier ? `${quantity} ${multiplier}` : quantity,
        yExponent: exponent,
        yUnit: unit,
      };
    }
    await this.saving(print.printTable(title, { chart, columns, heading }));
  }

  // The date as the language writes it ("dd.MM.yyyy").
  private today(): string {
    const d = new Date();
    const two = (n: number): string => String(n).padStart(2, "0");
    return this.texts["page.dateFormat"]!.replace("dd", two(d.getDate()))
      .replace("MM", two(d.getMonth() + 1))
      .replace("yyyy", String(d.getFullYear()));
  }

  // ---- dialogs

  private showUnits(): void {
    const body = el("div", "units");
    for (const line of this.texts.unitsLines)
      body.append(Object.assign(el("p"), { textContent: line }));
    const table = el("table");
    for (const [quantity, meaning] of this.texts.unitsRows) {
      const row = el("tr");
      row.append(
        Object.assign(el("th"), { textContent: quantity }),
        Object.assign(el("td"), { textContent: meaning }),
      );
      table.append(row);
    }
    body.append(table);
    this.openDialog(this.texts["page.unitsTitle"]!, body, this.texts["page.exit"]!);
  }

  private showAbout(): void {
    const body = el("div", "about");
    const product = el("p", "product");
    product.textContent = this.texts["product"]!;
    const authors = el("p");
    authors.textContent = `${this.texts["page.authors"]} ${this.texts.authorNames.join(", ")}`;
    const notice = el("p", "bold");
    notice.textContent = this.texts["notice"]!;
    const version = el("p");
    version.textContent = `${this.texts["page.version"]} · ${this.texts["page.year"]}`;
    const web = el("a");
    web.href = this.texts["webUrl"]!;
    web.target = "_blank";
    web.rel = "noopener";
    web.textContent = this.texts["webAddress"]!;
    const mail = el("a");
    mail.href = `mailto:${this.texts["email"]}`;
    mail.textContent = this.texts["email"]!;
    body.append(product, authors, notice, version, web, el("br"), mail);
    this.openDialog(this.texts["page.aboutTitle"]!, body, this.texts["page.ok"]!);
  }

  private openDialog(title: string, body: HTMLElement, close: string): void {
    if (this.dialog.open) this.dialog.close();
    const heading = el("h2");
    heading.textContent = title;
    const form = el("form");
    form.method = "dialog";
    const ok = el("button");
    ok.textContent = close;
    ok.value = "ok";
    form.append(ok);
    this.dialog.replaceChildren(heading, body, form);
    this.dialog.showModal();
    ok.focus();
  }

  // The core's messages, one box at a time.
  private tell(told: ToldMessage[]): void {
    this.messageQueue.push(...told);
    if (!this.dialog.open) this.nextMessage();
  }

  private nextMessage(): void {
    const m = this.messageQueue.shift();
    if (!m) return;
    const body = el("p", m.error ? "message error" : "message");
    body.setAttribute("role", "alert");
    body.textContent = m.text;
    this.openDialog(m.title, body, this.texts["page.ok"]!);
  }

  // ---- languages

  nextLanguageInfo(): LanguageInfo {
    const at = this.languages.findIndex((l) => l.code === this.language);
    return this.languages[(at + 1) % this.languages.length]!;
  }

  nextLanguage(): void {
    this.setLanguage(this.nextLanguageInfo().code);
  }

  setLanguage(code: string): void {
    if (!this.control.program.setLanguage(code)) return;
    this.language = code;
    this.decimal = this.languages.find((l) => l.code === code)?.decimal ?? ",";
    this.texts = this.core.textsIn(code);
    this.catalogue = this.core.catalogueIn(code);
    document.documentElement.lang = code;
    if (this.languageChoice) this.languageChoice.value = code;
    // The picture in the new words; the tables keep their numbers with the language's separator.
    for (const table of [this.studyTable, this.freePathTable])
      for (const cell of table.cells) cell.value = cell.value.replace(/[.,]/, this.decimal);
    this.control.act(() => undefined);
    if (this.control.program.redraw()) this.onRedraw();
    this.retranslate();
    // The charts drawn keep their numbers and take the language's captions and separator.
    if (this.studyChartInput) {
      this.studyChartInput = { ...this.studyChartInput, language: code };
      this.paintChart(this.studyChart, this.studyChartInput);
    }
    if (this.freePathChartInput) {
      this.freePathChartInput = { ...this.freePathChartInput, language: code };
      this.paintChart(this.freePathChart, this.freePathChartInput);
    }
  }

  onRedraw: () => void = () => undefined;

  private retranslate(): void {
    for (const [e, get] of this.labels) setText(e, get());
    for (const [e, name] of this.titles) if (name) e.title = this.texts[name] ?? "";
    for (const [e, get] of this.hints) {
      e.title = get();
      e.setAttribute("aria-label", e === this.languageChoice ? this.texts["languageName"]! : get());
    }
  }

  // ---- the screen

  update(screen: Screen, told: ToldMessage[]): void {
    this.shown = screen;
    this.lastToldError = told.some((m) => m.error);
    show(this.menu, screen.menu);
    this.topicPanels.forEach((panel, id) => show(panel, screen.menu && screen.topic === id));
    this.panes.forEach((pane, id) => show(pane, screen.panes[id] ?? false));
    show(this.setUp, screen.setUp);
    show(this.startButton, !screen.setUpClose);
    show(this.closeButton, screen.setUpClose);
    show(this.cancelButton, screen.backToRun);
    for (const e of this.collisionRow) show(e, screen.collisionLimit);
    if (screen.setUp) this.fillSetUp(screen);
    show(this.experiment, screen.experimentPanel && !screen.menu && !screen.setUp);
    show(this.experimentModel, screen.experimentPanel && !screen.menu && !screen.setUp);
    show(this.heatModel, screen.heatModel && !screen.menu && !screen.setUp);
    for (const [setting, bar] of this.bars) bar.value = String(this.shownValue(setting));
    for (const m of this.models) {
      m.exact.checked = screen.exact;
      m.described.checked = !screen.exact;
      m.histogram.checked = screen.histogram;
    }
    show(this.tools, screen.toolsUncovered);
    this.parametersButton.disabled = !screen.parametersEnabled;
    this.printButton.disabled = !screen.printEnabled;
    setPicture(
      this.pauseButton.firstElementChild as HTMLElement,
      screen.offersResume ? "resume" : "tool-BitBtn6",
    );
    show(this.stopNote, screen.stopNote && screen.toolsUncovered);
    if (screen.stopNote)
      this.stopNote.textContent = (this.texts["run.stopNote"] ?? "").replace(
        "%1",
        String(screen.collisions),
      );
    show(this.placingNote, screen.placing);
    show(this.studyPanel, screen.studyTable && screen.toolsUncovered);
    show(this.showTable, screen.studyTableButton && screen.toolsUncovered);
    show(this.exactNote, screen.exactNote);
    const pressure = this.currentStudy()?.pressure ?? true;
    for (const e of this.pressureOnly) show(e, pressure);
    if (screen.studyChoices !== this.studyChoices) {
      // Each choice of a study starts its chart afresh.
      this.studyChoices = screen.studyChoices;
      this.studyChartInput = null;
      this.studyChart
        .getContext("2d")
        ?.clearRect(0, 0, this.studyChart.width, this.studyChart.height);
    }
    void this.studyInstruction;
    this.overlay.dataset["phase"] = String(screen.phase);
    this.retranslate();
    if (told.length) this.tell(told);
  }

  private fillSetUp(screen: Screen): void {
    for (const [setting, box] of this.setUpBoxes) {
      if (document.activeElement === box) continue;
      box.value = String(this.shownValue(setting));
      const range = this.ranges[setting]!;
      const maximum = setting === Setting.VesselWidth ? screen.widestVessel : range.maximum;
      box.setAttribute("aria-valuemin", String(range.minimum));
      box.setAttribute("aria-valuemax", String(maximum));
    }
    const size = this.shownValue(Setting.SizeChoice);
    this.sizeChoices.forEach((r, k) => (r.checked = k + 1 === size));
  }

  get phase(): Phase {
    return this.shown.phase;
  }
}
