// The measurements and pictures as files, each given to the browser as a download under the
// desktop's suggested name (in the page's language): the table as CSV, the chart as PNG or PDF,
// the simulation's picture as PNG. The bytes are made apart from the download, for the tests.
import { chartModule, type ChartInput } from "../chart/plan";
import { chartPdf, chartPng } from "./chartFiles";
import { download } from "./download";
import { canvasPng } from "./png";
import { surfacePicture, type FrameSource } from "./picture";

export { chartPdf, chartPng } from "./chartFiles";
export { surfacePicture, tonerLight, type FrameSource } from "./picture";
export { download } from "./download";

// The CSV's bytes exactly as the desktop writes them (the core's TableCsv): UTF-8, a heading
// line and one line per filled row, CR LF.
export function tableCsv(xHeading: string, yHeading: string, rows: readonly number[]): Uint8Array {
  return new TextEncoder().encode(chartModule().tableCsv(xHeading, yHeading, rows));
}

// The headings as the desktop puts them in the file: the free-path table's two lines of each
// heading joined (oneLineHeading), the study table's y heading from its four captions.
export function oneLineHeading(parts: readonly string[]): string {
  return chartModule().oneLineHeading(parts);
}
export function studyYHeading(
  quantity: string,
  multiplier: string,
  exponent: string,
  unit: string,
): string {
  return chartModule().studyYHeading(quantity, multiplier, exponent, unit);
}

// The names are the desktop's suggested ones in the page's language ("pomiary.csv",
// "wykres.png", "symulacja.png"); a chart's PDF takes the PNG's name with its own ending.
export function saveTableCsv(
  name: string,
  xHeading: string,
  yHeading: string,
  rows: readonly number[],
): void {
  download(tableCsv(xHeading, yHeading, rows), name, "text/csv");
}

export async function saveChartPng(name: string, chart: ChartInput): Promise<void> {
  download(await chartPng(chart), name, "image/png");
}

export async function saveChartPdf(name: string, chart: ChartInput): Promise<void> {
  download(await chartPdf(chart), name, "application/pdf");
}

export async function simulationPng(frame: FrameSource): Promise<Uint8Array> {
  return canvasPng(surfacePicture(frame));
}

export async function saveSimulationPng(name: string, frame: FrameSource): Promise<void> {
  download(await simulationPng(frame), name, "image/png");
}
