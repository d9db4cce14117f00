// What the address asks for: ?mode=1..7 starts that mode at once; model=exact, histogram=1,
// lines=0 (no velocity lines), large=1 (the large view), labels=1 (heat-transport labels kept).
import type { ViewOptions } from "./engine/module";

export interface PageOptions {
  mode: number | null;
  exactModel: boolean;
  histogram: boolean;
  view: ViewOptions;
}

export function pageOptions(search: string): PageOptions {
  const query = new URLSearchParams(search);
  const mode = Number(query.get("mode"));
  return {
    mode: Number.isInteger(mode) && mode >= 1 && mode <= 7 ? mode : null,
    exactModel: query.get("model") === "exact",
    histogram: query.get("histogram") === "1",
    view: {
      velocityLines: query.get("lines") !== "0",
      largeView: query.get("large") === "1",
      labelUndetermined: query.get("labels") === "1",
    },
  };
}
