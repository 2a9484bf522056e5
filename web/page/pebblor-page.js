// The page around the game: starts it (pebblor.js and pebblor.wasm) with the options in the
// address, sizes the canvas to the screen's pixels, passes the pointer and the controls'
// commands to the game, shows its dialogs, and says so when the game cannot run.
//
// The address may ask for a scripted start, as pebblor-sim runs it:
//   ?clock=MS&steps=N&script=TEXT[&sound=on|off][&autoplay]
// The state after the last step is then in pebblor.replay; play goes on from there.
// ?autoplay alone lets the automatic player play and times each frame's work.
"use strict";

(function () {
  const canvas = document.getElementById("field");
  const notice = document.getElementById("notice");
  const box = document.getElementById("box");
  const sizeSelect = document.getElementById("size");
  const fullscreenButton = document.getElementById("fullscreen");
  const game = document.getElementById("game");
  const query = new URLSearchParams(location.search);

  // What tests and benchmarks read.
  const pebblor = {
    replay: null, // the state after a scripted start's last step
    firstFrameAt: null, // performance.now() when the first frame was shown
    frameWork: [], // each frame's work in milliseconds, with ?autoplay
    stopped: false,
    state: () => JSON.parse(Module.UTF8ToString(Module._pebblor_state(gameHandle))),
  };
  window.pebblor = pebblor;

  let windowHandle = 0; // the game's window (WebWindow), once it exists
  let gameHandle = 0; // the game (WebGame)
  let canvasSize = null; // [width, height] in the screen's pixels
  let pressedPointer = null;
  const boxes = []; // dialogs waiting for the one open to close

  function showNotice(text) {
    notice.textContent = text;
    notice.hidden = false;
  }

  if (typeof WebAssembly !== "object" || typeof WebAssembly.instantiate !== "function") {
    showNotice("Pebblor needs WebAssembly, which this browser does not offer " +
      "(or has switched off). Try a current Firefox, Chrome, Edge or Safari.");
    return;
  }

  // The canvas takes exactly the screen's pixels under its box.
  function reportSize() {
    if (!canvasSize) return;
    [canvas.width, canvas.height] = canvasSize;
    if (windowHandle) {
      Module._pebblor_resize(windowHandle, canvasSize[0], canvasSize[1],
        window.devicePixelRatio || 1);
    }
  }

  function measureCanvas() {
    const rect = canvas.getBoundingClientRect();
    const ratio = window.devicePixelRatio || 1;
    return [Math.round(rect.width * ratio), Math.round(rect.height * ratio)];
  }

  // The browser's exact count of the screen's pixels when it gives one that agrees with
  // the device pixel ratio (an emulated ratio is not always counted in), else an estimate.
  const observer = new ResizeObserver((entries) => {
    const exact = entries[0].devicePixelContentBoxSize && entries[0].devicePixelContentBoxSize[0];
    const estimate = measureCanvas();
    canvasSize = exact && Math.abs(exact.inlineSize - estimate[0]) <= 1 &&
      Math.abs(exact.blockSize - estimate[1]) <= 1 ? [exact.inlineSize, exact.blockSize] : estimate;
    reportSize();
  });
  try {
    observer.observe(canvas, { box: "device-pixel-content-box" });
  } catch (error) {
    observer.observe(canvas);
  }

  // The pointer: a mouse's left button, a finger or a pen, all alike. The canvas holds
  // the pointer while it is pressed; the game decides what it hears outside the field.
  function sendPointer(action, event, held) {
    if (!windowHandle) return;
    const rect = canvas.getBoundingClientRect();
    const x = Math.floor((event.clientX - rect.left) * canvas.width / rect.width);
    const y = Math.floor((event.clientY - rect.top) * canvas.height / rect.height);
    Module._pebblor_pointer(windowHandle, action, x, y, held ? 1 : 0);
  }

  canvas.addEventListener("pointerdown", (event) => {
    if (!event.isPrimary || (event.pointerType === "mouse" && event.button !== 0)) return;
    canvas.focus({ preventScroll: true });
    canvas.setPointerCapture(event.pointerId);
    pressedPointer = event.pointerId;
    sendPointer(0, event, true);
  });
  canvas.addEventListener("pointermove", (event) => {
    if (!event.isPrimary) return;
    const held = event.pointerId === pressedPointer;
    if (event.pointerType !== "mouse" && !held) return;
    sendPointer(1, event, held);
  });
  const release = (event) => {
    if (event.pointerId !== pressedPointer) return;
    pressedPointer = null;
    sendPointer(2, event, false);
  };
  canvas.addEventListener("pointerup", release);
  canvas.addEventListener("pointercancel", release);
  canvas.addEventListener("contextmenu", (event) => event.preventDefault());

  // The controls send the game's menu commands.
  function command(id) {
    if (windowHandle) Module._pebblor_command(windowHandle, id);
  }
  for (const control of document.querySelectorAll("#controls [data-command]")) {
    control.addEventListener("click", () => command(Number(control.dataset.command)));
  }
  sizeSelect.addEventListener("change", () => command(Number(sizeSelect.value)));

  function toggleFullscreen() {
    if (document.fullscreenElement) {
      document.exitFullscreen();
    } else if (game.requestFullscreen) {
      game.requestFullscreen().catch(() => {});
    }
  }
  fullscreenButton.hidden = !document.fullscreenEnabled;
  fullscreenButton.addEventListener("click", toggleFullscreen);
  document.addEventListener("fullscreenchange", () => {
    fullscreenButton.textContent = document.fullscreenElement ? "Leave Full Screen" : "Full Screen";
  });

  // The game's boxes, one at a time; the game waits while one is open.
  function showNextBox() {
    if (box.open || boxes.length === 0) return;
    const [caption, heading, text] = boxes.shift();
    document.getElementById("box-caption").textContent = caption;
    document.getElementById("box-heading").textContent = heading;
    document.getElementById("box-text").textContent = text;
    box.showModal();
  }
  box.addEventListener("close", () => {
    if (windowHandle) Module._pebblor_box_closed(windowHandle);
    if (boxes.length > 0) {
      showNextBox();
    } else {
      canvas.focus({ preventScroll: true });
    }
  });

  // What the game calls.
  const page = {
    attach(handle) {
      windowHandle = handle;
      if (!handle) return;
      if (!canvasSize) canvasSize = measureCanvas();
      reportSize();
    },
    attachGame(handle) {
      gameHandle = handle;
    },
    setControlText(id, text) {
      const control = document.querySelector(`#controls [data-command="${id}"]`);
      if (control) control.textContent = text.replace(/&(.)/g, "$1");
    },
    hideControl(id) {
      const control = document.querySelector(`#controls [data-command="${id}"], #size option[value="${id}"]`);
      if (control) control.hidden = true;
    },
    showSize(presetScale) {
      sizeSelect.value = String(presetScale === 0 ? 32784 : 32780 + presetScale);
    },
    showBox(caption, heading, text) {
      boxes.push([caption, heading, text]);
      showNextBox();
    },
    toggleFullscreen,
    focusControls() {
      document.querySelector("#controls button").focus();
    },
    replayed(dump) {
      pebblor.replay = JSON.parse(dump);
    },
    frameShown(workMs) {
      if (pebblor.firstFrameAt === null) pebblor.firstFrameAt = performance.now();
      if (query.has("autoplay")) pebblor.frameWork.push(workMs);
    },
    stopped() {
      pebblor.stopped = true;
      showNotice("Pebblor has stopped. Reload the page to play again.");
    },
    refuse(problem) {
      showNotice("Pebblor cannot start as this address asks: " + problem);
    },
  };

  // A scripted start passes pebblor-sim's options; the script goes in as a file.
  const replaying = ["clock", "steps", "script"].some((name) => query.has(name));
  const args = [replaying ? "replay" : "play"];
  for (const name of ["clock", "steps", "sound"]) {
    if (query.has(name)) args.push("--" + name, query.get(name));
  }
  if (query.has("script")) args.push("--script", "/script.txt");
  if (query.has("autoplay")) args.push("--autoplay");

  window.Module = {
    canvas,
    arguments: args,
    pebblorPage: page,
    preRun: [() => {
      if (query.has("script")) Module.FS.writeFile("/script.txt", query.get("script"));
    }],
    print: (text) => console.log(text),
    printErr: (text) => console.warn(text),
    onAbort: (what) => showNotice("Pebblor stopped with an error: " + what),
  };

  const script = document.createElement("script");
  script.src = "pebblor.js";
  script.onerror = () => showNotice("Pebblor could not be loaded. Check the connection and reload.");
  document.body.appendChild(script);
  canvas.focus({ preventScroll: true });
})();
