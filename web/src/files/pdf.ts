// A small PDF writer: one page of vector drawing (lines, rectangles, circles, clipping) and
// text in one embedded TrueType font, written as a CID font so that any character of the font
// (Polish, Ukrainian, superscripts) is shown and can be copied out as text.
import type { TrueTypeFont } from "./truetype";

const encoder = new TextEncoder();

function number(v: number): string {
  return Number.isInteger(v) ? String(v) : v.toFixed(4).replace(/\.?0+$/, "");
}

function rgb(colour: readonly [number, number, number]): string {
  return colour.map((c) => number(c / 255)).join(" ");
}

// Drawing in the page's own units (points, y upwards), or in any units after `transform`.
export class PdfPage {
  private readonly ops: string[] = [];
  private readonly used = new Map<number, number>(); // glyph -> character

  constructor(
    readonly width: number,
    readonly height: number,
    private readonly font: TrueTypeFont,
  ) {}

  op(text: string): void {
    this.ops.push(text);
  }

  transform(a: number, b: number, c: number, d: number, e: number, f: number): void {
    this.op(`${[a, b, c, d, e, f].map(number).join(" ")} cm`);
  }

  save(): void {
    this.op("q");
  }

  restore(): void {
    this.op("Q");
  }

  stroke(colour: readonly [number, number, number], width: number): void {
    this.op(`${rgb(colour)} RG ${number(width)} w 0 J 0 j`);
  }

  fill(colour: readonly [number, number, number]): void {
    this.op(`${rgb(colour)} rg`);
  }

  // Lines as x1, y1, x2, y2 in turn, stroked.
  lines(lines: readonly number[], shift = 0): void {
    const parts: string[] = [];
    for (let i = 0; i + 3 < lines.length; i += 4) {
      parts.push(
        `${number(lines[i]! + shift)} ${number(lines[i + 1]! + shift)} m ` +
          `${number(lines[i + 2]! + shift)} ${number(lines[i + 3]! + shift)} l`,
      );
    }
    if (parts.length > 0) this.op(parts.join(" ") + " S");
  }

  polyline(points: readonly number[], shift = 0): void {
    if (points.length < 4) return;
    const parts = [`${number(points[0]! + shift)} ${number(points[1]! + shift)} m`];
    for (let i = 2; i + 1 < points.length; i += 2)
      parts.push(`${number(points[i]! + shift)} ${number(points[i + 1]! + shift)} l`);
    this.op(parts.join(" ") + " S");
  }

  fillRect(x: number, y: number, w: number, h: number): void {
    this.op(`${number(x)} ${number(y)} ${number(w)} ${number(h)} re f`);
  }

  clipRect(x: number, y: number, w: number, h: number): void {
    this.op(`${number(x)} ${number(y)} ${number(w)} ${number(h)} re W n`);
  }

  // A filled and stroked circle, as four Bézier quarters.
  circle(cx: number, cy: number, r: number): void {
    const k = 0.5523 * r;
    this.op(
      `${number(cx + r)} ${number(cy)} m ` +
        `${number(cx + r)} ${number(cy + k)} ${number(cx + k)} ${number(cy + r)} ${number(cx)} ${number(cy + r)} c ` +
        `${number(cx - k)} ${number(cy + r)} ${number(cx - r)} ${number(cy + k)} ${number(cx - r)} ${number(cy)} c ` +
        `${number(cx - r)} ${number(cy - k)} ${number(cx - k)} ${number(cy - r)} ${number(cx)} ${number(cy - r)} c ` +
        `${number(cx + k)} ${number(cy - r)} ${number(cx + r)} ${number(cy - k)} ${number(cx + r)} ${number(cy)} c B`,
    );
  }

  // Text from its baseline's start; flipY writes it upright in a space whose y grows downwards.
  text(x: number, y: number, size: number, text: string, flipY = false): void {
    let hex = "";
    for (const ch of text) {
      const code = ch.codePointAt(0)!;
      const glyph = this.font.glyphOf(code);
      this.used.set(glyph, code);
      hex += glyph.toString(16).padStart(4, "0");
    }
    const d = flipY ? -1 : 1;
    this.op(`BT /F1 ${number(size)} Tf 1 0 0 ${d} ${number(x)} ${number(y)} Tm <${hex}> Tj ET`);
  }

  content(): string {
    return this.ops.join("\n") + "\n";
  }

  glyphs(): Map<number, number> {
    return this.used;
  }
}

// Compressed where the browser can (FlateDecode); older browsers write the bytes as they are.
async function deflate(bytes: Uint8Array): Promise<Uint8Array | null> {
  if (typeof CompressionStream === "undefined") return null;
  const stream = new Blob([bytes as BlobPart])
    .stream()
    .pipeThrough(new CompressionStream("deflate"));
  return new Uint8Array(await new Response(stream).arrayBuffer());
}

function toUnicode(glyphs: Map<number, number>): string {
  const entries = [...glyphs].sort((a, b) => a[0] - b[0]);
  const lines: string[] = [];
  for (let i = 0; i < entries.length; i += 100) {
    const block = entries.slice(i, i + 100);
    lines.push(`${block.length} beginbfchar`);
    for (const [glyph, code] of block) {
      const utf16 = String.fromCodePoint(code);
      let hex = "";
      for (let k = 0; k < utf16.length; k++)
        hex += utf16.charCodeAt(k).toString(16).padStart(4, "0");
      lines.push(`<${glyph.toString(16).padStart(4, "0")}> <${hex}>`);
    }
    lines.push("endbfchar");
  }
  return (
    "/CIDInit /ProcSet findresource begin 12 dict begin begincmap\n" +
    "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n" +
    "/CMapName /Adobe-Identity-UCS def /CMapType 2 def\n" +
    "1 begincodespacerange <0000> <FFFF> endcodespacerange\n" +
    lines.join("\n") +
    "\nendcmap CMapName currentdict /CMap defineresource pop end end\n"
  );
}

// The document of one page, its font embedded whole.
export async function writePdf(
  page: PdfPage,
  font: TrueTypeFont,
  fontName: string,
  creator: string,
): Promise<Uint8Array> {
  const scale = 1000 / font.unitsPerEm;
  const widths = [...page.glyphs().keys()]
    .sort((a, b) => a - b)
    .map((g) => `${g} [${Math.round(font.advanceOf(g) * scale)}]`)
    .join(" ");
  const contentBytes = encoder.encode(page.content());
  const content = await deflate(contentBytes);
  const fontFile = await deflate(font.bytes);
  const stream = (packed: Uint8Array | null, plain: Uint8Array, extra = "") =>
    packed
      ? { dict: `/Filter /FlateDecode${extra}`, data: packed }
      : { dict: extra.trim(), data: plain };
  const cmap = encoder.encode(toUnicode(page.glyphs()));

  type Body = string | { dict: string; data: Uint8Array };
  const objects: Body[] = [
    "<< /Type /Catalog /Pages 2 0 R >>",
    "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
    `<< /Type /Page /Parent 2 0 R /MediaBox [0 0 ${number(page.width)} ${number(page.height)}] ` +
      "/Resources << /Font << /F1 5 0 R >> >> /Contents 4 0 R >>",
    stream(content, contentBytes),
    `<< /Type /Font /Subtype /Type0 /BaseFont /${fontName} /Encoding /Identity-H ` +
      "/DescendantFonts [6 0 R] /ToUnicode 9 0 R >>",
    `<< /Type /Font /Subtype /CIDFontType2 /BaseFont /${fontName} ` +
      "/CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> " +
      `/FontDescriptor 7 0 R /CIDToGIDMap /Identity /DW 1000 /W [${widths}] >>`,
    `<< /Type /FontDescriptor /FontName /${fontName} /Flags 32 ` +
      `/FontBBox [${font.box.map((v) => Math.round(v * scale)).join(" ")}] /ItalicAngle 0 ` +
      `/Ascent ${Math.round(font.ascent * scale)} /Descent ${Math.round(font.descent * scale)} ` +
      `/CapHeight ${Math.round(font.ascent * scale)} /StemV 120 /FontFile2 8 0 R >>`,
    stream(fontFile, font.bytes, ` /Length1 ${font.bytes.length}`),
    { dict: "", data: cmap },
    `<< /Producer (${creator}) /Creator (${creator}) >>`,
  ];

  const chunks: Uint8Array[] = [];
  let length = 0;
  const put = (part: string | Uint8Array): void => {
    const bytes = typeof part === "string" ? encoder.encode(part) : part;
    chunks.push(bytes);
    length += bytes.length;
  };
  put("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n");
  const offsets: number[] = [];
  objects.forEach((body, i) => {
    offsets.push(length);
    put(`${i + 1} 0 obj\n`);
    if (typeof body === "string") {
      put(body + "\n");
    } else {
      put(`<< ${body.dict} /Length ${body.data.length} >>\nstream\n`);
      put(body.data);
      put("\nendstream\n");
    }
    put("endobj\n");
  });
  const xref = length;
  put(`xref\n0 ${objects.length + 1}\n0000000000 65535 f \n`);
  for (const offset of offsets) put(`${String(offset).padStart(10, "0")} 00000 n \n`);
  put(
    `trailer\n<< /Size ${objects.length + 1} /Root 1 0 R /Info ${objects.length} 0 R >>\n` +
      `startxref\n${xref}\n%%EOF\n`,
  );
  const out = new Uint8Array(length);
  let at = 0;
  for (const c of chunks) {
    out.set(c, at);
    at += c.length;
  }
  return out;
}
