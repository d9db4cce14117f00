// The simulation's picture as the desktop saves it: the 1024 x 768 surface, one pixel per
// surface pixel, drawn again from the frame's commands whatever the window's size.
import { CanvasRenderer, surfaceHeight, surfaceWidth } from "../render/CanvasRenderer";
import type { SpriteAtlas } from "../render/sprites";

export interface FrameSource {
  sprites: SpriteAtlas;
  // The surface font's ascent for a size in points (the module's textAscent).
  ascent(points: number): number;
  // The frame's commands (Session.words and Session.texts, after Session.redraw).
  words: Int32Array;
  texts: Uint8Array;
}

export function surfacePicture(frame: FrameSource): HTMLCanvasElement {
  const canvas = document.createElement("canvas");
  canvas.width = surfaceWidth;
  canvas.height = surfaceHeight;
  const ctx = canvas.getContext("2d", { alpha: false })!;
  ctx.fillStyle = "#000";
  ctx.fillRect(0, 0, surfaceWidth, surfaceHeight);
  const renderer = new CanvasRenderer(ctx, frame.sprites, (p) => frame.ascent(p));
  renderer.setScale(1, 1);
  renderer.replay(frame.words, frame.texts);
  return canvas;
}

// The picture for paper that spares the toner, as the desktop prints it (TonerLightCopy): its
// dark ground white, its near-white text black, every other colour as it is.
export function tonerLight(picture: HTMLCanvasElement): HTMLCanvasElement {
  const dark = 60;
  const light = 200;
  const copy = document.createElement("canvas");
  copy.width = picture.width;
  copy.height = picture.height;
  const ctx = copy.getContext("2d", { alpha: false })!;
  ctx.drawImage(picture, 0, 0);
  const image = ctx.getImageData(0, 0, copy.width, copy.height);
  const d = image.data;
  for (let i = 0; i < d.length; i += 4) {
    const r = d[i]!;
    const g = d[i + 1]!;
    const b = d[i + 2]!;
    const high = Math.max(r, g, b);
    const low = Math.min(r, g, b);
    if (high < dark) {
      d[i] = d[i + 1] = d[i + 2] = 255;
    } else if (low > light) {
      d[i] = d[i + 1] = d[i + 2] = 0;
    }
  }
  ctx.putImageData(image, 0, 0);
  return copy;
}
