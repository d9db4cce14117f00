// FNV-1a over bytes, 64 bits, as tests/support/CallHash.h takes it, in two 32-bit halves.
export class Fnv1a {
  private hi = 0xcbf29ce4;
  private lo = 0x84222325;

  byte(b: number): void {
    const lo = (this.lo ^ b) >>> 0;
    // x * 0x100000001b3 = x * 0x1b3 + (x << 40), modulo 2^64.
    const low = lo * 0x1b3;
    const carry = Math.floor(low / 0x100000000);
    this.hi = (Math.imul(this.hi, 0x1b3) + carry + (lo << 8)) >>> 0;
    this.lo = low >>> 0;
  }

  // A whole number as eight little-endian bytes of its 64-bit two's complement.
  int(v: number): void {
    const lo = v >>> 0;
    const hi = Math.floor(v / 0x100000000) >>> 0;
    for (const half of [lo, hi]) {
      this.byte(half & 0xff);
      this.byte((half >>> 8) & 0xff);
      this.byte((half >>> 16) & 0xff);
      this.byte(half >>> 24);
    }
  }

  text(bytes: Uint8Array): void {
    this.int(bytes.length);
    for (const b of bytes) this.byte(b);
  }

  value(): string {
    return this.hi.toString(16).padStart(8, "0") + this.lo.toString(16).padStart(8, "0");
  }
}
