"""Shared set-up of the end-to-end tests: one Wine session for all of them."""

import os
import unittest

import winebox

BUILD_DIR = os.environ.get("VZ_WINDOWS_BUILD", os.path.join(winebox.ROOT, "build", "windows"))

NOT_RECOGNIZED = "Command line argument not recognized"
NOT_FOUND = "Uninstall command not found in Registry"
NO_PATH = "Uninstall command does not include path"
TOO_LONG = "Install directory path is too long"
BACKUP_MISSING = ("Backup copies of the standard Excel Zeltar files\n"
                  "could not be found, so no action was taken.  You\n"
                  "can use the Setup program Uninstall choice.  For\n"
                  "assistance, please contact Corvane Systems at\n"
                  "(800) 555-0142, or email at support@corvane.example.")


def confirmation(display_name):
    return "To remove the %s,\nclick OK.  Otherwise click Cancel." % display_name


def completion(display_name):
    return "The %s files\nhave been removed.  Thank you." % display_name


_session = None


def session():
    global _session
    if _session is None:
        _session = winebox.Wine(BUILD_DIR).start()
    return _session


def end_session():
    global _session
    if _session is not None:
        _session.stop()
        _session = None


class WineTestCase(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.wine = session()

    def assertSameFiles(self, before, after):
        """Compares two snapshots by their differences alone."""
        changed = sorted(k for k in set(before) | set(after) if before.get(k) != after.get(k))
        self.assertEqual([], changed, "files created, changed or deleted")

    def assertBoxes(self, result, expected):
        """`expected`: (text, "OK" or "OK Cancel") for each box, in order."""
        seen = [(b.text, b.buttons()) for b in result.boxes]
        self.assertEqual(expected, seen)
        for box in result.boxes:
            self.assertEqual(winebox.CAPTION, box.caption)
            self.assertEqual(0, box.owner, "a box with an owner window")
        self.assertEqual(0, result.status)
