// The chart's font on screen: the file the desktop's regular "Arial" resolves to (Liberation
// Sans), shipped with the page; on paper the chart writes in the surface's bold one.
import fontUrl from "@module/ChartFont.ttf";
import { fontBytes } from "../render/fontBytes";
import { chartFontFamily } from "./drawChart";

export async function loadChartFont(): Promise<void> {
  const face = new FontFace(chartFontFamily, await fontBytes(fontUrl), { weight: "400" });
  await face.load();
  document.fonts.add(face);
}
