// The dependency chart on any 2D context, drawn from the core's plan as the desktop draws it
// (src/measure/DependencyChart.cpp): on screen a grey box, thin axes, points of radius 4 and
// labels of 11 pixels; on paper no background, axes two pixels wide with long arrows, larger
// points and bold text of 8 points at 300 dots per inch.
import { chartModule, type ChartInput, type ChartPlan } from "./plan";

export type Context2D = CanvasRenderingContext2D | OffscreenCanvasRenderingContext2D;

export const chartFontFamily = "KinetraChart";
export const paperFontFamily = "KinetraSurface";

// The paper's resolution and its text: bold Arial of 8 points.
export const paperDotsPerInch = 300;
export const paperTextPixels = (8 * paperDotsPerInch) / 72;

// The whole page the chart takes the upper half of (A4 at 300 dots per inch), and the picture
// of that half (A5 landscape), as the desktop saves it.
export const chartPageWidth = 2480;
export const chartPageHeight = 3508;
export const chartPictureWidth = 2480;
export const chartPictureHeight = 1748;

const screenBackground = "rgb(240,240,240)";
const gridColour = "rgb(200,200,200)";
const pointFill = "rgb(20,140,140)";

export interface ChartFont {
  css: string;
  ascent: number;
  height: number;
}

export function screenChartFont(): ChartFont {
  return fontOf(`11px ${chartFontFamily}, Arial, sans-serif`, 11);
}

export function paperChartFont(): ChartFont {
  return fontOf(`bold ${paperTextPixels}px ${paperFontFamily}, Arial, sans-serif`, paperTextPixels);
}

// Liberation Sans's ascent and descent (as Arial's), rounded as the desktop's metrics are.
function fontOf(css: string, pixels: number): ChartFont {
  const ascent = Math.round(pixels * 0.905);
  return { css, ascent, height: ascent + Math.round(pixels * 0.212) };
}

export function textWidthIn(ctx: Context2D, font: ChartFont): (text: string) => number {
  return (text) => {
    ctx.font = font.css;
    return Math.round(ctx.measureText(text).width);
  };
}

// The plan for a paint box on screen, or for a page on paper.
export function planChart(
  ctx: Context2D,
  width: number,
  height: number,
  chart: ChartInput,
  paper: boolean,
): ChartPlan {
  const font = paper ? paperChartFont() : screenChartFont();
  const measure = textWidthIn(ctx, font);
  return chartModule().chartPlan(chart, paper, width, height, measure, measure);
}

// The chart on a paint box of width x height pixels (the context's own units), as on screen;
// the plan it painted.
export function drawChart(
  ctx: Context2D,
  width: number,
  height: number,
  chart: ChartInput,
): ChartPlan {
  const plan = planChart(ctx, width, height, chart, false);
  paintPlan(ctx, plan, screenChartFont(), width, height);
  return plan;
}

// The chart in the upper half of a page of width x height pixels, as it prints.
export function drawPaperChart(
  ctx: Context2D,
  width: number,
  height: number,
  chart: ChartInput,
): void {
  paintPlan(ctx, planChart(ctx, width, height, chart, true), paperChartFont(), width, height);
}

function strokeLines(ctx: Context2D, lines: readonly number[], width: number): void {
  // Whole-pixel lines: an odd width stands centred on the pixel's middle.
  const shift = width % 2 === 1 ? 0.5 : 0;
  ctx.lineWidth = width;
  ctx.beginPath();
  for (let i = 0; i + 3 < lines.length; i += 4) {
    ctx.moveTo(lines[i]! + shift, lines[i + 1]! + shift);
    ctx.lineTo(lines[i + 2]! + shift, lines[i + 3]! + shift);
  }
  ctx.stroke();
}

export function paintPlan(
  ctx: Context2D,
  plan: ChartPlan,
  font: ChartFont,
  width: number,
  height: number,
): void {
  ctx.save();
  ctx.lineCap = "butt";
  ctx.lineJoin = "miter";
  ctx.textBaseline = "alphabetic";
  ctx.textAlign = "left";
  ctx.font = font.css;
  if (plan.background) {
    ctx.fillStyle = screenBackground;
    ctx.fillRect(0, 0, width, height);
  }
  ctx.strokeStyle = gridColour;
  strokeLines(ctx, plan.grid, 1);
  ctx.strokeStyle = "black";
  strokeLines(ctx, plan.axes, plan.axisWidth);

  for (const c of plan.captions) {
    // On a background, a caption stands on its colour, over whatever it covers.
    if (plan.background) {
      ctx.fillStyle = screenBackground;
      ctx.fillRect(c.x, c.y, Math.round(ctx.measureText(c.text).width), font.height);
    }
    ctx.fillStyle = "black";
    ctx.fillText(c.text, c.x, c.y + font.ascent);
  }
  ctx.fillStyle = "black";
  for (const l of plan.labels) ctx.fillText(l.text, l.x, l.y + font.ascent);

  if (plan.curve.length >= 4) {
    ctx.save();
    ctx.beginPath();
    ctx.rect(plan.clip.left, plan.clip.top, plan.clip.width, plan.clip.height);
    ctx.clip();
    ctx.lineWidth = 1;
    ctx.beginPath();
    ctx.moveTo(plan.curve[0]! + 0.5, plan.curve[1]! + 0.5);
    for (let i = 2; i + 1 < plan.curve.length; i += 2)
      ctx.lineTo(plan.curve[i]! + 0.5, plan.curve[i + 1]! + 0.5);
    ctx.stroke();
    ctx.restore();
  }

  ctx.fillStyle = pointFill;
  ctx.lineWidth = 1;
  const r = plan.pointRadius;
  for (let i = 0; i + 1 < plan.points.length; i += 2) {
    ctx.beginPath();
    ctx.arc(plan.points[i]! + 0.5, plan.points[i + 1]! + 0.5, r, 0, 2 * Math.PI);
    ctx.fill();
    ctx.stroke();
  }
  ctx.restore();
}
