// The 16-bit surface colours shown as the desktop shows them (src/display/Rgb565.h): each
// channel scaled to 0..255 and truncated.
export function rgb565ToCss(v: number): string {
  const r = Math.floor((((v >> 11) & 31) * 255) / 31);
  const g = Math.floor((((v >> 5) & 63) * 255) / 63);
  const b = Math.floor(((v & 31) * 255) / 31);
  return `rgb(${r},${g},${b})`;
}

// A 24-bit 0xRRGGBB colour of text, lines and pictures.
export function rgbToCss(v: number): string {
  return `rgb(${(v >> 16) & 255},${(v >> 8) & 255},${v & 255})`;
}
