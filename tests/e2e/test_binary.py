"""The shape of vzuninst.exe itself: a 32-bit GUI program that needs no DLL
beyond the system's own, with its manifest and version information."""

import os
import re
import subprocess
import unittest

import e2e_base

SYSTEM_DLLS = {"KERNEL32.DLL", "USER32.DLL", "ADVAPI32.DLL", "MSVCRT.DLL"}


class Binary(unittest.TestCase):
    exe = os.path.join(e2e_base.BUILD_DIR, "vzuninst.exe")

    def test_is_a_32_bit_gui_program(self):
        kind = subprocess.run(["file", "-b", self.exe], stdout=subprocess.PIPE, check=True)
        self.assertTrue(kind.stdout.decode().startswith("PE32 executable (GUI) Intel 80386"),
                        kind.stdout)

    def test_imports_only_system_dlls(self):
        dump = subprocess.run(["i686-w64-mingw32-objdump", "-p", self.exe],
                              stdout=subprocess.PIPE, check=True).stdout.decode()
        dlls = {name.upper() for name in re.findall(r"DLL Name: (\S+)", dump)}
        self.assertTrue(dlls, "no import table found")
        self.assertLessEqual(dlls, SYSTEM_DLLS)

    def test_carries_manifest_and_version_information(self):
        with open(self.exe, "rb") as f:
            data = f.read()
        self.assertIn(b'level="requireAdministrator"', data)
        self.assertIn(b"supportedOS", data)
        self.assertIn("Vantor Zeltar Products".encode("utf-16-le"), data)


if __name__ == "__main__":
    unittest.main()
