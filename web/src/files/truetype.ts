// What the PDF writer needs of a TrueType font: its glyph for each character, the glyphs'
// advances and the font's overall measures.
export interface TrueTypeFont {
  bytes: Uint8Array;
  unitsPerEm: number;
  ascent: number;
  descent: number;
  box: [number, number, number, number];
  glyphOf(codePoint: number): number;
  advanceOf(glyph: number): number;
}

export function readTrueType(bytes: Uint8Array): TrueTypeFont {
  const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
  const tables = new Map<string, number>();
  const count = view.getUint16(4);
  for (let i = 0; i < count; i++) {
    const at = 12 + 16 * i;
    const tag = String.fromCharCode(...bytes.subarray(at, at + 4));
    tables.set(tag, view.getUint32(at + 8));
  }
  const table = (tag: string): number => {
    const at = tables.get(tag);
    if (at === undefined) throw new Error(`the font has no ${tag} table`);
    return at;
  };
  const head = table("head");
  const unitsPerEm = view.getUint16(head + 18);
  const box: [number, number, number, number] = [
    view.getInt16(head + 36),
    view.getInt16(head + 38),
    view.getInt16(head + 40),
    view.getInt16(head + 42),
  ];
  const hhea = table("hhea");
  const ascent = view.getInt16(hhea + 4);
  const descent = view.getInt16(hhea + 6);
  const metrics = view.getUint16(hhea + 34);
  const hmtx = table("hmtx");

  // The Unicode map of the Basic Multilingual Plane (platform 3, encoding 1, format 4).
  const cmap = table("cmap");
  let map = -1;
  for (let i = 0; i < view.getUint16(cmap + 2); i++) {
    const at = cmap + 4 + 8 * i;
    if (view.getUint16(at) === 3 && view.getUint16(at + 2) === 1)
      map = cmap + view.getUint32(at + 4);
  }
  if (map < 0 || view.getUint16(map) !== 4) throw new Error("the font has no Unicode map");
  const segments = view.getUint16(map + 6) / 2;
  const ends = map + 14;
  const starts = ends + 2 * segments + 2;
  const deltas = starts + 2 * segments;
  const offsets = deltas + 2 * segments;
  const glyphs = new Map<number, number>();

  return {
    bytes,
    unitsPerEm,
    ascent,
    descent,
    box,
    glyphOf(c) {
      const known = glyphs.get(c);
      if (known !== undefined) return known;
      let glyph = 0;
      for (let s = 0; s < segments; s++) {
        if (c > view.getUint16(ends + 2 * s)) continue;
        const start = view.getUint16(starts + 2 * s);
        if (c < start) break;
        const delta = view.getUint16(deltas + 2 * s);
        const rangeAt = offsets + 2 * s;
        const range = view.getUint16(rangeAt);
        if (range === 0) {
          glyph = (c + delta) & 0xffff;
        } else {
          const g = view.getUint16(rangeAt + range + 2 * (c - start));
          glyph = g === 0 ? 0 : (g + delta) & 0xffff;
        }
        break;
      }
      glyphs.set(c, glyph);
      return glyph;
    },
    advanceOf(glyph) {
      const at = hmtx + 4 * Math.min(glyph, metrics - 1);
      return view.getUint16(at);
    },
  };
}
