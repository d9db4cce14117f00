// The chart of a measurement table in a box on the page. The core works out everything (ranges,
// ticks, labels, places, the fitted curve: ChartMath.h); drawChart only paints it. The painter
// shared with the saved pictures and the paper takes drawChart's place once it is in.
import { withCells, type ChartLayout, type CoreModule } from "../engine/core";

export interface ChartInput {
  cells: string[];
  mode: number;
  xCaption: string;
  fromZero: boolean;
  drawCurve: boolean;
  curve: number;
  language: string;
}

export function chartLayout(
  core: CoreModule,
  width: number,
  height: number,
  chart: ChartInput,
): ChartLayout {
  return withCells(core, chart.cells, (cells) =>
    core.chartLayout(
      cells,
      chart.mode,
      chart.xCaption,
      chart.fromZero,
      chart.drawCurve,
      chart.curve,
      width,
      height,
      chart.language,
    ),
  );
}

// Paints a chart the core laid out (chartLayout) on a box of width x height pixels.
export function drawChart(
  context: CanvasRenderingContext2D,
  width: number,
  height: number,
  layout: ChartLayout,
): void {
  const [left, top, w, h] = layout.frame;
  const bottom = top + h;
  const c = context;
  c.save();
  c.fillStyle = "#fff";
  c.fillRect(0, 0, width, height);
  c.strokeStyle = "#000";
  c.fillStyle = "#000";
  c.lineWidth = 1;
  c.font = '11px Arial, "Liberation Sans", sans-serif';
  c.textBaseline = "top";
  const line = (x1: number, y1: number, x2: number, y2: number): void => {
    c.beginPath();
    c.moveTo(x1 + 0.5, y1 + 0.5);
    c.lineTo(x2 + 0.5, y2 + 0.5);
    c.stroke();
  };
  // The axes with their arrow heads.
  line(left, bottom, left + w, bottom);
  line(left, bottom, left, top);
  line(left + w, bottom, left + w - 6, bottom - 6);
  line(left + w, bottom, left + w - 6, bottom + 6);
  line(left, top, left - 6, top + 6);
  line(left, top, left + 6, top + 6);
  for (const tick of layout.xTicks) {
    line(left + tick.offset, bottom - 3, left + tick.offset, bottom + 3);
    c.fillText(tick.label, left + tick.offset, layout.xLabelsTop);
  }
  c.textAlign = "right";
  for (const tick of layout.yTicks) {
    line(left - 3, bottom - tick.offset, left + 3, bottom - tick.offset);
    c.fillText(tick.label, layout.yLabelsRight, bottom - tick.offset - 6);
  }
  c.textAlign = "left";
  if (layout.captionsShown) {
    c.fillText(layout.yCaption, layout.yCaptionAt[0], layout.yCaptionAt[1]);
    c.fillText(layout.xCaption, layout.xCaptionAt[0], layout.xCaptionAt[1]);
  }
  c.fillStyle = "#c00000";
  for (const [x, y] of layout.points) {
    c.beginPath();
    c.arc(x + 0.5, y + 0.5, 3, 0, 2 * Math.PI);
    c.fill();
  }
  if (layout.curve.length > 1) {
    c.beginPath();
    c.rect(left, top, w + 1, h + 1);
    c.clip();
    c.strokeStyle = "#0000c0";
    c.beginPath();
    layout.curve.forEach(([x, y], k) => (k === 0 ? c.moveTo(x, y) : c.lineTo(x, y)));
    c.stroke();
  }
  c.restore();
}
