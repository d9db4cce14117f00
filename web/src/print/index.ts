// Printing through the browser's print dialog, with the desktop's pages (src/measure/
// PrintPages.cpp) as print layouts: the simulation's picture half a page wide, centred, a
// tenth of the page down, on white by default as the desktop prints it; and a table's page, its
// chart in the upper half of an A4 page and the filled rows below it.
import "./print.css";
import { chartModule, type ChartInput } from "../chart/plan";
import { chartPng } from "../files/chartFiles";
import { surfacePicture, tonerLight, type FrameSource } from "../files/picture";

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

export async function printTable(title: string, table: TablePrint): Promise<void> {
  await layOutTablePrint(table);
  printLaidOut(title);
}
