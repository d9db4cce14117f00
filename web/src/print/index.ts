// Printing through the browser's print dialog, with the desktop's pages (src/measure/
// PrintPages.cpp) as print layouts: the simulation's picture half a page wide, centred, a
// tenth of the page down, on white by default as the desktop prints it; and a table's page, its
// chart in the upper half of an A4 page and the filled rows below it.
import "./print.css";
import { chartModule, type ChartInput } from "../chart/plan";
import { chartPng } from "../files/chartFiles";
import { surfacePicture, tonerLight, type FrameSource } from "../files/picture";
import type { SpriteAtlas } from "../render/sprites";

// The page's pixels at 300 dots per inch, A4.
const pageWidth = 2480;
const pageHeight = 3508;

let sheet: HTMLDivElement | null = null;
let urls: string[] = [];

function newSheet(): HTMLDivElement {
  clearPrint();
  const element = document.createElement("div");
  element.className = "print-sheet";
  const page = document.createElement("div");
  page.className = "print-page";
  element.append(page);
  document.body.append(element);
  sheet = element;
  return page;
}

// Forgets the sheet laid out last; the page prints nothing of its own then.
export function clearPrint(): void {
  sheet?.remove();
  sheet = null;
  for (const url of urls) URL.revokeObjectURL(url);
  urls = [];
}

function place<T extends HTMLElement>(element: T, x: number, y: number): T {
  element.style.left = `${x}px`;
  element.style.top = `${y}px`;
  return element;
}

async function image(bytes: Uint8Array | HTMLCanvasElement): Promise<HTMLImageElement> {
  const img = document.createElement("img");
  if (bytes instanceof HTMLCanvasElement) {
    img.src = bytes.toDataURL("image/png");
  } else {
    const url = URL.createObjectURL(new Blob([bytes as BlobPart], { type: "image/png" }));
    urls.push(url);
    img.src = url;
  }
  await img.decode();
  return img;
}

// The simulation's page: white paper turns the picture's dark ground white and its light text
// black (the desktop's "druk na białym tle", checked by default).
export async function layOutSimulationPrint(frame: FrameSource, whitePaper = true): Promise<void> {
  const picture = surfacePicture(frame);
  const img = await image(whitePaper ? tonerLight(picture) : picture);
  const page = newSheet();
  const width = pageWidth / 2;
  img.style.width = `${width}px`;
  img.style.height = `${Math.floor((pageWidth * picture.height) / (picture.width * 2))}px`;
  page.append(place(img, pageWidth / 2 - width / 2, Math.floor(pageHeight / 10)));
}

// What the module's vesselPage(session, vmax, language) gives of a run of the diffusion or the
// free path (web/wasm/PrintBindings.cpp): null in the other modes.
export interface VesselPage {
  vesselLeft: number;
  vesselTop: number;
  vesselWidth: number;
  vesselHeight: number;
  particleSize: number;
  // x, y and kind of each particle in turn, in surface pixels.
  particles: number[];
  // The tracked particle's path, x and y in turn, in surface pixels.
  path: number[];
  heading: string;
  lines: string[];
}

// The diffusion's and the free path's page as the desktop prints it: the vessel redrawn on white,
// half a page wide, its top-left corner at its surface place taken as the page's pixels, the
// particles from their pictures, the path, and beside it the heading (12 points) and the status
// lines (10 points).
export async function layOutVesselPrint(vessel: VesselPage, sprites: SpriteAtlas): Promise<void> {
  const left = vessel.vesselLeft;
  const top = vessel.vesselTop;
  const scale = vessel.vesselWidth > 0 ? pageWidth / (2 * vessel.vesselWidth) : 0;
  const width = Math.trunc(vessel.vesselWidth * scale);
  const height = Math.trunc(vessel.vesselHeight * scale);
  const map = (x: number, y: number): [number, number] => [
    left + Math.trunc((x - left) * scale),
    top + Math.trunc((y - top) * scale),
  ];
  // The picture covers the vessel with its wall; its origin is the wall's corner.
  const canvas = document.createElement("canvas");
  canvas.width = width + 10;
  canvas.height = height + 10;
  const ctx = canvas.getContext("2d")!;
  ctx.imageSmoothingEnabled = false;
  ctx.translate(5 - left, 5 - top);
  ctx.fillStyle = "rgb(10,10,200)";
  ctx.fillRect(left - 5, top - 5, width + 10, height + 10);
  ctx.fillStyle = "rgb(200,200,200)";
  for (let e = 0; e <= 7; e++) {
    const from = Math.trunc(left + (width * e) / 8);
    const to = Math.trunc(left + width / 8 + (width * e) / 8);
    ctx.fillRect(from, top, to - from, height);
  }
  const size = vessel.particleSize;
  const pictures = sprites.sets[0] ?? [];
  for (let i = 0; size > 0 && i + 2 < vessel.particles.length; i += 3) {
    const place = pictures[vessel.particles[i + 2]!];
    if (!place) continue;
    const [x, y] = [vessel.particles[i]!, vessel.particles[i + 1]!];
    const a = map(x, y);
    const b = map(x + size, y + size);
    const [sx, sy, sw, sh] = place;
    const cw = Math.min(size, sw);
    const ch = Math.min(size, sh);
    const dw = ((b[0] - a[0]) * cw) / size;
    const dh = ((b[1] - a[1]) * ch) / size;
    ctx.drawImage(sprites.image, sx, sy, cw, ch, a[0], a[1], dw, dh);
  }
  if (vessel.path.length >= 4) {
    ctx.strokeStyle = "black";
    ctx.lineWidth = 1;
    ctx.beginPath();
    for (let k = 0; k + 1 < vessel.path.length; k += 2) {
      const [x, y] = map(vessel.path[k]!, vessel.path[k + 1]!);
      if (k === 0) ctx.moveTo(x + 0.5, y + 0.5);
      else ctx.lineTo(x + 0.5, y + 0.5);
    }
    ctx.stroke();
  }
  const img = await image(canvas);
  const page = newSheet();
  page.append(place(img, left - 5, top - 5));
  const text = (x: number, y: number, points: number, words: string): void => {
    const line = document.createElement("p");
    line.textContent = words;
    line.style.fontSize = `${(points * 300) / 72}px`;
    page.append(place(line, x, y));
  };
  text(left + width + 90, 20, 12, vessel.heading);
  // The desktop's line step: 1.2 times the height of its 10-point text.
  const pixels = (10 * 300) / 72;
  const step = Math.trunc(1.2 * (Math.round(pixels * 0.905) + Math.round(pixels * 0.212)));
  vessel.lines.forEach((words, k) => text(left + width + 50, step * (k + 1) + 60, 10, words));
}

// The table's columns as the page heads them: the x heading, and the y heading with its raised
// power of ten and its unit where the study has them. Null writes no heading line (the
// experiments whose chart has no captions).
export interface TableColumns {
  x: string;
  y: string;
  yExponent?: string;
  yUnit?: string;
}

export interface TablePrint {
  chart: ChartInput;
  columns: TableColumns | null;
  // Above the chart: the study and the date ("Dyfuzja, 11.12.2026"), or nothing.
  heading: string;
}

export async function layOutTablePrint(table: TablePrint): Promise<void> {
  const img = await image(await chartPng(table.chart));
  const page = newSheet();
  page.append(place(img, 0, 0));
  // The desktop's places: the chart's frame from the page's size (PaperChartFrame).
  const left = Math.floor(pageWidth / 8);
  const top = Math.floor(pageHeight / 16);
  if (table.heading) {
    const heading = document.createElement("p");
    heading.textContent = table.heading;
    page.append(place(heading, left, Math.floor(top / 4)));
  }
  const rows = document.createElement("table");
  const body = document.createElement("tbody");
  if (table.columns) {
    const head = document.createElement("tr");
    const x = document.createElement("th");
    x.textContent = table.columns.x;
    const y = document.createElement("th");
    y.append(table.columns.y);
    if (table.columns.yExponent) {
      const sup = document.createElement("sup");
      sup.textContent = table.columns.yExponent;
      y.append(" ", sup);
    }
    if (table.columns.yUnit) y.append(" " + table.columns.yUnit);
    head.append(x, y);
    body.append(head);
  } else {
    body.append(document.createElement("tr"));
  }
  const values = table.chart.rows;
  const language = table.chart.language;
  for (let i = 0; i + 1 < values.length && i < 34; i += 2) {
    const vx = values[i]!;
    const vy = values[i + 1]!;
    if (vx === -1 || vy === -1) continue;
    const row = document.createElement("tr");
    for (const v of [vx, vy]) {
      const cell = document.createElement("td");
      cell.textContent = chartModule().printedNumber(v, language);
      row.append(cell);
    }
    body.append(row);
  }
  rows.append(body);
  page.append(place(rows, left, top + pageHeight / 2));
}

// Opens the browser's print dialog for the sheet laid out last, under the job's title (the
// desktop's job titles, "Wydruk tabeli pomiarów - ..."), and forgets the sheet afterwards.
export function printLaidOut(title: string): void {
  const before = document.title;
  document.title = title;
  window.addEventListener(
    "afterprint",
    () => {
      document.title = before;
      clearPrint();
    },
    { once: true },
  );
  window.print();
}

export async function printSimulation(
  title: string,
  frame: FrameSource,
  whitePaper = true,
): Promise<void> {
  await layOutSimulationPrint(frame, whitePaper);
  printLaidOut(title);
}

export async function printVessel(
  title: string,
  vessel: VesselPage,
  sprites: SpriteAtlas,
): Promise<void> {
  await layOutVesselPrint(vessel, sprites);
  printLaidOut(title);
}

export async function printTable(title: string, table: TablePrint): Promise<void> {
  await layOutTablePrint(table);
  printLaidOut(title);
}
