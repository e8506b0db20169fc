"""vzplan.exe, the Windows build of the plan tool, says under Wine exactly
what the Linux build says."""

import os
import subprocess

import e2e_base
import winebox


class VzplanOnWindows(e2e_base.WineTestCase):
    def test_same_report_as_the_linux_build(self):
        linux = os.path.join(winebox.ROOT, "build", "linux", "vzplan")
        if not os.path.exists(linux):
            self.skipTest("the Linux build of vzplan is not there")
        args = ["--install-dir", "C:\\Apps\\VZP\\", "VZP", "V70"]
        expected = subprocess.run([linux] + args, stdout=subprocess.PIPE, check=True).stdout
        exe = os.path.join(self.wine.build_dir, "vzplan.exe")
        done = self.wine._wine(["wine", exe] + args)
        self.assertEqual(expected.decode(), done.stdout.decode().replace("\r\n", "\n"))
