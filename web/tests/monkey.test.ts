// Random clicks, keys, typing and pastes from fixed seeds, on every control the page shows:
// no uncaught exception, no task over 250 ms, and the page answers after every action.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import type { Page } from "playwright-core";
import { openPage, pageErrors, startHarness, type Harness } from "./support.js";

let harness: Harness;

before(async () => {
  harness = await startHarness();
});

after(async () => {
  await harness?.close();
});

// A small fixed generator (mulberry32), the same sequence on every machine.
function generator(seed: number): () => number {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

const keys = [" ", "r", "p", "Escape", "F1", "F12", "Tab", "Enter", "ArrowUp", "ArrowRight"];
const typed = ["5", "12", "0", ",", ".", "1,5", "abc", "-3", "999999", "0,06", " ", "7e3"];
const pasted = [",5", "12.34.5", "3,3,3", "x".repeat(500), "1\t2\n3", "٣", "NaN", "1e400"];

// The longest task so far, or null when the page does not answer within 5 s.
async function answers(page: Page): Promise<number | null> {
  const answer = page.evaluate(() => (window as unknown as { longest: number }).longest);
  const late = new Promise<null>((done) => setTimeout(() => done(null), 5000));
  return Promise.race([answer, late]);
}

async function monkey(seed: number, actions: number): Promise<void> {
  const page = await openPage(harness);
  await page.evaluate(() => {
    window.print = () => undefined;
    window.confirm = () => true;
    window.close = () => undefined;
    const w = window as unknown as { longest: number };
    w.longest = 0;
    // Only what the actions cost: loading the page is no handler.
    const from = performance.now();
    new PerformanceObserver((list) => {
      for (const entry of list.getEntries())
        if (entry.startTime >= from) w.longest = Math.max(w.longest, entry.duration);
    }).observe({ type: "longtask" });
  });
  // Nothing that leaves the page: no downloads, no links out.
  await page.route("**/*", (route) =>
    route.request().url().startsWith(harness.url) ? route.continue() : route.abort(),
  );
  const random = generator(seed);
  const pick = <T>(list: readonly T[]): T => list[Math.floor(random() * list.length)]!;
  const done: string[] = [];
  for (let k = 0; k < actions; k++) {
    const choice = random();
    let action = "";
    if (choice < 0.55) {
      const targets = page.locator(
        ".overlay button:visible, .overlay input:visible, dialog[open] button",
      );
      const count = await targets.count();
      if (count > 0) {
        const target = targets.nth(Math.floor(random() * count));
        const tool = await target.getAttribute("data-tool");
        action = await target.evaluate((e) => e.outerHTML.slice(0, 120));
        if (tool !== "save") await target.click({ timeout: 2000, force: true }).catch(() => {});
      }
    } else if (choice < 0.8) {
      action = pick(keys);
      await page.keyboard.press(action);
    } else if (choice < 0.92) {
      action = `type ${pick(typed)}`;
      await page.keyboard.type(action.slice(5));
    } else {
      action = "paste";
      await page.keyboard.insertText(pick(pasted));
    }
    done.push(action);
    const longest = await answers(page);
    assert.ok(longest !== null, `seed ${seed}: the page stopped answering after ${action}`);
    assert.ok(
      longest <= 250,
      `seed ${seed}: a task took ${longest} ms, after ${done.slice(-3).join(" | ")}`,
    );
  }
  assert.deepEqual(pageErrors(page), [], `seed ${seed}`);
  await page.close();
}

test("a monkey on the whole page finds no exception, no long task and no hang", async () => {
  for (const seed of [1, 2, 3]) await monkey(seed, 120);
});
