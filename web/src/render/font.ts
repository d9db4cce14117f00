// The surface's font: the very file the desktop's "Arial" resolves to (Liberation Sans Bold),
// shipped with the page, so that its text has the desktop's shapes and widths.
import fontUrl from "@module/SurfaceFont.ttf";
import { fontBytes } from "./fontBytes";

export const surfaceFontFamily = "KinetraSurface";

export async function loadSurfaceFont(): Promise<void> {
  const face = new FontFace(surfaceFontFamily, await fontBytes(fontUrl), { weight: "700" });
  await face.load();
  document.fonts.add(face);
}
