// The web page in headless Chromium: it starts and shows the title, mouse and touch play
// the slingshot, the player's table and settings stay in the page's storage, a scripted
// start gives pebblor-sim's state bit for bit, and the page stays within its size.
//   PEBBLOR_PAGE=build-web/page PEBBLOR_SIM=build/run/pebblor-sim \
//   PEBBLOR_PICTURES=build/run node --test tests/web/
import { after, before, describe, test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import zlib from "node:zlib";
import { launchChromium, servePage } from "./harness.mjs";

const pageDir = process.env.PEBBLOR_PAGE;
const simPath = process.env.PEBBLOR_SIM;
const picturesDir = process.env.PEBBLOR_PICTURES;

const kScreenTitle = 0;
const kScreenPlaying = 1;
const kScreenEntry = 4;
const kSoundKey = "pebblor.setting:Software\\Zorvane\\PebblorSoundSetting";
const kSizeKey = "pebblor.setting:Software\\Zorvane\\PebblorDisplayScale";
const kTableKey = "pebblor.file:/player/hiscores.dat";

let server;
let browser;

before(async () => {
  server = await servePage(pageDir);
  browser = await launchChromium();
});

after(async () => {
  await browser?.close();
  await server?.close();
});

// A page in a fresh context (empty storage) that fails the test on any console error.
async function openPage(query = "", contextOptions = {}, storage = {}) {
  const context = await browser.newContext(contextOptions);
  if (Object.keys(storage).length > 0) {
    await context.addInitScript((items) => {
      if (!sessionStorage.getItem("seeded")) {
        for (const [key, value] of Object.entries(items)) localStorage.setItem(key, value);
        sessionStorage.setItem("seeded", "1");
      }
    }, storage);
  }
  const page = await context.newPage();
  const errors = [];
  page.on("console", (message) => {
    if (message.type() === "error") errors.push(message.text());
  });
  page.on("pageerror", (error) => errors.push(error.message));
  await page.goto(server.url + query);
  page.errors = errors;
  return page;
}

async function firstFrame(page) {
  await page.waitForFunction(() => window.pebblor && window.pebblor.firstFrameAt !== null);
}

const state = (page) => page.evaluate(() => window.pebblor.state());

// Waits until the page's state passes the test, given as (state, value) => boolean.
function waitForState(page, passes, value) {
  return page.waitForFunction(
    ([source, argument]) => (0, eval)(source)(window.pebblor.state(), argument),
    [passes.toString(), value]);
}

// The canvas's rectangle in CSS pixels and its size in its own pixels.
async function fieldOnScreen(page) {
  return page.evaluate(() => {
    const canvas = document.getElementById("field");
    const box = canvas.getBoundingClientRect();
    return { box: { x: box.x, y: box.y, width: box.width, height: box.height },
             canvas: { width: canvas.width, height: canvas.height } };
  });
}

// CSS position of a field pixel, the field being as large as the canvas allows, centred.
function screenPoint({ box, canvas }, fieldX, fieldY) {
  const height = Math.min(canvas.height, 2 * canvas.width) & ~1;
  const scale = height / 576;
  const left = Math.floor((canvas.width - height / 2) / 2);
  const top = Math.floor((canvas.height - height) / 2);
  const toCss = box.width / canvas.width;
  return { x: box.x + (left + (fieldX + 0.5) * scale) * toCss,
           y: box.y + (top + (fieldY + 0.5) * scale) * toCss };
}

function ball(s) {
  return s.shots.find((shot) => shot.type === "GO_BALL");
}

describe("the page", () => {
  test("shows the title at load, exactly the game's picture, and no console error", async () => {
    // At size 1x on a plain screen every canvas pixel of the field is one game pixel.
    const page = await openPage("", { viewport: { width: 500, height: 700 } }, { [kSizeKey]: "1" });
    await firstFrame(page);
    const seen = await page.evaluate(() => {
      const s = window.pebblor.state();
      const canvas = document.getElementById("field");
      const left = Math.floor((canvas.width - 288) / 2);
      const top = Math.floor((canvas.height - 576) / 2);
      const pixels = canvas.getContext("2d").getImageData(left, top, 288, 576).data;
      // FNV-1a 64 over 0x00RRGGBB words, as the game hashes its back buffer.
      let hash = 0xcbf29ce484222325n;
      const colours = new Set();
      for (let i = 0; i < pixels.length; i += 4) {
        colours.add((pixels[i] << 16) | (pixels[i + 1] << 8) | pixels[i + 2]);
        for (const byte of [pixels[i + 2], pixels[i + 1], pixels[i], 0]) {
          hash = ((hash ^ BigInt(byte)) * 0x100000001b3n) & 0xffffffffffffffffn;
        }
      }
      return { screen: s.screen, frameHash: s.frameHash, canvasHash: hash.toString(16).padStart(16, "0"),
               colours: colours.size };
    });
    assert.equal(seen.screen, kScreenTitle);
    assert.equal(seen.canvasHash, seen.frameHash);
    assert.ok(seen.colours > 100, `the title shows only ${seen.colours} colours`);
    assert.deepEqual(page.errors, []);
    await page.context().close();
  });

  test("starts a game with a click; a mouse drag launches the ball; P pauses", async () => {
    const page = await openPage("", { viewport: { width: 480, height: 800 } });
    await firstFrame(page);
    const field = await fieldOnScreen(page);
    const centre = screenPoint(field, 144, 300);
    await page.mouse.click(centre.x, centre.y);
    await waitForState(page, (s, screen) => s.screen === screen && s.shots.some(
      (shot) => shot.type === "GO_BALL" && shot.loaded === 1), kScreenPlaying);
    assert.equal(await page.evaluate(() => Module.pebblorAudio.context.state), "running");

    await page.mouse.move(centre.x, centre.y);
    await page.mouse.down();
    const pulled = screenPoint(field, 150, 400);
    await page.mouse.move(pulled.x, pulled.y, { steps: 5 });
    await waitForState(page, (s) => s.dragAnchorX >= 0 && s.shots.some(
      (shot) => shot.type === "GO_BALL" && shot.y > 470));
    await page.mouse.up();
    await waitForState(page, (s) => s.shotsFired === 1);
    assert.ok(ball(await state(page)) === undefined || ball(await state(page)).y < 460.8);

    await page.keyboard.press("p");
    await waitForState(page, (s) => s.paused === 1);
    await page.keyboard.press("p");
    await waitForState(page, (s) => s.paused === 0);
    assert.deepEqual(page.errors, []);
    await page.context().close();
  });

  test("on a phone in portrait a finger starts a game and a touch drag launches the ball",
    async () => {
      const page = await openPage("", {
        viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true,
      });
      await firstFrame(page);
      const field = await fieldOnScreen(page);
      // The canvas takes the screen's pixels; the field fits it at 1:2.
      assert.equal(field.canvas.width, 390 * 3);
      assert.ok(field.canvas.height / 2 <= field.canvas.width);
      const touch = await page.context().newCDPSession(page);
      const finger = (type, point) => touch.send("Input.dispatchTouchEvent", {
        type, touchPoints: type === "touchEnd" ? [] : [{ x: point.x, y: point.y }],
      });
      const start = screenPoint(field, 144, 300);
      await finger("touchStart", start);
      await finger("touchEnd", start);
      await waitForState(page, (s, screen) => s.screen === screen && s.shots.some(
        (shot) => shot.type === "GO_BALL" && shot.loaded === 1), kScreenPlaying);

      await finger("touchStart", start);
      for (let y = 320; y <= 420; y += 20) await finger("touchMove", screenPoint(field, 140, y));
      await waitForState(page, (s) => s.shots.some((shot) => shot.type === "GO_BALL" && shot.y > 480));
      await finger("touchEnd", start);
      await waitForState(page, (s) => s.shotsFired === 1);
      assert.deepEqual(page.errors, []);
      await page.context().close();
    });

  test("keeps a high score entered at the keyboard across a reload", async () => {
    // A table anyone beats; a scripted start runs up to the initials of the game that ends.
    const table = "AAA\r\n-1\r\n0\r\n".repeat(10);
    const script = "1 down 144 300\n1 up 144 300\n";
    const page = await openPage(`?clock=1000&steps=2520&script=${encodeURIComponent(script)}`,
      {}, { [kTableKey]: table });
    await page.waitForFunction(() => window.pebblor.replay !== null);
    assert.equal(await page.evaluate(() => window.pebblor.replay.screen), kScreenEntry);
    await page.keyboard.type("zed");
    await page.keyboard.press("Enter");
    await waitForState(page, (s, screen) => s.screen === screen, kScreenTitle);
    assert.match(await page.evaluate((key) => localStorage.getItem(key), kTableKey), /^ZED\r\n0\r\n/);

    await page.goto(server.url);
    await firstFrame(page);
    const s = await state(page);
    assert.equal(s.highScores[0].initials, "ZED");
    assert.deepEqual(page.errors, []);
    await page.context().close();
  });

  test("keeps the sound and size settings; an open box or a hidden page holds the game", async () => {
    const page = await openPage();
    await firstFrame(page);
    const sound = page.locator('#controls [data-command="32773"]');
    await page.waitForFunction((key) => localStorage.getItem(key) === "Y", kSoundKey);
    assert.equal(await sound.textContent(), "Turn Sound Off");
    await sound.click();
    await page.waitForFunction((key) => localStorage.getItem(key) === "N", kSoundKey);
    assert.equal(await sound.textContent(), "Turn Sound On");
    assert.equal((await state(page)).sound.enabled, 0);
    await page.selectOption("#size", { label: "2x" });
    await page.waitForFunction((key) => localStorage.getItem(key) === "2", kSizeKey);

    // While a box is open, or the page is hidden, no frame runs.
    const animationFrames = (count) => page.evaluate((frames) => new Promise((done) => {
      const next = () => (--frames === 0 ? done() : requestAnimationFrame(next));
      requestAnimationFrame(next);
    }), count);
    await page.click('#controls [data-command="104"]');
    await page.waitForSelector("#box[open]");
    assert.match(await page.textContent("#box-heading"), /Pebblor/);
    const stepWhileOpen = (await state(page)).step;
    await animationFrames(10);
    assert.equal((await state(page)).step, stepWhileOpen);
    await page.click("#box button");
    await waitForState(page, (s, step) => s.step > step, stepWhileOpen);

    const setHidden = (hidden) => page.evaluate((isHidden) => {
      for (const [name, value] of [["hidden", isHidden], ["visibilityState", isHidden ? "hidden" : "visible"]]) {
        Object.defineProperty(document, name, { configurable: true, get: () => value });
      }
      document.dispatchEvent(new Event("visibilitychange"));
    }, hidden);
    await setHidden(true);
    await animationFrames(2);
    const stepWhileHidden = (await state(page)).step;
    await animationFrames(10);
    assert.equal((await state(page)).step, stepWhileHidden);
    await setHidden(false);
    await waitForState(page, (s, step) => s.step > step, stepWhileHidden);

    await page.reload();
    await firstFrame(page);
    assert.equal(await sound.textContent(), "Turn Sound On");
    assert.equal(await page.inputValue("#size"), "32782");
    assert.deepEqual(page.errors, []);
    await page.context().close();
  });

  test("says so instead of a blank page when WebAssembly is missing", async () => {
    const context = await browser.newContext();
    await context.addInitScript(() => { delete window.WebAssembly; });
    const page = await context.newPage();
    await page.goto(server.url);
    await page.waitForSelector("#notice:not([hidden])");
    assert.match(await page.textContent("#notice"), /WebAssembly/);
    await context.close();
  });
});

describe("a scripted start", () => {
  // pebblor-sim's last dump for the same clock, steps and script, beside the same pictures.
  function simDump(clock, steps, script, extra = []) {
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), "pebblor-web-sim-"));
    try {
      for (const name of fs.readdirSync(picturesDir).filter((n) => n.endsWith(".bmp"))) {
        fs.symlinkSync(path.join(picturesDir, name), path.join(folder, name));
      }
      fs.writeFileSync(path.join(folder, "script.txt"), script);
      const out = execFileSync(simPath, ["--clock", String(clock), "--steps", String(steps),
        "--script", "script.txt", "--dump-every", "0", "--dump", "-", ...extra], { cwd: folder });
      return JSON.parse(out.toString());
    } finally {
      fs.rmSync(folder, { recursive: true, force: true });
    }
  }

  async function pageDump(clock, steps, script, extra = "") {
    const page = await openPage(
      `?clock=${clock}&steps=${steps}&script=${encodeURIComponent(script)}${extra}`);
    await page.waitForFunction(() => window.pebblor.replay !== null);
    const dump = await page.evaluate(() => window.pebblor.replay);
    assert.deepEqual(page.errors, []);
    await page.context().close();
    return dump;
  }

  const scripts = [
    { name: "the title screen", clock: 1000, steps: 40, script: "" },
    {
      name: "shots, pause, frame steps and the sound switched off",
      clock: 777777, steps: 420,
      script: [
        "# start, then pull left, right and straight", "3 down 144 300", "3 up 144 300",
        "30 down 100 300", "31 move 60 380", "32 move 40 420", "33 up 40 420",
        "90 down 200 200", "92 move 260 330", "94 up 260 330",
        "150 down 144 300", "152 move 144 420", "153 move -30 460", "155 up -30 460",
        "200 key 80", "230 key 80", "260 key 117", "300 command 32773",
        "320 down 144 300", "322 move 170 410", "324 up 170 410",
      ].join("\n"),
    },
    { name: "the automatic player", clock: 4242, steps: 1500, script: "", autoplay: true },
  ];

  for (const { name, clock, steps, script, autoplay } of scripts) {
    test(`gives pebblor-sim's state: ${name}`, async () => {
      const expected = simDump(clock, steps, script, autoplay ? ["--autoplay"] : []);
      const seen = await pageDump(clock, steps, script, autoplay ? "&autoplay" : "");
      assert.equal(seen.frameHash, expected.frameHash);
      assert.deepEqual(seen, expected);
    });
  }
});

describe("the page's files", () => {
  test("weigh at most 3 MB, 1.5 MB gzip-compressed", () => {
    let raw = 0;
    let compressed = 0;
    for (const name of fs.readdirSync(pageDir)) {
      const bytes = fs.readFileSync(path.join(pageDir, name));
      raw += bytes.length;
      compressed += zlib.gzipSync(bytes, { level: 9 }).length;
    }
    console.log(`page: ${raw} bytes, ${compressed} gzip-compressed`);
    assert.ok(raw <= 3 * 1024 * 1024, `${raw} bytes`);
    assert.ok(compressed <= 1.5 * 1024 * 1024, `${compressed} bytes compressed`);
  });
});
