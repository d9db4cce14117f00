// PNG files from canvases, with their resolution recorded (a pHYs chunk) as the desktop's are,
// so that a picture of the chart prints at its size on paper.
const crcTable = (() => {
  const table = new Uint32Array(256);
  for (let n = 0; n < 256; n++) {
    let c = n;
    for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    table[n] = c >>> 0;
  }
  return table;
})();

function crc32(bytes: Uint8Array): number {
  let c = 0xffffffff;
  for (const b of bytes) c = crcTable[(c ^ b) & 0xff]! ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}

// The PNG with a pHYs chunk of the given dots per inch right after its header chunk.
export function withResolution(png: Uint8Array, dotsPerInch: number): Uint8Array {
  const perMetre = Math.round(dotsPerInch / 0.0254);
  const chunk = new Uint8Array(21);
  const view = new DataView(chunk.buffer);
  view.setUint32(0, 9);
  chunk.set([0x70, 0x48, 0x59, 0x73], 4); // pHYs
  view.setUint32(8, perMetre);
  view.setUint32(12, perMetre);
  chunk[16] = 1; // per metre
  view.setUint32(17, crc32(chunk.subarray(4, 17)));
  const headerEnd = 8 + 8 + 13 + 4; // signature, IHDR
  const out = new Uint8Array(png.length + chunk.length);
  out.set(png.subarray(0, headerEnd));
  out.set(chunk, headerEnd);
  out.set(png.subarray(headerEnd), headerEnd + chunk.length);
  return out;
}

export async function canvasPng(canvas: HTMLCanvasElement | OffscreenCanvas): Promise<Uint8Array> {
  const blob =
    canvas instanceof HTMLCanvasElement
      ? await new Promise<Blob>((done, fail) =>
          canvas.toBlob((b) => (b ? done(b) : fail(new Error("no PNG"))), "image/png"),
        )
      : await canvas.convertToBlob({ type: "image/png" });
  return new Uint8Array(await blob.arrayBuffer());
}
