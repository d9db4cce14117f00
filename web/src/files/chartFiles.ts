// The chart as the desktop saves it (src/measure/Export.cpp): the upper half of the printed
// table page, an A5 landscape page at 300 dots per inch, as a PNG picture of 2480 x 1748 pixels
// on white or as a one-page PDF document drawn as vectors.
import surfaceFontUrl from "@module/SurfaceFont.ttf";
import {
  chartPageHeight,
  chartPageWidth,
  chartPictureHeight,
  chartPictureWidth,
  drawPaperChart,
  paperChartFont,
  planChart,
} from "../chart/drawChart";
import type { ChartInput, ChartPlan } from "../chart/plan";
import { fontBytes } from "../render/fontBytes";
import { PdfPage, writePdf } from "./pdf";
import { canvasPng, withResolution } from "./png";
import { readTrueType, type TrueTypeFont } from "./truetype";

const dotsPerInch = 300;
// A5 landscape in points.
const pdfWidth = (210 / 25.4) * 72;
const pdfHeight = (148 / 25.4) * 72;

export async function chartPng(chart: ChartInput): Promise<Uint8Array> {
  const canvas = document.createElement("canvas");
  canvas.width = chartPictureWidth;
  canvas.height = chartPictureHeight;
  const ctx = canvas.getContext("2d", { alpha: false })!;
  ctx.fillStyle = "white";
  ctx.fillRect(0, 0, canvas.width, canvas.height);
  drawPaperChart(ctx, chartPageWidth, chartPageHeight, chart);
  return withResolution(await canvasPng(canvas), dotsPerInch);
}

let paperFont: Promise<TrueTypeFont> | null = null;

function loadPaperFont(): Promise<TrueTypeFont> {
  paperFont ??= fontBytes(surfaceFontUrl).then((b) => readTrueType(new Uint8Array(b)));
  return paperFont;
}

// The plan's drawing on a PDF page whose units are the picture's pixels, y downwards.
function drawPlanPdf(page: PdfPage, plan: ChartPlan): void {
  const font = paperChartFont();
  const px = 72 / dotsPerInch;
  page.transform(px, 0, 0, -px, 0, page.height);
  page.stroke([200, 200, 200], 1);
  page.lines(plan.grid, 0.5);
  page.stroke([0, 0, 0], plan.axisWidth);
  page.lines(plan.axes, plan.axisWidth % 2 === 1 ? 0.5 : 0);
  page.fill([0, 0, 0]);
  const size = (8 * dotsPerInch) / 72;
  for (const t of [...plan.captions, ...plan.labels])
    page.text(t.x, t.y + font.ascent, size, t.text, true);
  page.stroke([0, 0, 0], 1);
  if (plan.curve.length >= 4) {
    page.save();
    page.clipRect(plan.clip.left, plan.clip.top, plan.clip.width, plan.clip.height);
    page.polyline(plan.curve, 0.5);
    page.restore();
  }
  page.fill([20, 140, 140]);
  for (let i = 0; i + 1 < plan.points.length; i += 2)
    page.circle(plan.points[i]! + 0.5, plan.points[i + 1]! + 0.5, plan.pointRadius);
}

export async function chartPdf(chart: ChartInput): Promise<Uint8Array> {
  const font = await loadPaperFont();
  const measure = document.createElement("canvas").getContext("2d")!;
  const plan = planChart(measure, chartPageWidth, chartPageHeight, chart, true);
  const page = new PdfPage(pdfWidth, pdfHeight, font);
  drawPlanPdf(page, plan);
  return writePdf(page, font, "LiberationSans-Bold", "KINETRA");
}
