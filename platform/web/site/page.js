// The program page: program.html?p=<program>[&tick0=N][&display=KIND].
// Runs the installer's module (it makes whatever pictures and waves are
// missing from the stored device), then the program's, and is the
// program's screen, stylus, keys, message box and speaker (the module's
// calls in platform/web/WebBackend.cpp). With tick0 the program runs on a
// virtual clock that only the driver moves (runUntil), as a headless run.
'use strict';

const kWidth = 240;
const kHeight = 320;
const kEvent = { none: 0, down: 1, move: 2, up: 3, keyDown: 4, keyUp: 5, shown: 6, hidden: 7 };
const kKeys = { ArrowLeft: 0x25, ArrowUp: 0x26, ArrowRight: 0x27, ArrowDown: 0x28 };

const params = new URLSearchParams(location.search);
const canvas = document.getElementById('screen');
const status = document.getElementById('status');
const picture = document.createElement('canvas');
picture.width = kWidth;
picture.height = kHeight;
const pictureContext = picture.getContext('2d');
const frame = pictureContext.createImageData(kWidth, kHeight);

const page = {
  hold: params.has('tick0') ? Number(params.get('tick0')) : Infinity,
  heldAt: null,
  events: [],
  lines: [],
  frames: 0,
  firstFrameMs: null,
  exitCode: null,
  scale: 1,
  boxOpen: false,
  anotherTab: false,
  waker: null,
  audio: null,
  sounds: new Map(),

  // --- waiting: every wait ends early when input comes ---
  wake() {
    const waker = this.waker;
    this.waker = null;
    if (waker) waker();
  },
  wait(ms) {
    return new Promise((resolve) => {
      const timer = setTimeout(() => this.wake(), Math.max(0, ms));
      this.waker = () => { clearTimeout(timer); resolve(); };
      if (this.events.length) this.wake();
    });
  },
  // A zero wait without the timers' clamping.
  yieldNow() {
    return new Promise((resolve) => {
      const channel = new MessageChannel();
      channel.port1.onmessage = () => resolve();
      channel.port2.postMessage(0);
    });
  },
  block(now) {
    this.heldAt = now;
    return new Promise((resolve) => {
      this.waker = () => { this.heldAt = null; resolve(); };
      if (this.events.length || this.hold > now) this.wake();
    });
  },
  runUntil(tick) {
    this.hold = tick;
    this.wake();
  },
  push(kind, a, b) {
    this.events.push([kind, a | 0, b | 0]);
    this.wake();
  },
  // [kind, a, b], or undefined when nothing waits.
  nextEvent() {
    return this.events.shift();
  },

  // --- the screen ---
  present(pixels) {
    const rgba = frame.data;
    for (let i = 0, j = 0; i < pixels.length; ++i, j += 4) {
      const p = pixels[i];
      rgba[j] = (p >> 16) & 0xff;
      rgba[j + 1] = (p >> 8) & 0xff;
      rgba[j + 2] = p & 0xff;
      rgba[j + 3] = 0xff;
    }
    pictureContext.putImageData(frame, 0, 0);
    this.draw();
    if (this.frames++ === 0) {
      this.firstFrameMs = performance.now();
      status.textContent = '';
    }
  },
  draw() {
    const context = canvas.getContext('2d');
    context.imageSmoothingEnabled = false;
    context.drawImage(picture, 0, 0, canvas.width, canvas.height);
  },
  // The largest whole scale that fits, counted in device pixels so that a
  // high-density screen shows sharp pixels too.
  fit() {
    const ratio = window.devicePixelRatio || 1;
    const scale = Math.max(1, Math.floor(Math.min(innerWidth * ratio / kWidth,
                                                  innerHeight * ratio / kHeight)));
    this.scale = scale;
    canvas.width = kWidth * scale;
    canvas.height = kHeight * scale;
    const cssWidth = canvas.width / ratio;
    const cssHeight = canvas.height / ratio;
    canvas.style.width = cssWidth + 'px';
    canvas.style.height = cssHeight + 'px';
    canvas.style.left = Math.floor((innerWidth - cssWidth) / 2) + 'px';
    canvas.style.top = Math.floor((innerHeight - cssHeight) / 2) + 'px';
    this.draw();
  },
  // A point of the page to the screen's pixel under it.
  screenPoint(event) {
    const box = canvas.getBoundingClientRect();
    return [Math.floor((event.clientX - box.left) * kWidth / box.width),
            Math.floor((event.clientY - box.top) * kHeight / box.height)];
  },

  // --- sound: each wave decoded once, played at once ---
  unlockAudio() {
    if (!this.audio && window.AudioContext) this.audio = new AudioContext();
    if (this.audio && this.audio.state === 'suspended') this.audio.resume();
  },
  play(name, bytes) {
    if (!this.audio) return true;  // no gesture yet: the browser allows no sound
    let decoded = this.sounds.get(name);
    if (!decoded) {
      decoded = this.audio.decodeAudioData(bytes.slice().buffer);
      this.sounds.set(name, decoded);
    }
    decoded.then((buffer) => {
      const source = this.audio.createBufferSource();
      source.buffer = buffer;
      source.connect(this.audio.destination);
      source.start();
    }, () => this.sounds.delete(name));
    return true;
  },

  // --- the message box: the program waits until OK ---
  messageBox(caption, text) {
    const box = document.getElementById('box');
    document.getElementById('box-caption').textContent = caption;
    document.getElementById('box-text').textContent = text;
    box.hidden = false;
    this.boxOpen = true;
    const ok = document.getElementById('box-ok');
    ok.focus();
    return new Promise((resolve) => {
      ok.onclick = () => {
        box.hidden = true;
        this.boxOpen = false;
        canvas.focus();
        resolve();
      };
    });
  },

  log(line) {
    this.lines.push(line);
    console.debug(line);
  },
  setTitle(title) {
    document.title = title;
  },
  raise() {
    window.focus();
  },
  sentToAnotherTab() {
    this.anotherTab = true;
  },
  ended(code) {
    this.exitCode = code;
    status.textContent = this.anotherTab
      ? 'This program is already open in another tab.'
      : 'The program has ended. Reload the page to start it again.';
  },
};
window.page = page;

function listen() {
  canvas.addEventListener('pointerdown', (event) => {
    if (event.button !== 0) return;
    page.unlockAudio();
    canvas.focus();
    canvas.setPointerCapture(event.pointerId);
    page.push(kEvent.down, ...page.screenPoint(event));
    event.preventDefault();
  });
  canvas.addEventListener('pointermove', (event) => {
    if (event.buttons & 1) page.push(kEvent.move, ...page.screenPoint(event));
  });
  canvas.addEventListener('pointerup', (event) => {
    if (event.button === 0) page.push(kEvent.up, ...page.screenPoint(event));
  });
  canvas.addEventListener('contextmenu', (event) => event.preventDefault());
  for (const [type, kind] of [['keydown', kEvent.keyDown], ['keyup', kEvent.keyUp]]) {
    window.addEventListener(type, (event) => {
      const key = kKeys[event.key];
      if (key === undefined || page.boxOpen) return;
      page.unlockAudio();
      page.push(kind, key, 0);
      event.preventDefault();
    });
  }
  document.addEventListener('visibilitychange', () => {
    page.push(document.visibilityState === 'hidden' ? kEvent.hidden : kEvent.shown, 0, 0);
  });
  window.addEventListener('resize', () => page.fit());
  // A reload or a closed tab: the program saves what it would on Exit.
  window.addEventListener('pagehide', () => {
    if (page.module && page.exitCode === null) page.module.saveForUnload();
  });
}

function loadScript(source) {
  return new Promise((resolve, reject) => {
    const script = document.createElement('script');
    script.src = source;
    script.onload = resolve;
    script.onerror = () => reject(new Error('cannot load ' + source));
    document.body.appendChild(script);
  });
}

// Starts one module and resolves with its exit code: main's return value,
// or the code it ended with through exit().
async function runModule(name, argumentsList, env) {
  await loadScript(name + '.js');
  const start = window.startDeckhollowModule;
  window.startDeckhollowModule = undefined;
  return new Promise((resolve, reject) => {
    start({
      page: page,
      noInitialRun: true,
      deckhollowEnv: env,
      onExit: resolve,
      print: (line) => console.log(line),
      printErr: (line) => console.warn(line),
      onAbort: (what) => reject(new Error('The program stopped: ' + what)),
    }).then((module) => {
      page.module = module;
      const words = [name, ...argumentsList];
      const argv = module._malloc(4 * (words.length + 1));
      words.forEach((word, i) => { module.HEAPU32[(argv >> 2) + i] = module.allocateUTF8(word); });
      module.HEAPU32[(argv >> 2) + words.length] = 0;
      module.ccall('main', 'number', ['number', 'number'], [words.length, argv], { async: true })
        .then(resolve, (error) => {
          if (error && error.name === 'ExitStatus') resolve(error.status);
          else reject(error);
        });
    });
  });
}

async function main() {
  const program = params.get('p') || '';
  if (!/^[a-z][a-z0-9-]*$/.test(program)) {
    status.textContent = 'No such program.';
    return;
  }
  page.fit();
  listen();
  const env = {};
  if (params.has('tick0')) env.DECKHOLLOW_TICK0 = params.get('tick0');
  if (params.has('display')) env.DECKHOLLOW_DISPLAY = params.get('display');
  status.textContent = 'Installing\u2026';
  const installed = await runModule('deckhollow-install', ['--if-missing'], {});
  if (installed !== 0) {
    status.textContent = 'The pictures and sounds could not be installed.';
    return;
  }
  status.textContent = 'Starting\u2026';
  await runModule(program, [], env);
}

main().catch((error) => { status.textContent = String(error); });
