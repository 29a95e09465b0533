#!/usr/bin/env python3
"""The programs in a real browser: headless Chromium opens each program's
page from a local server and plays the same script as a headless run of the
desktop build (taps as mouse presses on the canvas, keys as key presses, the
clock virtual and moved by the script); every `shot` of the script compares
the canvas with the headless screenshot pixel for pixel. A second case
changes an option, ends the program, reloads the page and finds the option
kept in the browser's storage.

    web_test.py --site build-web/site --bin build-test/bin --work DIR [CASE...]

CASE is `opening:<script>` (scripts/<script>.txt), `opening-hidpi:<script>`
(a scale factor of 2), `reload:after-exit`, `reload:at-once`, `second-tab`,
`two-programs:after-exit`, `two-programs:at-once` or `sizes`; none: every
program's opening and the rest. Exits 77 (a
skip for ctest) with a line saying why when Chromium or the browser build
is not there."""

import argparse
import base64
import functools
import gzip
import http.server
import os
import shutil
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import cdp  # noqa: E402
import pictures  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
SKIP = 77
TICK0 = 5000
TAP_MS = 60  # a tap's release follows its press, as in the headless backend
KEYS = {"left": ("ArrowLeft", 0x25), "up": ("ArrowUp", 0x26),
        "right": ("ArrowRight", 0x27), "down": ("ArrowDown", 0x28)}
# The page's window: a scale of 3 fits (and a scale factor of 2 on the
# high-density run: 6 device pixels a screen pixel).
VIEW = (800, 1000)

# Reads the canvas back as the screen's 240 x 320 RGB pixels (the centre of
# each scaled pixel) and counts the pixels whose square is not one colour.
READ_CANVAS = """(() => {
  const c = document.getElementById('screen'), s = page.scale;
  const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
  const out = new Uint8Array(240 * 320 * 3);
  let blurred = 0;
  for (let y = 0; y < 320; ++y) for (let x = 0; x < 240; ++x) {
    const at = (px, py) => ((y * s + py) * c.width + x * s + px) * 4;
    const i = at(s >> 1, s >> 1), o = (y * 240 + x) * 3;
    out[o] = d[i]; out[o + 1] = d[i + 1]; out[o + 2] = d[i + 2];
    for (const [px, py] of [[0, 0], [s - 1, s - 1], [s - 1, 0], [0, s - 1]]) {
      const j = at(px, py);
      if (d[j] !== d[i] || d[j + 1] !== d[i + 1] || d[j + 2] !== d[i + 2]) { ++blurred; break; }
    }
  }
  let text = '';
  for (let i = 0; i < out.length; i += 0x8000) text += String.fromCharCode(...out.subarray(i, i + 0x8000));
  return JSON.stringify({ rgb: btoa(text), blurred: blurred, scale: s });
})()"""


class Failure(Exception):
    pass


def parse_script(path):
    commands = []
    with open(path) as f:
        for number, line in enumerate(f, 1):
            words = line.split("#", 1)[0].split()
            if not words:
                continue
            if words[0] not in ("wait", "tap", "key", "shot"):
                raise Failure(f"{path}:{number}: the browser driver plays only wait, tap, key, shot")
            commands.append(words)
    return commands


def run_headless(program, bin_dir, root, script_lines, work, tag):
    """Runs the desktop build headless on `root` and returns its log."""
    script = os.path.join(work, f"{tag}.script")
    with open(script, "w") as f:
        for words in script_lines:
            if words[0] == "shot":
                words = ["shot", os.path.join(work, f"{tag}-{words[1]}-headless.png")]
            f.write(" ".join(words) + "\n")
    log = os.path.join(work, f"{tag}-headless.log")
    env = dict(os.environ, DECKHOLLOW_BACKEND="headless", DECKHOLLOW_ROOT=root,
               DECKHOLLOW_TICK0=str(TICK0), DECKHOLLOW_SCRIPT=script, DECKHOLLOW_LOG=log)
    done = subprocess.run([os.path.join(bin_dir, program)], env=env, timeout=300,
                          stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    if done.returncode != 0:
        raise Failure(f"headless {program} ended with {done.returncode}: {done.stderr[-2000:]}")
    return log


def install_root(bin_dir, root):
    subprocess.run([os.path.join(bin_dir, "deckhollow-install"), "--root", root], check=True,
                   stdout=subprocess.DEVNULL, timeout=300)


class Player:
    """Plays a script on a page whose program runs on the virtual clock."""

    def __init__(self, tab):
        self.tab, self.now = tab, TICK0
        self.may_end = False  # the script ends the program itself

    def start(self):
        # A message box before the first tick is a failed start (the
        # reinstall message, a damaged registry): said at once.
        try:
            state = self.tab.wait_for(
                "window.page && (page.heldAt === %d ? 'held' : page.boxOpen ? 'box' : '')" % TICK0,
                120, "the program to start and wait at its first tick")
            if state == "held":
                return
            problem = "the program showed a message box at its start"
        except TimeoutError as error:
            problem = str(error)
        page = self.tab.evaluate(
            "window.page ? JSON.stringify({ status: document.getElementById('status')"
            ".textContent, exit: page.exitCode, anotherTab: page.anotherTab, "
            "log: page.lines.slice(-5) }) : 'no page'")
        raise Failure(f"{problem}; the page: {page}")

    def run_to(self, tick):
        self.tab.evaluate(f"page.runUntil({tick})")
        while True:
            state = self.tab.wait_for(
                f"page.heldAt === {tick} ? 'held' : page.boxOpen ? 'box' : "
                f"page.exitCode !== null ? 'ended' : ''", 120, f"the program to reach tick {tick}")
            if state == "held":
                break
            if state == "ended" and self.may_end:
                return
            if state == "ended":
                raise Failure(f"the program ended (exit {self.tab.evaluate('page.exitCode')}) "
                              f"before tick {tick}")
            # A message box: OK, as the headless backend answers it.
            x, y = self.centre("#box-ok")
            self.tab.mouse("mousePressed", x, y)
            self.tab.mouse("mouseReleased", x, y)
        self.now = tick

    def centre(self, selector):
        box = self.tab.evaluate(
            f"(() => {{ const r = document.querySelector('{selector}').getBoundingClientRect();"
            " return [r.left + r.width / 2, r.top + r.height / 2]; })()")
        return box[0], box[1]

    def page_point(self, x, y):
        left, top, width = self.tab.evaluate(
            "(() => { const r = document.getElementById('screen').getBoundingClientRect();"
            " return [r.left, r.top, r.width]; })()")
        unit = width / 240
        return left + (x + 0.5) * unit, top + (y + 0.5) * unit

    def play(self, commands, on_shot):
        for words in commands:
            if self.may_end and self.tab.evaluate("page.exitCode !== null"):
                return
            if words[0] == "wait":
                self.run_to(self.now + int(words[1]))
            elif words[0] == "tap":
                px, py = self.page_point(int(words[1]), int(words[2]))
                self.tab.mouse("mousePressed", px, py)
                self.run_to(self.now + TAP_MS)
                self.tab.mouse("mouseReleased", px, py)
            elif words[0] == "key":
                self.tab.key(*KEYS[words[1]])
            elif words[0] == "shot":
                on_shot(words[1])

    def canvas(self):
        import json
        read = json.loads(self.tab.evaluate(READ_CANVAS))
        return base64.b64decode(read["rgb"]), read["blurred"], read["scale"]


def compare_shot(player, work, tag, name, failures):
    rgb, blurred, scale = player.canvas()
    pictures.write_png(os.path.join(work, f"{tag}-{name}-web.png"), 240, 320, rgb)
    width, height, expected = pictures.read_png(os.path.join(work, f"{tag}-{name}-headless.png"))
    if (width, height) != (240, 320):
        failures.append(f"{tag} {name}: the headless shot is {width}x{height}")
        return
    wrong = pictures.differences(240, rgb, expected)
    if wrong:
        failures.append(f"{tag} {name}: {len(wrong)} pixels differ from the headless shot, "
                        f"the first at {wrong[0]}")
    if blurred:
        failures.append(f"{tag} {name}: {blurred} pixels are not sharp squares at scale {scale}")
    print(f"  {tag} {name}: {'same as headless' if not wrong else 'DIFFERENT'} "
          f"(canvas scale {scale})")


def page_url(server, program, **extra):
    query = "&".join([f"p={program}"] + [f"{k}={v}" for k, v in extra.items()])
    return f"http://127.0.0.1:{server.server_port}/program.html?{query}"


def case_opening(browser, server, args, script, scale_factor):
    program = script.split("-")[0]
    tag = f"{script}-x{scale_factor}"
    commands = parse_script(os.path.join(HERE, "scripts", f"{script}.txt"))
    root = os.path.join(args.work, f"{tag}-root")
    shutil.rmtree(root, ignore_errors=True)
    install_root(args.bin, root)
    run_headless(program, args.bin, root, commands, args.work, tag)
    tab = browser.open_tab(page_url(server, program, tick0=TICK0), *VIEW, scale_factor)
    failures = []
    try:
        player = Player(tab)
        player.start()
        player.play(commands, lambda name: compare_shot(player, args.work, tag, name, failures))
    finally:
        tab.close()
    if failures:
        raise Failure("; ".join(failures))


# The Down key, then a tap on the farewell panel: the program ends (Exit).
END = [["key", "down"], ["wait", "300"], ["tap", "120", "160"], ["wait", "300"]]


def case_reload(browser, server, args, exit_first):
    """Configure Appearance's last theme, then a reload, after Exit or
    straight away: the table shows the theme as a restarted headless run
    does."""
    program = "reflection"
    tag = "reload-after-exit" if exit_first else "reload-at-once"
    change = parse_script(os.path.join(HERE, "scripts", "reflection-theme.txt"))
    again = parse_script(os.path.join(HERE, "scripts", "reflection-restart.txt"))
    root = os.path.join(args.work, f"{tag}-root")
    shutil.rmtree(root, ignore_errors=True)
    install_root(args.bin, root)
    run_headless(program, args.bin, root, change + END, args.work, f"{tag}-first")
    run_headless(program, args.bin, root, again, args.work, f"{tag}-second")
    failures = []
    # A profile of its own: the reload must find what this run stored.
    browser = cdp.Browser(browser.executable)
    try:
        tab = browser.open_tab(page_url(server, program, tick0=TICK0), *VIEW)
        player = Player(tab)
        player.start()
        player.may_end = exit_first
        player.play(change + (END if exit_first else []), lambda name: None)
        if exit_first:
            tab.wait_for("page.exitCode !== null", 60, "the program to end")
            code = tab.evaluate("page.exitCode")
            if code != 0:
                raise Failure(f"the program ended with {code}")
        tab.reload()
        player = Player(tab)
        player.start()
        player.play(again, lambda name: compare_shot(player, args.work, f"{tag}-second", name,
                                                     failures))
    finally:
        browser.close()
    if failures:
        raise Failure("; ".join(failures))


def case_second_tab(browser, server):
    """A second tab of a running program is refused as a second start is:
    it ends with 0 and says so, and the first gets the raising message."""
    first = browser.open_tab(page_url(server, "reflection"), *VIEW)
    second = None
    try:
        first.wait_for("window.page && page.frames > 0", 120, "the first tab's first frame")
        second = browser.open_tab(page_url(server, "reflection"), *VIEW)
        ended = second.wait_for("window.page && page.exitCode !== null ? "
                                "[page.exitCode, page.anotherTab] : null", 120, "the second tab to end")
        if ended != [0, True]:
            raise Failure(f"the second tab ended as {ended}, not with 0 after asking the first")
        first.wait_for("page.lines.some((l) => l.startsWith('message\\tfrom another instance\\t6\\t'))",
                       30, "the first tab to get WM_ACTIVATE")
        if first.evaluate("page.exitCode") is not None:
            raise Failure("the first tab's program ended")
    finally:
        first.close()
        if second:
            second.close()


# The two programs of the two-programs case, each with the theme its script
# chooses (the value its key holds after a save).
TWO_PROGRAMS = [("velloran", "Velloran", 6), ("cribbage", "Cribbage", 7)]
SETTINGS_KEY = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarnwick Software\\Deckhollow\\%s]"


def card_back(registry_text, key):
    """The CardBack value in the key's section of registry.reg, or None."""
    section = None
    for line in registry_text.splitlines():
        if line.startswith("["):
            section = line.strip()
        elif section == SETTINGS_KEY % key and line.startswith('"CardBack"=dword:'):
            return int(line.split(":", 1)[1], 16)
    return None


def case_two_programs(browser, server, args, exit_first):
    """Two programs open in two tabs at once, each changing its theme (kept
    in memory until it saves); then both end (Exit) or both pages are
    reloaded at the same moment. After the reload each program's page finds
    both themes in the registry: neither tab's copy of the file wrote over
    the other's."""
    browser = cdp.Browser(browser.executable)  # a profile of its own
    try:
        tabs = []
        for program, _, _ in TWO_PROGRAMS:
            tab = browser.open_tab(page_url(server, program, tick0=TICK0), *VIEW)
            tabs.append((tab, Player(tab)))
        for tab, player in tabs:
            player.start()
        for (program, _, _), (tab, player) in zip(TWO_PROGRAMS, tabs):
            player.may_end = exit_first
            change = parse_script(os.path.join(HERE, "scripts", f"{program}-theme.txt"))
            player.play(change + (END if exit_first else []), lambda name: None)
        if exit_first:
            for tab, _ in tabs:
                tab.wait_for("page.exitCode !== null", 60, "the program to end")
        # Both pages go while a third page of the site holds the device's
        # lock: neither can take in what the other writes on its way out,
        # as when both go at the same moment.
        holder = browser.open_tab(f"http://127.0.0.1:{server.server_port}/index.html", *VIEW)
        holder.wait_for("document.readyState === 'complete'", 30, "the holder page")
        holder.evaluate("navigator.locks.request('deckhollow-device', () => new Promise("
                        "(release) => { window.releaseDevice = release; }))")
        holder.wait_for("typeof window.releaseDevice === 'function'", 30, "the holder to get the device's lock")
        for tab, _ in tabs:
            tab.reload()
        for tab, _ in tabs:
            tab.wait_for("window.page && page.frames === 0 && page.exitCode === null", 60,
                         "the page to be loaded again")
        holder.evaluate("window.releaseDevice()")
        found = []
        for (program, _, _), (tab, _) in zip(TWO_PROGRAMS, tabs):
            Player(tab).start()
            text = tab.evaluate("page.module.FS.readFile('/device/registry.reg', "
                                "{ encoding: 'utf8' })")
            for _, key, theme in TWO_PROGRAMS:
                if card_back(text, key) != theme:
                    found.append(f"{program}'s page finds {key}'s CardBack "
                                 f"{card_back(text, key)}, not {theme}")
        if found:
            raise Failure("; ".join(found))
    finally:
        browser.close()


def report_sizes_and_start(browser, server, args, programs):
    """Download size (gzip, wasm + js) and time to the first frame."""
    for program in programs + ["deckhollow-install"]:
        total = 0
        for ext in (".wasm", ".js"):
            with open(os.path.join(args.site, program + ext), "rb") as f:
                total += len(gzip.compress(f.read(), 9))
        line = f"  {program}: {total / 1024:.0f} KiB to download (wasm + js, gzip)"
        if program != "deckhollow-install":
            tab = browser.open_tab(page_url(server, program), *VIEW)
            try:
                first = tab.wait_for("window.page && page.firstFrameMs", 120, "the first frame")
                line += f", first frame {first:.0f} ms after the page was opened"
            finally:
                tab.close()
        print(line)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *_):
        pass


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--site", required=True)
    parser.add_argument("--bin", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("cases", nargs="*")
    args = parser.parse_args()
    chromium = cdp.find_chromium()
    if chromium is None:
        print("SKIPPED: the browser tests need Chromium (Debian package chromium)")
        return SKIP
    if not os.path.exists(os.path.join(args.site, "program.html")):
        print(f"SKIPPED: no browser build in {args.site} (it needs emscripten; ./test makes it)")
        return SKIP
    scripts = os.path.join(HERE, "scripts")
    # Every program with an opening script whose build is on the site.
    programs = sorted(name[:-4] for name in os.listdir(scripts)
                      if name.endswith(".txt") and "-" not in name
                      and os.path.exists(os.path.join(args.site, name[:-4] + ".js")))
    # Every opening script of a built program; the reload cases play the
    # -theme and -restart scripts themselves.
    openings = sorted(name[:-4] for name in os.listdir(scripts)
                      if name.endswith(".txt") and name[:-4].split("-")[0] in programs
                      and not name[:-4].endswith(("-theme", "-restart")))
    cases = args.cases or [f"opening:{s}" for s in openings] + [
        "opening-hidpi:reflection", "reload:after-exit", "reload:at-once", "second-tab",
        "two-programs:after-exit", "two-programs:at-once", "sizes"]
    os.makedirs(args.work, exist_ok=True)
    handler = functools.partial(QuietHandler, directory=args.site)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    browser = cdp.Browser(chromium)
    failed = []
    try:
        for case in cases:
            started = time.time()
            print(f"{case} ...")
            try:
                kind, _, program = case.partition(":")
                if kind == "opening":
                    case_opening(browser, server, args, program, 1)
                elif kind == "opening-hidpi":
                    case_opening(browser, server, args, program, 2)
                elif kind == "reload":
                    case_reload(browser, server, args, exit_first=program != "at-once")
                elif kind == "two-programs":
                    case_two_programs(browser, server, args, exit_first=program != "at-once")
                elif kind == "second-tab":
                    case_second_tab(browser, server)
                elif kind == "sizes":
                    report_sizes_and_start(browser, server, args, programs)
                else:
                    raise Failure("unknown case")
                print(f"{case}: passed ({time.time() - started:.1f} s)")
            except (Failure, TimeoutError, RuntimeError, subprocess.SubprocessError) as error:
                print(f"{case}: FAILED: {error}")
                failed.append(case)
    finally:
        browser.close()
        server.shutdown()
    print(f"{len(cases) - len(failed)} of {len(cases)} browser cases passed; pictures in {args.work}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
