// Replays a frame's drawing commands (web/wasm/CommandCanvas.h) on an HTML canvas whose backing
// store has scale device pixels per surface pixel. Every edge is put on a whole device pixel,
// so that neighbouring fills meet without seams and sprites stay sharp; text is drawn at the
// device's own resolution; lines are the desktop's 1-pixel lines, scaled.
import { Op } from "./commands";
import { rgb565ToCss, rgbToCss } from "./colours";
import { surfaceFontFamily } from "./font";
import { SpriteLayer, shortestRun } from "./SpriteLayer";
import type { SpriteAtlas } from "./sprites";

export const surfaceWidth = 1024;
export const surfaceHeight = 768;

const textColour = "rgb(250,250,250)";

export class CanvasRenderer {
  private scaleX = 1;
  private scaleY = 1;
  // The canvas state the desktop keeps from frame to frame.
  private pen = 0;
  private penX = 0;
  private penY = 0;
  private readonly decoder = new TextDecoder();
  private readonly ascents = new Map<number, number>();
  private readonly layer: SpriteLayer;

  constructor(
    private readonly context: CanvasRenderingContext2D,
    private readonly sprites: SpriteAtlas,
    private readonly ascent: (points: number) => number,
  ) {
    this.layer = new SpriteLayer(sprites);
  }

  // Device pixels per surface pixel, across and down.
  setScale(scaleX: number, scaleY: number): void {
    this.scaleX = scaleX;
    this.scaleY = scaleY;
  }

  replay(words: Int32Array, texts: Uint8Array): void {
    const c = this.context;
    c.setTransform(1, 0, 0, 1, 0, 0);
    c.imageSmoothingEnabled = false;
    c.textBaseline = "alphabetic";
    // Lines gather into one path per pen colour, and sprites into one run, until anything
    // else is drawn.
    let lines: Path2D | null = null;
    const sprites: number[] = [];
    const flushLines = (): void => {
      if (!lines) return;
      c.strokeStyle = rgbToCss(this.pen);
      c.lineWidth = this.scaleY;
      c.lineCap = "butt";
      c.stroke(lines);
      lines = null;
    };
    const flushSprites = (): void => {
      if (sprites.length >= 4 * shortestRun) {
        this.layer.draw(c, sprites, this.scaleX, this.scaleY);
      } else {
        for (let k = 0; k < sprites.length; k += 4)
          this.sprite(sprites[k]!, sprites[k + 1]!, sprites[k + 2]!, sprites[k + 3]!);
      }
      sprites.length = 0;
    };
    const flush = (): void => {
      flushLines();
      flushSprites();
    };
    const n = words.length;
    let at = 0;
    while (at < n) {
      const op = words[at++]!;
      switch (op) {
        case Op.FillSurface:
          flush();
          this.fill(0, 0, surfaceWidth, surfaceHeight, words[at++]!);
          break;
        case Op.FillRect:
          flush();
          this.fill(words[at]!, words[at + 1]!, words[at + 2]!, words[at + 3]!, words[at + 4]!);
          at += 5;
          break;
        case Op.Sprite:
          flushLines();
          sprites.push(words[at]!, words[at + 1]!, words[at + 2]!, words[at + 3]!);
          at += 4;
          break;
        case Op.Text: {
          flush();
          const [x, y, size, offset, length] = [
            words[at]!,
            words[at + 1]!,
            words[at + 2]!,
            words[at + 3]!,
            words[at + 4]!,
          ];
          at += 5;
          this.text(x, y, size, this.decoder.decode(texts.subarray(offset, offset + length)));
          break;
        }
        case Op.Width:
          at += 3;
          break;
        case Op.FontSize:
          at += 1;
          break;
        case Op.Pen:
          flushLines();
          this.pen = words[at++]!;
          break;
        case Op.MoveTo:
          this.penX = words[at]!;
          this.penY = words[at + 1]!;
          at += 2;
          break;
        case Op.LineTo: {
          const x = words[at]!;
          const y = words[at + 1]!;
          at += 2;
          flushSprites();
          lines ??= new Path2D();
          this.line(lines, x, y);
          break;
        }
        case Op.Release:
        case Op.Present:
          break;
        default:
          throw new Error(`unknown drawing command ${op} at word ${at - 1}`);
      }
    }
    flush();
  }

  private fill(left: number, top: number, right: number, bottom: number, colour: number): void {
    if (left >= right || top >= bottom) return;
    const x0 = Math.round(left * this.scaleX);
    const y0 = Math.round(top * this.scaleY);
    this.context.fillStyle = rgb565ToCss(colour);
    this.context.fillRect(
      x0,
      y0,
      Math.round(right * this.scaleX) - x0,
      Math.round(bottom * this.scaleY) - y0,
    );
  }

  private sprite(set: number, index: number, x: number, y: number): void {
    const place = this.sprites.sets[set]?.[index];
    if (!place) return;
    const [sx, sy, w, h] = place;
    const x0 = Math.round(x * this.scaleX);
    const y0 = Math.round(y * this.scaleY);
    this.context.drawImage(
      this.sprites.image,
      sx,
      sy,
      w,
      h,
      x0,
      y0,
      Math.round((x + w) * this.scaleX) - x0,
      Math.round((y + h) * this.scaleY) - y0,
    );
  }

  private text(x: number, y: number, size: number, text: string): void {
    let ascent = this.ascents.get(size);
    if (ascent === undefined) {
      ascent = this.ascent(size);
      this.ascents.set(size, ascent);
    }
    const c = this.context;
    c.font = `bold ${Math.round((size * 4) / 3) * this.scaleY}px ${surfaceFontFamily}`;
    c.fillStyle = textColour;
    c.fillText(text, x * this.scaleX, (y + ascent) * this.scaleY);
  }

  // The pixels the desktop's line covers from the pen to (x, y), its end left out: a stroke
  // through their centres, each end drawn back by half a pixel along the line.
  private line(path: Path2D, x: number, y: number): void {
    const dx = x - this.penX;
    const dy = y - this.penY;
    const steps = Math.max(Math.abs(dx), Math.abs(dy));
    if (steps > 0) {
      const backX = dx / steps / 2;
      const backY = dy / steps / 2;
      path.moveTo((this.penX + 0.5 - backX) * this.scaleX, (this.penY + 0.5 - backY) * this.scaleY);
      path.lineTo((x + 0.5 - backX) * this.scaleX, (y + 0.5 - backY) * this.scaleY);
    }
    this.penX = x;
    this.penY = y;
  }
}
