// The two sprite sets, drawn at build time by the desktop's own code (src/display/Sprites.cpp)
// into one picture: the key colour already transparent, every pixel as on the desktop.
import atlasUrl from "@module/sprites.png";
import places from "@module/sprites.json";

export type SpritePlace = readonly [x: number, y: number, width: number, height: number];

export interface SpriteAtlas {
  image: ImageBitmap;
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
  return { image, sets: [places.particles, places.instruments] };
}
