// What the module's chart bindings (web/wasm/ChartBindings.cpp) give the page: the chart laid
// out by the core's arithmetic, as the desktop's painter lays it out, for a box or a page.

// The table and its options, as the desktop's chart takes them.
export interface ChartInput {
  // Rows 1..17, X and Y of each in turn; -1 marks an empty cell.
  rows: readonly number[];
  // 1 hyperbola, 2 straight line, 3 parabola; any other draws no curve.
  kind: number;
  // The simulation mode, which gives the axes their captions (2, 5 and 7 have them).
  mode: number;
  // The Polish source of the x caption of modes 5 and 7; the core translates it.
  xCaption: string;
  scaleFromZero: boolean;
  drawCurve: boolean;
  // "pl", "en", "uk": the captions' language and the labels' decimal separator.
  language: string;
}

export interface PlacedText {
  x: number;
  y: number; // the text's top
  text: string;
}

export interface PlanRect {
  left: number;
  top: number;
  width: number;
  height: number;
}

export interface ChartPlan {
  background: boolean;
  axisWidth: number;
  pointRadius: number;
  frame: PlanRect;
  // Lines as x1, y1, x2, y2 in turn.
  grid: number[];
  axes: number[];
  captions: PlacedText[];
  labels: PlacedText[];
  // The curve's points, x and y in turn, joined in order and clipped to `clip`.
  curve: number[];
  clip: PlanRect;
  // The points' centres, x and y in turn.
  points: number[];
}

export interface ChartModule {
  chartPlan(
    input: ChartInput,
    paper: boolean,
    boxWidth: number,
    boxHeight: number,
    captionWidth: (text: string) => number,
    labelWidth: (text: string) => number,
  ): ChartPlan;
  tableCsv(xHeading: string, yHeading: string, rows: readonly number[]): string;
  oneLineHeading(parts: readonly string[]): string;
  studyYHeading(quantity: string, multiplier: string, exponent: string, unit: string): string;
  printedNumber(value: number, language: string): string;
}

let bound: ChartModule | null = null;

// The page gives the module once it is loaded.
export function bindChartModule(module: ChartModule): void {
  bound = module;
}

export function chartModule(): ChartModule {
  if (!bound) throw new Error("The chart is drawn before the module was loaded");
  return bound;
}

// The start-up chart, and that of a cleared table: every cell empty.
export function emptyRows(): number[] {
  return new Array<number>(34).fill(-1);
}
