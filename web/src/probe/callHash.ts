// The fingerprint of a frame's drawing calls that the desktop's HashingCanvas takes
// (tests/support/CallHash.h), read from the very buffer the renderer replays.
import { Op, argumentCount } from "../render/commands";
import { Fnv1a } from "./fnv";

export function callHash(words: Int32Array, texts: Uint8Array): string {
  const hash = new Fnv1a();
  let at = 0;
  while (at < words.length) {
    const op = words[at++]!;
    const count = argumentCount[op];
    if (count === undefined) throw new Error(`unknown drawing command ${op}`);
    hash.int(op);
    const textual = op === Op.Text || op === Op.Width;
    // A text's offset and length in the text buffer are where it is kept, not its arguments.
    const shown = textual ? count - 2 : count;
    for (let k = 0; k < shown; k++) hash.int(words[at + k]!);
    if (textual) {
      const offset = words[at + count - 2]!;
      hash.text(texts.subarray(offset, offset + words[at + count - 1]!));
    }
    at += count;
  }
  return hash.value();
}
