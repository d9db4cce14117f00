// The desktop's pictures around the simulations (web/host/WebPictures.cpp): the banner, the
// glyphs of the menu and the tools, the topics' icons and the exercise pages' pictures, all in
// one picture, each shown as a part of it.
import atlasUrl from "@module/pictures.png";
import places from "@module/pictures.json";

// A decorative picture: the text beside it says what it stands for.
export function picture(name: string, className = "picture"): HTMLSpanElement {
  const span = document.createElement("span");
  span.className = className;
  span.setAttribute("aria-hidden", "true");
  setPicture(span, name);
  return span;
}

export function setPicture(span: HTMLElement, name: string): void {
  const place = places[name];
  if (!place) return;
  const [x, y, width, height] = place;
  const s = span.style;
  s.display = "inline-block";
  s.width = `${width}px`;
  s.height = `${height}px`;
  s.background = `url(${atlasUrl}) ${-x}px ${-y}px no-repeat`;
}
