// The two sprite sets, drawn at build time by the desktop's own code (src/display/Sprites.cpp)
// into one picture: the key colour already transparent, every pixel as on the desktop.
import atlasUrl from "@module/sprites.png";
import places from "@module/sprites.json";

export type SpritePlace = readonly [x: number, y: number, width: number, height: number];

export interface SpriteAtlas {
  image: ImageBitmap;
  // The picture's pixels, RGBA bytes as ImageData holds them, one 32-bit word each.
  pixels: Uint32Array;
  // By set (0 particles, 1 instruments), then by index.
  sets: readonly (readonly SpritePlace[])[];
}

export async function loadSprites(): Promise<SpriteAtlas> {
  const blob = await (await fetch(atlasUrl)).blob();
  // Taken as stored, without colour management. Every pixel is opaque or transparent, so
  // premultiplying changes none of them, and spares the canvas doing it at every copy.
  const image = await createImageBitmap(blob, {
    premultiplyAlpha: "premultiply",
    colorSpaceConversion: "none",
  });
  const canvas = new OffscreenCanvas(image.width, image.height);
  const context = canvas.getContext("2d")!;
  context.drawImage(image, 0, 0);
  const data = context.getImageData(0, 0, image.width, image.height).data;
  const pixels = new Uint32Array(data.buffer, data.byteOffset, data.byteLength / 4);
  return { image, pixels, sets: [places.particles, places.instruments] };
}
