// A file given to the browser as a download under a suggested name; the browser asks where or
// puts it in its downloads folder, as the user has set it.
export function download(bytes: Uint8Array | string, name: string, type: string): void {
  const blob = new Blob([typeof bytes === "string" ? bytes : (bytes as BlobPart)], { type });
  const url = URL.createObjectURL(blob);
  const link = document.createElement("a");
  link.href = url;
  link.download = name;
  link.style.display = "none";
  document.body.append(link);
  link.click();
  link.remove();
  // The browser has taken the address when the click returns; it is freed a little later.
  setTimeout(() => URL.revokeObjectURL(url), 10_000);
}
