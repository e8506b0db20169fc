"""Demonstration: seeds a complete installation of one product into a fresh
Wine prefix, runs vzuninst.exe on it and shows what it removed.

    python3 scripts/demo.py [CODE [TAG]] [--virtual-display]

With a display ($DISPLAY) the boxes appear there for you to answer.  Without
one, or with --virtual-display, they appear on a virtual display, are
answered with OK and photographed.
"""

import argparse
import os
import shutil
import sys

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))

import winebox  # noqa: E402
from installation import Product, read_tree, seed  # noqa: E402

BUILD = os.path.join(ROOT, "build", "windows")
DEMO = os.path.join(ROOT, "build", "demo")


def show_keys(wine, product):
    for key in (product.entry_key, product.version_key, product.sibling_key):
        state = "present" if wine.reg_exists(key) else "gone"
        print("  HKLM\\%s  [%s]" % (key, state))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("code", nargs="?", default="VZP")
    parser.add_argument("tag", nargs="?", default="V70")
    parser.add_argument("--virtual-display", action="store_true",
                        help="answer the boxes on a virtual display even when there is a display")
    args = parser.parse_args()
    args.interactive = bool(os.environ.get("DISPLAY")) and not args.virtual_display
    if args.interactive:
        print("The boxes appear on your display %s: answer them there." % os.environ["DISPLAY"])

    product = Product(args.code.upper(), args.tag.upper())
    install_dir = "C:\\Program Files\\Corvane Systems\\%s\\" % product.display_name
    shutil.rmtree(DEMO, ignore_errors=True)
    os.makedirs(DEMO)
    wine = winebox.Wine(BUILD, prefix=os.path.join(DEMO, "prefix"),
                        use_display=args.interactive, framed=True)
    print("Creating a fresh Wine prefix in %s ..." % wine.prefix)
    wine.start()
    try:
        before = seed(wine, product, install_dir, registrable_library=wine.regtest)
        print("\nInstalled %s in %s:" % (product.display_name, install_dir))
        for name in sorted(before):
            print("  " + name)
        print("Registry:")
        show_keys(wine, product)

        print("\nRunning: vzuninst.exe %s" % product.tail)
        shots_dir = os.path.join(DEMO, "screenshots")
        result = wine.run(product.tail, answers=["ok"], screenshots_dir=shots_dir,
                          user_answers=args.interactive)
        for box in result.boxes:
            print("\n  [%s] (%s)\n  %s" % (box.caption, box.buttons(),
                                         box.text.replace("\n", "\n  ")))
        print("\nExit status: %d" % result.status)

        after = read_tree(wine, install_dir)
        print("\nRemoved:")
        for name in sorted(set(before) - set(after)):
            print("  " + name)
        restored = [n for n in after if n in before and after[n] != before[n]]
        if restored:
            print("Put back from the standard add-in's backup copies:")
            for name in sorted(restored):
                print("  " + name)
        print("Remaining:")
        for name in sorted(after):
            note = "" if name in before else "   (new: left by the library's unregistration)"
            print("  " + name + note)
        print("Registry:")
        show_keys(wine, product)
        if result.screenshots:
            print("\nScreenshots of the boxes:")
            for path in result.screenshots:
                print("  " + path)
    finally:
        wine.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())
