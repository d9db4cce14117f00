// A font shipped inside the page as a data URL (gzipped by the build, vite.config.ts), given to
// the browser as bytes: spares it decoding the URL, which takes several times longer for a font
// file of this size.
export async function fontBytes(url: string): Promise<ArrayBuffer> {
  const comma = url.indexOf(",");
  const head = url.slice(0, comma);
  if (!url.startsWith("data:") || !head.endsWith(";base64")) {
    throw new Error("the font is not inside the page");
  }
  const text = atob(url.slice(comma + 1));
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; i++) bytes[i] = text.charCodeAt(i);
  if (!head.startsWith("data:application/gzip")) return bytes.buffer;
  const unpacked = new Blob([bytes]).stream().pipeThrough(new DecompressionStream("gzip"));
  return new Response(unpacked).arrayBuffer();
}
