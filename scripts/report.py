"""Size and speed report for vzuninst.exe (a benchmark, not a test).

Prints the stripped size of vzuninst.exe, its imported DLLs and functions,
and the median wall time over several runs of a full confirmed removal under
Wine next to the same for a minimal program that only shows one message box,
so that the program's own cost is seen against Wine's floor.

    python3 scripts/report.py [--runs N]
"""

import argparse
import os
import re
import statistics
import subprocess
import sys
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))

import winebox  # noqa: E402
from installation import Product, seed  # noqa: E402

BUILD = os.path.join(ROOT, "build", "windows")
BUDGET = 32 * 1024
ALLOWED = {"KERNEL32.DLL", "USER32.DLL", "ADVAPI32.DLL", "MSVCRT.DLL"}

MINIMAL = r'''
#include <windows.h>
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  MessageBoxA(NULL, "The Vantor Zeltar Platform V7.0 files\nhave been removed.  Thank you.",
              "Vantor Zeltar Products", MB_OK);
  return 0;
}
'''


def imports(exe):
    dump = subprocess.run(["i686-w64-mingw32-objdump", "-p", exe], stdout=subprocess.PIPE,
                          check=True).stdout.decode()
    table = {}
    current = None
    for line in dump.splitlines():
        m = re.match(r"\s*DLL Name: (\S+)", line)
        if m:
            current = m.group(1)
            table[current] = []
            continue
        m = re.match(r"\s+[0-9a-f]+\s+[0-9a-f]+\s+(\S+)$", line)
        if current and m and m.group(1) not in ("Hint/Ord",):
            table[current].append(m.group(1))
        if not line.strip():
            current = current if current and not table[current] else None
    return table


def build_minimal(directory):
    source = os.path.join(directory, "minimal.c")
    exe = os.path.join(directory, "minimal.exe")
    with open(source, "w") as f:
        f.write(MINIMAL)
    subprocess.run(["i686-w64-mingw32-gcc", "-Os", "-s", "-mwindows", source, "-o", exe],
                   check=True)
    return exe


def timed(wine, runs, prepare, command_line, answers):
    times = []
    for i in range(runs):
        prepare(i)
        start = time.monotonic()
        result = wine.run(command_line=command_line, answers=answers)
        times.append(time.monotonic() - start)
        if result.status != 0:
            raise RuntimeError("run failed with status %d" % result.status)
    return statistics.median(times)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()

    exe = os.path.join(BUILD, "vzuninst.exe")
    size = os.path.getsize(exe)
    print("vzuninst.exe: %d bytes (budget %d, %s)" % (size, BUDGET,
                                                    "within" if size < BUDGET else "OVER"))
    table = imports(exe)
    for dll, functions in table.items():
        print("  %s: %s" % (dll, ", ".join(functions)))
    extra = {d.upper() for d in table} - ALLOWED
    print("  imports beyond kernel32, user32, advapi32, msvcrt: %s" % (sorted(extra) or "none"))

    wine = winebox.Wine(BUILD).start()
    try:
        minimal = build_minimal(wine.work)
        import shutil
        shutil.copy(minimal, wine.drive("C:\\vz\\minimal.exe"))
        product = Product("VZP", "V70")
        directory = "C:\\Bench\\"

        def fresh_install(_):
            seed(wine, product, directory, registrable_library=wine.regtest)

        removal = timed(wine, args.runs, fresh_install, b"C:\\vz\\vzuninst.exe VZP V70",
                        ["ok", "ok"])
        floor = timed(wine, args.runs, lambda _: None, b"C:\\vz\\minimal.exe", ["ok"])
    finally:
        wine.stop()
    print("median wall time over %d runs under Wine (boxes answered from outside):" % args.runs)
    print("  full confirmed removal of VZP V70: %.2f s" % removal)
    print("  minimal program, one message box:  %.2f s" % floor)
    print("  the uninstaller's own cost:        %.2f s" % (removal - floor))
    return 0


if __name__ == "__main__":
    sys.exit(main())
