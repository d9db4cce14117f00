// Small helpers for the page's HTML, laid out in stage pixels.
export type Box = [left: number, top: number, width: number, height: number];

export function el<K extends keyof HTMLElementTagNameMap>(
  tag: K,
  className = "",
  box?: Box,
): HTMLElementTagNameMap[K] {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (box) place(e, box);
  return e;
}

export function place(e: HTMLElement, [left, top, width, height]: Box): void {
  const s = e.style;
  s.position = "absolute";
  s.left = `${left}px`;
  s.top = `${top}px`;
  if (width > 0) s.width = `${width}px`;
  if (height > 0) s.height = `${height}px`;
}

export function button(
  className: string,
  box: Box | undefined,
  click: () => void,
): HTMLButtonElement {
  const b = el("button", className, box);
  b.type = "button";
  b.addEventListener("click", click);
  return b;
}

export function show(e: HTMLElement, shown: boolean): void {
  if (e.hidden === !shown) return;
  e.hidden = !shown;
}

export function setText(e: HTMLElement, text: string): void {
  if (e.textContent !== text) e.textContent = text;
}
