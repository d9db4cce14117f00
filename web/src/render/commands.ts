// The letters that start each drawing command in the engine's buffer (web/wasm/CommandCanvas.h),
// and how many argument words each has.
export const Op = {
  FillSurface: 0x53, // 'S' colour
  FillRect: 0x46, // 'F' left top right bottom colour
  Sprite: 0x44, // 'D' set index x y
  Text: 0x54, // 'T' x y size offset length
  Width: 0x57, // 'W' width offset length
  FontSize: 0x5a, // 'Z' size
  Pen: 0x50, // 'P' rgb
  MoveTo: 0x4d, // 'M' x y
  LineTo: 0x4c, // 'L' x y
  Release: 0x52, // 'R'
  Present: 0x21, // '!'
} as const;

export const argumentCount: Readonly<Record<number, number>> = {
  [Op.FillSurface]: 1,
  [Op.FillRect]: 5,
  [Op.Sprite]: 4,
  [Op.Text]: 5,
  [Op.Width]: 3,
  [Op.FontSize]: 1,
  [Op.Pen]: 1,
  [Op.MoveTo]: 2,
  [Op.LineTo]: 2,
  [Op.Release]: 0,
  [Op.Present]: 0,
};
