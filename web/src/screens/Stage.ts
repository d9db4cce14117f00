// The 1024 x 768 stage, as large as the window allows with its proportions kept: the surface's
// canvas at the device's own resolution, and over it a layer laid out in stage pixels, where
// the panels and buttons of the simulation screen go.
import { surfaceHeight, surfaceWidth } from "../render/CanvasRenderer";

export class Stage {
  readonly element: HTMLDivElement;
  readonly canvas: HTMLCanvasElement;
  readonly overlay: HTMLDivElement;
  // Device pixels of the canvas per stage pixel.
  scaleX = 1;
  scaleY = 1;
  private watchedRatio = 0;

  constructor(
    parent: HTMLElement,
    private readonly onResize: () => void,
  ) {
    this.element = document.createElement("div");
    this.element.className = "stage";
    this.canvas = document.createElement("canvas");
    this.canvas.className = "surface";
    this.overlay = document.createElement("div");
    this.overlay.className = "overlay";
    this.element.append(this.canvas, this.overlay);
    parent.append(this.element);
    window.addEventListener("resize", () => this.layout());
    this.layout(false);
  }

  layout(notify = true): void {
    const scale = Math.min(window.innerWidth / surfaceWidth, window.innerHeight / surfaceHeight);
    const width = surfaceWidth * scale;
    const height = surfaceHeight * scale;
    const s = this.element.style;
    s.width = `${width}px`;
    s.height = `${height}px`;
    s.left = `${(window.innerWidth - width) / 2}px`;
    s.top = `${(window.innerHeight - height) / 2}px`;
    this.overlay.style.transform = `scale(${scale})`;
    const ratio = window.devicePixelRatio || 1;
    const deviceWidth = Math.max(1, Math.round(width * ratio));
    const deviceHeight = Math.max(1, Math.round(height * ratio));
    if (this.canvas.width !== deviceWidth || this.canvas.height !== deviceHeight) {
      this.canvas.width = deviceWidth;
      this.canvas.height = deviceHeight;
    }
    this.scaleX = deviceWidth / surfaceWidth;
    this.scaleY = deviceHeight / surfaceHeight;
    this.watchRatio(ratio);
    if (notify) this.onResize();
  }

  // A zoom or a move to another screen changes the ratio without always resizing the window.
  private watchRatio(ratio: number): void {
    if (ratio === this.watchedRatio) return;
    this.watchedRatio = ratio;
    matchMedia(`(resolution: ${ratio}dppx)`).addEventListener("change", () => this.layout(), {
      once: true,
    });
  }
}
