// The dependency chart, for the tables on screen and for the files and pages made of them.
export { bindChartModule, chartModule, emptyRows } from "./plan";
export { loadChartFont } from "./font";
export type { ChartInput, ChartModule, ChartPlan, PlacedText } from "./plan";
export {
  chartFontFamily,
  chartPageHeight,
  chartPageWidth,
  chartPictureHeight,
  chartPictureWidth,
  drawChart,
  drawPaperChart,
  paperChartFont,
  planChart,
  screenChartFont,
} from "./drawChart";
export type { Context2D } from "./drawChart";
