"""Runs every end-to-end test under Wine and closes with one summary line."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import e2e_base  # noqa: E402


def main():
    pattern = sys.argv[1] if len(sys.argv) > 1 else "test_*.py"
    suite = unittest.defaultTestLoader.discover(os.path.dirname(os.path.abspath(__file__)),
                                                pattern=pattern)
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    e2e_base.end_session()
    failed = len(result.failures) + len(result.errors)
    print("e2e: %d passed, %d failed" % (max(0, result.testsRun - failed), failed))
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
