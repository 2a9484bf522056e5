// The web page's benchmark (not a test): how soon a freshly loaded page shows its first
// frame, and how long each frame's work (update, draw, copy to the canvas) takes while the
// automatic player plays, on a desktop-sized page and on a phone's screen.
//   PEBBLOR_PAGE=build-web/page node tests/web/bench.mjs [FRAMES]
import { launchChromium, servePage } from "./harness.mjs";

const frames = Number(process.argv[2] || 900);
const screens = [
  { name: "1280 x 800", options: { viewport: { width: 1280, height: 800 } } },
  { name: "phone 390 x 844 at 3x", options: {
    viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true } },
];

function percentile(sorted, p) {
  return sorted[Math.min(sorted.length - 1, Math.floor(p * sorted.length))];
}

const server = await servePage(process.env.PEBBLOR_PAGE);
const browser = await launchChromium();
try {
  for (const screen of screens) {
    const firstFrames = [];
    for (let load = 0; load < 5; ++load) {
      const context = await browser.newContext(screen.options);
      const page = await context.newPage();
      await page.goto(server.url);
      await page.waitForFunction(() => window.pebblor && window.pebblor.firstFrameAt !== null);
      firstFrames.push(await page.evaluate(() => window.pebblor.firstFrameAt));
      await context.close();
    }
    firstFrames.sort((a, b) => a - b);
    console.log(`${screen.name}: first frame ${firstFrames.map((t) => t.toFixed(0)).join(", ")} ms ` +
      "after the page was asked for (five fresh loads, sorted)");

    const context = await browser.newContext(screen.options);
    const page = await context.newPage();
    await page.goto(server.url + "?autoplay");
    await page.waitForFunction((count) => window.pebblor.frameWork.length >= count, frames,
      { timeout: frames * 100 });
    const canvas = await page.evaluate(() => [document.getElementById("field").width,
      document.getElementById("field").height]);
    const work = (await page.evaluate(() => window.pebblor.frameWork)).slice(0, frames);
    await context.close();
    work.sort((a, b) => a - b);
    console.log(`${screen.name}: canvas ${canvas[0]} x ${canvas[1]}, ${frames} autoplayed frames' ` +
      `work: median ${percentile(work, 0.5).toFixed(2)} ms, 95th percentile ` +
      `${percentile(work, 0.95).toFixed(2)} ms, 99th ${percentile(work, 0.99).toFixed(2)} ms, ` +
      `most ${work[work.length - 1].toFixed(2)} ms`);
  }
} finally {
  await browser.close();
  await server.close();
}
