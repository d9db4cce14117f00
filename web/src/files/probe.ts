// What the tests ask of the files and the print layouts (window.kinetraKit): each file's bytes
// as base64, and the print sheets laid out for the browser to print to PDF. A simulation's
// picture comes from a run of its own, started and ticked here.
import { drawChart } from "../chart/drawChart";
import type { ChartInput } from "../chart/plan";
import type { EngineModule, Session } from "../engine/module";
import type { SpriteAtlas } from "../render/sprites";
import {
  clearPrint,
  layOutSimulationPrint,
  layOutTablePrint,
  layOutVesselPrint,
  type TablePrint,
  type VesselPage,
} from "../print";
import { chartPdf, chartPng, saveTableCsv, simulationPng, tableCsv, type FrameSource } from ".";
import { canvasPng } from "./png";

function base64(bytes: Uint8Array): string {
  let text = "";
  for (let i = 0; i < bytes.length; i += 0x8000)
    text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
  return btoa(text);
}

export interface KitProbe {
  csv(xHeading: string, yHeading: string, rows: number[]): string;
  saveCsv(name: string, xHeading: string, yHeading: string, rows: number[]): void;
  chartPng(chart: ChartInput): Promise<string>;
  chartPdf(chart: ChartInput): Promise<string>;
  screenChart(chart: ChartInput, width: number, height: number): Promise<string>;
  simulationPng(mode: number, ticks: number): Promise<string>;
  layOutSimulation(mode: number, ticks: number, whitePaper: boolean): Promise<void>;
  layOutVessel(mode: number, ticks: number, language: string): Promise<void>;
  layOutTable(table: TablePrint): Promise<void>;
  clear(): void;
}

declare global {
  interface Window {
    kinetraKit?: KitProbe;
  }
}

export function installKitProbe(engine: EngineModule, sprites: SpriteAtlas): void {
  const ran = (mode: number, ticks: number): Session => {
    const session = new engine.Session();
    let now = 1000;
    if (!session.start(mode, now, 10_000)) throw new Error(`mode ${mode} did not start`);
    session.startClock(now);
    for (let k = 0; k < ticks; k++) session.tick((now += 16));
    return session;
  };
  const printing = engine as unknown as {
    vesselPage(session: Session, vmax: number, language: string): VesselPage | null;
  };
  const frameOf = (mode: number, ticks: number): FrameSource => {
    const session = ran(mode, ticks);
    try {
      session.redraw();
      return {
        sprites,
        ascent: (points) => engine.textAscent(points),
        words: session.words().slice(),
        texts: session.texts().slice(),
      };
    } finally {
      session.delete();
    }
  };
  window.kinetraKit = {
    csv: (x, y, rows) => base64(tableCsv(x, y, rows)),
    saveCsv: saveTableCsv,
    chartPng: async (chart) => base64(await chartPng(chart)),
    chartPdf: async (chart) => base64(await chartPdf(chart)),
    async screenChart(chart, width, height) {
      const canvas = document.createElement("canvas");
      canvas.width = width;
      canvas.height = height;
      drawChart(canvas.getContext("2d")!, width, height, chart);
      return base64(await canvasPng(canvas));
    },
    simulationPng: async (mode, ticks) => base64(await simulationPng(frameOf(mode, ticks))),
    layOutSimulation: (mode, ticks, white) => layOutSimulationPrint(frameOf(mode, ticks), white),
    async layOutVessel(mode, ticks, language) {
      const session = ran(mode, ticks);
      try {
        const page = printing.vesselPage(session, session.controls().maxSpeed, language);
        if (!page) throw new Error(`mode ${mode} has no vessel page`);
        await layOutVesselPrint(page, sprites);
      } finally {
        session.delete();
      }
    },
    layOutTable: (table) => layOutTablePrint(table),
    clear: clearPrint,
  };
}
