// Pictures of the page's canvas: saved as PNG, and compared pixel by pixel with a desktop
// picture, in the page.
import { readFileSync, writeFileSync } from "node:fs";
import type { Page } from "playwright-core";

export async function saveCanvas(page: Page, path: string): Promise<void> {
  const data = await page.evaluate(() => document.querySelector("canvas")!.toDataURL("image/png"));
  writeFileSync(path, Buffer.from(data.slice(data.indexOf(",") + 1), "base64"));
}

export interface Difference {
  // Pixels that differ at all, and those of them outside the soft places.
  different: number;
  elsewhere: number;
  total: number;
}

// The canvas (one device pixel per surface pixel) against a desktop picture of 1024 x 768; the
// soft places ([left, top, right, bottom)) hold text and lines.
export async function compareWithDesktop(
  page: Page,
  desktopPng: string,
  soft: [number, number, number, number][],
): Promise<Difference> {
  const encoded = readFileSync(desktopPng).toString("base64");
  return page.evaluate(
    async ([base64, places]) => {
      const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
      const picture = await createImageBitmap(new Blob([bytes], { type: "image/png" }), {
        premultiplyAlpha: "none",
        colorSpaceConversion: "none",
      });
      const desktop = new OffscreenCanvas(picture.width, picture.height).getContext("2d")!;
      desktop.drawImage(picture, 0, 0);
      const canvas = document.querySelector("canvas")!;
      const want = desktop.getImageData(0, 0, picture.width, picture.height).data;
      const got = canvas.getContext("2d")!.getImageData(0, 0, canvas.width, canvas.height).data;
      const width = picture.width;
      if (canvas.width !== width || canvas.height !== picture.height)
        return { different: -1, elsewhere: -1, total: 0 };
      const isSoft = new Uint8Array(width * picture.height);
      for (const [left, top, right, bottom] of places) {
        for (let y = Math.max(0, top); y < Math.min(picture.height, bottom); y++)
          isSoft.fill(1, y * width + Math.max(0, left), y * width + Math.min(width, right));
      }
      let different = 0;
      let elsewhere = 0;
      for (let k = 0; k < want.length; k += 4) {
        if (want[k] === got[k] && want[k + 1] === got[k + 1] && want[k + 2] === got[k + 2])
          continue;
        different++;
        if (!isSoft[k / 4]) elsewhere++;
      }
      return { different, elsewhere, total: want.length / 4 };
    },
    [encoded, soft] as const,
  );
}
