// Sprites come in runs of hundreds (a frame's particles). A canvas copy per sprite costs far more
// than the few pixels it moves, so a long run is copied pixel by pixel into one transparent
// layer, which the canvas then draws once, in the run's place in the frame. Each sprite lands on
// the device pixels a canvas copy would give it (edges rounded, nearest pixel inside), and a
// later sprite covers an earlier one where both are opaque, as on the surface.
import type { SpriteAtlas } from "./sprites";

// Shorter runs (the instruments' pieces) go to the canvas one by one.
export const shortestRun = 32;

interface Scaled {
  width: number;
  height: number;
  pixels: Uint32Array; // 0 where transparent
}

export class SpriteLayer {
  private readonly scaled = new Map<string, Scaled>();
  private canvas: OffscreenCanvas | null = null;
  private image: ImageData | null = null;
  private layer = new Uint32Array(0);

  constructor(private readonly atlas: SpriteAtlas) {}

  // Draws the run (set, index, x, y per sprite, surface pixels) on the context, whose backing
  // store has scaleX x scaleY device pixels per surface pixel.
  draw(
    context: CanvasRenderingContext2D,
    run: readonly number[],
    scaleX: number,
    scaleY: number,
  ): void {
    const width = context.canvas.width;
    const height = context.canvas.height;
    this.fit(width, height);
    // The run's box on the canvas.
    let left = width;
    let top = height;
    let right = 0;
    let bottom = 0;
    for (let k = 0; k < run.length; k += 4) {
      const place = this.atlas.sets[run[k]!]?.[run[k + 1]!];
      if (!place) continue;
      left = Math.min(left, Math.round(run[k + 2]! * scaleX));
      top = Math.min(top, Math.round(run[k + 3]! * scaleY));
      right = Math.max(right, Math.round((run[k + 2]! + place[2]) * scaleX));
      bottom = Math.max(bottom, Math.round((run[k + 3]! + place[3]) * scaleY));
    }
    left = Math.max(0, left);
    top = Math.max(0, top);
    right = Math.min(width, right);
    bottom = Math.min(height, bottom);
    if (left >= right || top >= bottom) return;
    const layer = this.layer;
    for (let y = top; y < bottom; y++) layer.fill(0, y * width + left, y * width + right);
    for (let k = 0; k < run.length; k += 4) {
      const set = run[k]!;
      const index = run[k + 1]!;
      const place = this.atlas.sets[set]?.[index];
      if (!place) continue;
      const x0 = Math.round(run[k + 2]! * scaleX);
      const y0 = Math.round(run[k + 3]! * scaleY);
      const sprite = this.scaledSprite(
        set,
        index,
        Math.round((run[k + 2]! + place[2]) * scaleX) - x0,
        Math.round((run[k + 3]! + place[3]) * scaleY) - y0,
      );
      const fromX = Math.max(0, left - x0);
      const toX = Math.min(sprite.width, right - x0);
      for (let sy = Math.max(0, top - y0); sy < Math.min(sprite.height, bottom - y0); sy++) {
        const row = sy * sprite.width;
        const out = (y0 + sy) * width + x0;
        for (let sx = fromX; sx < toX; sx++) {
          const pixel = sprite.pixels[row + sx]!;
          if (pixel !== 0) layer[out + sx] = pixel;
        }
      }
    }
    const canvas = this.canvas!;
    canvas.getContext("2d")!.putImageData(this.image!, 0, 0, left, top, right - left, bottom - top);
    context.drawImage(
      canvas,
      left,
      top,
      right - left,
      bottom - top,
      left,
      top,
      right - left,
      bottom - top,
    );
  }

  private fit(width: number, height: number): void {
    if (this.canvas && this.canvas.width === width && this.canvas.height === height) return;
    this.canvas = new OffscreenCanvas(width, height);
    this.image = new ImageData(width, height);
    const data = this.image.data;
    this.layer = new Uint32Array(data.buffer, data.byteOffset, data.byteLength / 4);
    this.scaled.clear();
  }

  // The sprite on width x height device pixels, each taking the source pixel under its centre.
  private scaledSprite(set: number, index: number, width: number, height: number): Scaled {
    const key = `${set}:${index}:${width}:${height}`;
    let sprite = this.scaled.get(key);
    if (sprite) return sprite;
    const [sx, sy, w, h] = this.atlas.sets[set]![index]!;
    const stride = this.atlas.image.width;
    const pixels = new Uint32Array(width * height);
    for (let y = 0; y < height; y++) {
      const from = (sy + Math.floor(((y + 0.5) * h) / height)) * stride + sx;
      for (let x = 0; x < width; x++) {
        const pixel = this.atlas.pixels[from + Math.floor(((x + 0.5) * w) / width)]!;
        // Transparent is 0 whatever its colour channels held.
        pixels[y * width + x] = pixel >>> 24 === 0 ? 0 : pixel;
      }
    }
    sprite = { width, height, pixels };
    this.scaled.set(key, sprite);
    return sprite;
  }
}
