"""A confirmed run removes the product: every product in both layouts, on a
full installation, and faults that must not stop the run."""

import os
import shutil
import subprocess
import time

import e2e_base
from e2e_base import NOT_FOUND, completion, confirmation
from installation import PRODUCTS, Product, read_tree, seed

MARKER = "Bin\\unregistered.marker"


class FullRemoval(e2e_base.WineTestCase):
    def remove_and_check(self, product, directory, other_engine=None):
        files = seed(self.wine, product, directory, registrable_library=self.wine.regtest)
        if other_engine:
            with open(self.wine.drive(directory + other_engine), "w") as f:
                f.write("another engine")
            files[other_engine] = b"another engine"
        drive_before = self.outside(directory)

        result = self.wine.run(product.tail, answers=["ok"])

        self.assertBoxes(result, [(confirmation(product.display_name), "OK Cancel"),
                                  (completion(product.display_name), "OK")])
        expected = product.expected_after(files, other_engine_left=other_engine is not None)
        if product.unregisters():
            expected[MARKER] = None  # left by the library's DllUnregisterServer
        after = read_tree(self.wine, directory)
        if MARKER in after:
            after[MARKER] = None
        self.assertEqual(sorted(expected), sorted(after))
        self.assertEqual(expected, after)
        self.assertSameFiles(drive_before, self.outside(directory))
        self.assertFalse(self.wine.reg_exists(product.version_key))
        self.assertFalse(self.wine.reg_exists(product.entry_key))
        self.assertTrue(self.wine.reg_exists(product.product_key))
        self.assertTrue(self.wine.reg_exists(product.sibling_key))

        again = self.wine.run(product.tail)
        self.assertBoxes(again, [(NOT_FOUND, "OK")])
        self.wine.reg_delete(product.product_key)

    def outside(self, directory):
        """Every file of the drive but the install directory's."""
        inside = directory[3:]
        return {path: digest for path, digest in self.wine.snapshot().items()
                if not path.startswith(inside)}

    def test_every_product_in_both_layouts(self):
        for code, *_ in PRODUCTS:
            for tag in ("", "V70"):
                with self.subTest(product=code, tag=tag):
                    # QUORIN's legacy layout is exercised with a tagged version.
                    if code == "QUORIN" and not tag:
                        tag = "V55"
                    product = Product(code, tag)
                    directory = "C:\\Program Files\\Corvane\\%s%s\\" % (code, tag)
                    self.remove_and_check(product, directory)

    def test_shared_engine_files_stay_while_another_engine_is_installed(self):
        for code, tag, library in [("WIVO", "V70", "Bin\\MORVAeng.dll"),
                                   ("TALN", "V40", "Bin\\KEBRAENG.DLL")]:
            with self.subTest(product=code):
                product = Product(code, tag)
                directory = "C:\\Apps\\Shared%s\\" % code
                self.remove_and_check(product, directory, other_engine=library)


class FaultsAfterConfirmation(e2e_base.WineTestCase):
    def run_confirmed(self, product, env=None):
        result = self.wine.run(product.tail, answers=["ok"], env=env)
        self.assertBoxes(result, [(confirmation(product.display_name), "OK Cancel"),
                                  (completion(product.display_name), "OK")])
        for key in (product.entry_key, product.version_key, product.sibling_key,
                    product.product_key):
            self.wine.reg_delete(key)

    def test_read_only_file_stays(self):
        product = Product("KEBRA", "V60")
        directory = "C:\\Apps\\ReadOnly\\"
        seed(self.wine, product, directory)
        locked = self.wine.drive(directory + "KEBRAeng.xla")
        os.chmod(locked, 0o444)  # Wine shows a file without write bits as read-only
        self.run_confirmed(product)
        after = read_tree(self.wine, directory)
        self.assertIn("KEBRAeng.xla", after)
        self.assertNotIn("KEBRAeng.dll", after)

    def test_file_held_open_by_another_program_stays(self):
        product = Product("PEL", "V65")
        directory = "C:\\Apps\\Held\\"
        seed(self.wine, product, directory)
        held = directory + "PELeng.dll"
        exe = self.wine.drive("C:\\vz\\vzhold.exe")
        if not os.path.exists(exe):
            shutil.copy(os.path.join(self.wine.build_dir, "vzhold.exe"), exe)
        holder = subprocess.Popen(["wine", "C:\\vz\\vzhold.exe", held], env=self.wine.env,
                                  stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
        try:
            deadline = time.monotonic() + 60
            while not os.path.exists(self.wine.drive(held + ".held")):
                self.assertLess(time.monotonic(), deadline, "the holder never opened the file")
                time.sleep(0.2)
            self.run_confirmed(product)
            after = read_tree(self.wine, directory)
            self.assertIn("PELeng.dll", after)
            self.assertNotIn("PELeng.xla", after)
        finally:
            with open(self.wine.drive(held + ".release"), "w") as f:
                f.write("done")
            holder.wait(60)

    def test_missing_bin_directory(self):
        product = Product("VZE", "V70")
        directory = "C:\\Apps\\NoBin\\"
        seed(self.wine, product, directory)
        shutil.rmtree(os.path.dirname(self.wine.drive(directory + "Bin\\x")))
        self.run_confirmed(product)
        after = read_tree(self.wine, directory)
        self.assertNotIn("Help\\Zeltar.hlp", after)
        self.assertNotIn("Help\\Engine.hlp", after)  # no engine library left in Bin

    def test_missing_unregistration_tool(self):
        product = Product("VANT", "V70")
        directory = "C:\\Apps\\NoTool\\"
        seed(self.wine, product, directory, registrable_library=self.wine.regtest)
        # Wine takes "windir" from its own registry, so the tool itself goes.
        tool = self.wine.drive("C:\\windows\\system32\\regsvr32.exe")
        os.rename(tool, tool + ".away")
        try:
            self.run_confirmed(product)
        finally:
            os.rename(tool + ".away", tool)
        after = read_tree(self.wine, directory)
        self.assertNotIn(MARKER, after)
        self.assertNotIn("Bin\\Zeltar32.xll", after)
