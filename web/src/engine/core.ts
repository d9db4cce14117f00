// The core's side of the module (web/wasm/CoreBindings.cpp), typed: the whole program's run
// control with the page as its front-end, the texts, the catalogue, the cells and the chart.
import type { VesselPage } from "../print";
import type { EngineModule } from "./module";

// Settings by what they mean, in the core's order (core/Settings.h).
export const enum Setting {
  Particles = 0,
  VesselWidth,
  VesselHeight,
  MaxSpeed,
  CollisionLimit,
  SizeChoice,
  StopAtLimit,
  ExperimentParticles,
  SpeedFactor,
  ParticleMass,
  VesselSide,
}

export const enum Phase {
  Menu = 0,
  SetUp,
  Running,
  Paused,
  StoppedAtLimit,
}

// The exercise panes (core/Catalogue.h PaneId).
export const enum Pane {
  DiffusionIllustration = 0,
  DiffusionChart,
  FreePathIllustration,
  FreePathStudy,
  WallCollisions,
  TemperatureIntro,
  TemperatureStudy,
  PressureIntro,
  PressureStudy,
  Heat,
}

// The experiment panel's captions, worded; null for the start text.
export interface Captions {
  count: string | null;
  meanSpeed: string | null;
  mass: string | null;
  side: string | null;
}

// What the core shows after every event (core/Screen.h).
export interface Screen {
  menu: boolean;
  topic: number;
  panes: boolean[];
  setUp: boolean;
  setUpClose: boolean;
  backToRun: boolean;
  setUpTitle: string;
  picture: number;
  widestVessel: number;
  collisionLimit: boolean;
  experimentPanel: boolean;
  heatModel: boolean;
  studyTable: boolean;
  studyTableButton: boolean;
  study: number;
  studyChoices: number;
  studyChartMode: number;
  exactNote: boolean;
  parametersEnabled: boolean;
  printEnabled: boolean;
  running: boolean;
  windowActive: boolean;
  offersResume: boolean;
  stopNote: boolean;
  placing: boolean;
  toolsUncovered: boolean;
  phase: Phase;
  exact: boolean;
  histogram: boolean;
  captions: Captions;
  mode: number;
  collisions: number;
}

export interface ToldMessage {
  error: boolean;
  title: string;
  text: string;
}

export interface Program {
  screen(): Screen;
  messages(): ToldMessage[];
  takeCleared(): boolean;
  frame(now: number): boolean;
  redraw(): boolean;
  words(): Int32Array;
  texts(): Uint8Array;
  setNow(now: number): void;
  chooseTopic(topic: number): void;
  chooseExercise(index: number): void;
  openExercise(name: string): boolean;
  run(pane: number): void;
  showSetUp(): void;
  closeSetUp(): void;
  start(): void;
  pauseOrResume(): void;
  restart(): void;
  openParameters(): void;
  returnToRun(): void;
  leaveToMenu(): void;
  escape(): boolean;
  hideStudyTable(): void;
  showStudyTable(): void;
  windowActive(active: boolean): void;
  settingTyped(setting: Setting, text: string): void;
  settingChosen(setting: Setting, value: number): void;
  value(setting: Setting): number;
  particleCountChanged(count: number): void;
  speedFactorChanged(factor: number): void;
  particleMassChanged(mass: number): void;
  vesselSideChanged(side: number): void;
  heatSettingsChanged(maxSpeed: number, factor: number, mass: number): void;
  heatDefaults(): void;
  modelChosen(exact: boolean, histogram: boolean): void;
  viewChosen(lines: boolean, large: boolean, labels: boolean): void;
  setLanguage(code: string): boolean;
  language(): string;
  runMilliseconds(): number;
  // The printed page of the diffusion and the free path (null in the other modes).
  vesselPage(vmax: number, language: string): VesselPage | null;
  delete(): void;
}

export interface LanguageInfo {
  code: string;
  name: string;
  decimal: string;
}

export interface TopicInfo {
  id: number;
  menuCaption: string;
  title: string;
  introduction: string;
}

export interface ExerciseInfo {
  name: string;
  topic: number;
  link: string;
  linkContinued: string | null;
  pane: number;
  mode: number;
  run: number;
  study: number;
}

export interface StudyInfo {
  pressure: boolean;
  title: string;
  description: string;
  headingX1: string;
  headingX2: string;
  chartTitle1: string;
  chartTitle2: string;
  chartXCaption: string;
  curve: number;
  instruction: string;
  exactNote: string;
}

export interface Catalogue {
  topics: TopicInfo[];
  exercises: ExerciseInfo[];
  studies: StudyInfo[];
}

// Every named text of CoreBindings.cpp in one language.
export type Texts = Record<string, string> & {
  unitsLines: string[];
  unitsRows: [string, string][];
  authorNames: string[];
};

export interface SettingRange {
  minimum: number;
  maximum: number;
  start: number;
}

export interface StringVector {
  push_back(text: string): void;
  delete(): void;
}

export interface CoreModule extends EngineModule {
  Program: new () => Program;
  StringList: new () => StringVector;
  languages(): LanguageInfo[];
  textsIn(code: string): Texts;
  catalogueIn(code: string): Catalogue;
  settingRanges(): SettingRange[];
  // The diameter in pixels of a size button's particles.
  particleSizeOfChoice(choice: number): number;
  settleCell(text: string, separator: string): string;
  cellNote(text: string, separator: string, code: string): string;
  cellValue(text: string): number;
  rowsReady(cells: StringVector): boolean;
  anyCellTyped(cells: StringVector): boolean;
}

// The cells' texts as the module takes them; deleted after the call.
export function withCells<T>(core: CoreModule, cells: string[], use: (list: StringVector) => T): T {
  const list = new core.StringList();
  try {
    for (const cell of cells) list.push_back(cell);
    return use(list);
  } finally {
    list.delete();
  }
}
