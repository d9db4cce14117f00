// Served from a web server, the page installs as an app and keeps itself for use without a
// network (dist/sw.js, dist/kinetra.webmanifest). Opened from a disk there is nothing to do:
// the file holds everything already.
export function offerOffline(): void {
  if (location.protocol !== "http:" && location.protocol !== "https:") return;
  const link = document.createElement("link");
  link.rel = "manifest";
  link.href = "./kinetra.webmanifest";
  document.head.append(link);
  if ("serviceWorker" in navigator) {
    navigator.serviceWorker.register("./sw.js").catch(() => {
      // Without it the page works as before, only not offline.
    });
  }
}
