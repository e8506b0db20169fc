"""Runs the real vzuninst.exe under Wine on a virtual display.

One throwaway 32-bit Wine prefix per session, real registry keys and real
files in it, message boxes answered from outside with xdotool, and what each
box showed read from Wine's relay trace of user32.MessageBoxA.
"""

import hashlib
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

CAPTION = "Vantor Zeltar Products"
BOX_TIMEOUT = 60.0     # seconds a run may take to show its next box
RUN_TIMEOUT = 120.0    # seconds a whole run may take

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.abspath(os.path.join(HERE, "..", ".."))


class Box:
    """One message box as the program asked for it."""

    def __init__(self, owner, text, caption, style):
        self.owner = owner
        self.text = text
        self.caption = caption
        self.style = style

    def buttons(self):
        return {0: "OK", 1: "OK Cancel"}.get(self.style & 0xF, "style %#x" % self.style)

    def __repr__(self):
        return "Box(%r, %r, %s)" % (self.text, self.caption, self.buttons())


class RunResult:
    def __init__(self, status, boxes, screenshots):
        self.status = status
        self.boxes = boxes
        self.screenshots = screenshots


def _unescape(text):
    # Wine's debug strings escape like C: \n, \t, \\, \", \xNN.
    out = []
    i = 0
    while i < len(text):
        c = text[i]
        if c == "\\" and i + 1 < len(text):
            n = text[i + 1]
            if n == "n":
                out.append("\n"); i += 2; continue
            if n == "t":
                out.append("\t"); i += 2; continue
            if n == "r":
                out.append("\r"); i += 2; continue
            if n == "x" and i + 4 <= len(text):
                out.append(chr(int(text[i + 2:i + 4], 16))); i += 4; continue
            out.append(n); i += 2; continue
        out.append(c)
        i += 1
    return "".join(out)


_CALL = re.compile(
    r'Call user32\.MessageBoxA\((\w+),\w+ L?"((?:[^"\\]|\\.)*)",\w+ L?"((?:[^"\\]|\\.)*)",(\w+)\)')


def parse_boxes(relay_text):
    boxes = []
    for m in _CALL.finditer(relay_text):
        boxes.append(Box(int(m.group(1), 16), _unescape(m.group(2)), _unescape(m.group(3)),
                         int(m.group(4), 16)))
    return boxes


class Display:
    """A virtual X display for the session (Xvfb), unless one is given."""

    def __init__(self):
        self.proc = None
        self.name = None

    def start(self, use_existing=False):
        if use_existing and os.environ.get("DISPLAY"):
            self.name = os.environ["DISPLAY"]
            return self.name
        for number in range(90, 140):
            if os.path.exists("/tmp/.X%d-lock" % number):
                continue
            self.proc = subprocess.Popen(
                ["Xvfb", ":%d" % number, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            for _ in range(50):
                if os.path.exists("/tmp/.X11-unix/X%d" % number):
                    self.name = ":%d" % number
                    return self.name
                if self.proc.poll() is not None:
                    break
                time.sleep(0.1)
            self.stop()
        raise RuntimeError("could not start Xvfb")

    def stop(self):
        if self.proc is not None:
            self.proc.terminate()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
            self.proc = None


class Wine:
    """A throwaway win32 Wine prefix with the program and its test helpers."""

    def __init__(self, build_dir, prefix=None, use_display=False, framed=False):
        self.build_dir = build_dir
        self.exe = os.path.join(build_dir, "vzuninst.exe")
        self.launcher = os.path.join(build_dir, "vzlaunch.exe")
        self.regtest = os.path.join(build_dir, "vzregtest.dll")
        self.prefix = prefix or tempfile.mkdtemp(prefix="vz-wine-")
        self.own_prefix = prefix is None
        self.display = Display()
        self.use_display = use_display
        # Without a window manager a box has no title bar; with `framed`
        # Wine draws the frame and the caption itself.
        self.framed = framed
        self.env = None
        self.work = tempfile.mkdtemp(prefix="vz-e2e-")

    # --- life cycle ---------------------------------------------------------

    def start(self):
        display = self.display.start(self.use_display)
        env = dict(os.environ)
        env.update({
            "WINEPREFIX": self.prefix,
            "WINEARCH": "win32",
            "WINEDEBUG": "-all",
            "WINEDLLOVERRIDES": "mscoree,mshtml=",
            "DISPLAY": display,
        })
        self.env = env
        if not os.path.exists(os.path.join(self.prefix, "system.reg")):
            self._wine(["wineboot", "-i"], timeout=300)
        # Keep one wineserver for the whole session, and let the relay trace
        # show MessageBoxA alone.
        _detached(["wineserver", "-p"], env)
        self.reg_import(
            "[HKEY_CURRENT_USER\\Software\\Wine\\Debug]\n"
            "\"RelayInclude\"=\"user32.MessageBoxA\"\n")
        if self.framed:
            self.reg_import("[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\n"
                            "\"Managed\"=\"N\"\n\"Decorated\"=\"Y\"\n")
        shutil.copy(self.exe, self.drive("vz\\vzuninst.exe"))
        shutil.copy(self.launcher, self.drive("vz\\vzlaunch.exe"))
        return self

    def stop(self):
        if self.env is not None:
            _detached(["wineserver", "-k"], self.env)
            _detached(["wineserver", "-w"], self.env)
        self.display.stop()
        if self.own_prefix:
            shutil.rmtree(self.prefix, ignore_errors=True)
        shutil.rmtree(self.work, ignore_errors=True)

    def _wine(self, args, timeout=120, check=True, **kw):
        # Wine may start wineserver as a daemon from any call: outputs go to
        # files, never to pipes it could keep open.
        with tempfile.TemporaryFile() as out:
            done = subprocess.run(args, env=self.env, timeout=timeout, stdin=subprocess.DEVNULL,
                                  stdout=out, stderr=subprocess.STDOUT, **kw)
            out.seek(0)
            done.stdout = out.read()
        if check and done.returncode != 0:
            raise RuntimeError("%s failed (%d): %s" % (args, done.returncode, done.stdout[-2000:]))
        return done

    # --- the drive ------------------------------------------------------------

    def drive(self, windows_path):
        """The Unix path of a C:\\ path, its directories created."""
        rel = windows_path
        if rel[1:3] == ":\\":
            rel = rel[3:]
        path = os.path.join(self.prefix, "drive_c", *[p for p in rel.split("\\") if p])
        os.makedirs(os.path.dirname(path), exist_ok=True)
        return path

    def snapshot(self, under="C:\\"):
        """Every file below a directory: relative path -> digest of content.
        The harness's own directory C:\\vz is left out."""
        top = self.drive(under.rstrip("\\") + "\\x")
        top = os.path.dirname(top)
        files = {}
        for dirpath, _, names in os.walk(top):
            for name in names:
                full = os.path.join(dirpath, name)
                rel = os.path.relpath(full, top).replace("/", "\\")
                if under == "C:\\" and rel.startswith("vz\\"):
                    continue
                with open(full, "rb") as f:
                    files[rel] = hashlib.sha1(f.read()).hexdigest()
        return files

    # --- the registry -----------------------------------------------------------

    def reg_import(self, body):
        path = os.path.join(self.work, "import.reg")
        with open(path, "w", encoding="utf-8", newline="\r\n") as f:
            f.write("REGEDIT4\n\n" + body + "\n")
        self._wine(["wine", "regedit", "/S", path])

    def reg_exists(self, key):
        return self._wine(["wine", "reg", "query", "HKLM\\" + key], check=False).returncode == 0

    def reg_delete(self, key):
        self._wine(["wine", "reg", "delete", "HKLM\\" + key, "/f"], check=False)

    def reg_export(self, key):
        """The text of a key and everything below it, or "" when it is missing."""
        path = os.path.join(self.work, "export.reg")
        if os.path.exists(path):
            os.remove(path)
        self._wine(["wine", "regedit", "/E", path, "HKEY_LOCAL_MACHINE\\" + key], check=False)
        if not os.path.exists(path):
            return ""
        with open(path, "rb") as f:
            raw = f.read()
        text = raw.decode("utf-16") if raw[:2] == b"\xff\xfe" else raw.decode("latin-1")
        return text

    # --- running the program ----------------------------------------------------------

    def run(self, tail=None, answers=(), command_line=None, screenshots_dir=None, env=None,
            user_answers=False):
        """Runs vzuninst.exe with the command line "vzuninst.exe " + tail (or
        exactly `command_line`), answers each box with the next of `answers`
        ("ok" or "cancel"; "ok" when none is left), and returns its exit
        status and the boxes it showed.  With `user_answers` a person at the
        display answers instead."""
        if command_line is None:
            command_line = b"C:\\vz\\vzuninst.exe " + _bytes(tail)
        cmd_file = self.drive("vz\\cmdline.txt")
        with open(cmd_file, "wb") as f:
            f.write(_bytes(command_line))
        relay_path = os.path.join(self.work, "relay.log")
        run_env = dict(self.env)
        run_env["WINEDEBUG"] = "-all,+relay"
        if env:
            run_env.update(env)
        shots = []
        with open(relay_path, "wb") as relay:
            proc = subprocess.Popen(["wine", "C:\\vz\\vzlaunch.exe", "C:\\vz\\cmdline.txt"],
                                    env=run_env, stdin=subprocess.DEVNULL,
                                    stdout=subprocess.DEVNULL, stderr=relay,
                                    start_new_session=True)
            try:
                if user_answers:
                    proc.wait()
                else:
                    self._answer_boxes(proc, list(answers), screenshots_dir, shots)
            except Exception:
                os.killpg(proc.pid, signal.SIGKILL)
                _detached(["wineserver", "-k"], self.env)
                _detached(["wineserver", "-p"], self.env)
                raise
        with open(relay_path, "rb") as f:
            relay_text = f.read().decode("latin-1")
        return RunResult(proc.returncode, parse_boxes(relay_text), shots)

    def _answer_boxes(self, proc, answers, screenshots_dir, shots):
        start = time.monotonic()
        answered = set()
        last_seen = time.monotonic()
        while proc.poll() is None:
            now = time.monotonic()
            if now - start > RUN_TIMEOUT or now - last_seen > BOX_TIMEOUT:
                raise TimeoutError("the program neither ended nor showed a box in time")
            window = self._find_box()
            if window is None or window in answered:
                time.sleep(0.1)
                continue
            time.sleep(0.3)  # let the box paint before it is looked at
            if screenshots_dir:
                shots.append(self._screenshot(screenshots_dir, len(shots) + 1, window))
            answer = answers.pop(0) if answers else "ok"
            key = {"ok": "Return", "cancel": "Escape"}[answer]
            subprocess.run(["xdotool", "windowfocus", "--sync", window], env=self.env,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=10)
            subprocess.run(["xdotool", "key", "--clearmodifiers", key], env=self.env,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=10)
            answered.add(window)
            last_seen = time.monotonic()
        proc.wait()

    def _find_box(self):
        found = subprocess.run(["xdotool", "search", "--name", "^%s$" % CAPTION], env=self.env,
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=10)
        windows = found.stdout.decode().split()
        return windows[-1] if windows else None

    def _screenshot(self, directory, number, window):
        os.makedirs(directory, exist_ok=True)
        path = os.path.join(directory, "box-%d.png" % number)
        subprocess.run(["import", "-window", window, path], env=self.env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)
        return path


def _detached(args, env):
    # wineserver stays behind as a daemon: it must not hold our output open.
    subprocess.run(args, env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=60)


def _bytes(text):
    if isinstance(text, bytes):
        return text
    return text.encode("latin-1")
