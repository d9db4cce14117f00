// What the engine's build folder holds for the page (web/wasm/CMakeLists.txt).
declare module "@module/kinetra.mjs" {
  const createKinetra: (options?: object) => Promise<unknown>;
  export default createKinetra;
}

declare module "@module/sprites.json" {
  const places: {
    particles: [number, number, number, number][];
    instruments: [number, number, number, number][];
  };
  export default places;
}

declare module "@module/pictures.json" {
  const places: Record<string, [number, number, number, number]>;
  export default places;
}
