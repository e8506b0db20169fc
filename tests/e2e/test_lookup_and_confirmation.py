"""Finding the installation and asking before anything changes."""

import os

import e2e_base
from e2e_base import (BACKUP_MISSING, NO_PATH, NOT_FOUND, TOO_LONG, completion,
                      confirmation)
from installation import UNINSTALL_LIST, Product, read_tree, seed


class LookupFailures(e2e_base.WineTestCase):
    ENTRY = UNINSTALL_LIST + "Corvane Systems Vantor Zeltar Platform V7.0"

    def tearDown(self):
        self.wine.reg_delete(self.ENTRY)

    def set_entry(self, value_line):
        self.wine.reg_import("[HKEY_LOCAL_MACHINE\\%s]\n%s\n" % (self.ENTRY, value_line))

    def test_missing_entry(self):
        result = self.wine.run("VZP V70")
        self.assertBoxes(result, [(NOT_FOUND, "OK")])

    def test_registered_under_another_version(self):
        self.set_entry('"UninstallString"="C:\\\\Apps\\\\VZP\\\\Remove.exe"')
        result = self.wine.run("VZP V65")
        self.assertBoxes(result, [(NOT_FOUND, "OK")])

    def test_missing_value(self):
        self.set_entry('"DisplayName"="Vantor Zeltar Platform V7.0"')
        self.assertBoxes(self.wine.run("VZP V70"), [(NOT_FOUND, "OK")])

    def test_expandable_string_is_refused(self):
        # hex(2): REG_EXPAND_SZ holding "C:\A\R.exe"
        data = ",".join("%02x" % b for b in b"C:\\A\\R.exe\0")
        self.set_entry('"UninstallString"=hex(2):' + data)
        self.assertBoxes(self.wine.run("VZP V70"), [(NOT_FOUND, "OK")])

    def test_value_without_backslash(self):
        self.set_entry('"UninstallString"="Remove.exe /x"')
        self.assertBoxes(self.wine.run("VZP V70"), [(NO_PATH, "OK")])

    def test_value_longer_than_255_characters(self):
        self.set_entry('"UninstallString"="C:\\\\%s"' % ("a" * 253))
        self.assertBoxes(self.wine.run("VZP V70"), [(NOT_FOUND, "OK")])

    def test_value_of_255_characters_is_read(self):
        # Read whole, it names a 255-character directory: too long for the
        # unregistration command, which says that it was read.
        self.set_entry('"UninstallString"="C:\\\\%s\\\\"' % ("a" * 251))
        self.assertBoxes(self.wine.run("VZP V70"), [(TOO_LONG, "OK")])

    def test_install_directory_too_long_for_the_unregistration_command(self):
        # windir C:\windows (10 characters) leaves 202 for the directory.
        directory = "C:\\" + "d" * 199 + "\\"
        self.set_entry('"UninstallString"="%sRemove.exe"' % directory.replace("\\", "\\\\"))
        self.assertBoxes(self.wine.run("VZP V70"), [(TOO_LONG, "OK")])


class BackupCheckAndConfirmation(e2e_base.WineTestCase):
    def seed(self, product, directory, backups=(), backup_dirs=()):
        """A full installation whose backups are exactly `backups` (files)
        and `backup_dirs` (directories of those names)."""
        seed(self.wine, product, directory)
        for name in product.backups():
            os.remove(self.wine.drive(directory + name))
        for name in backups:
            with open(self.wine.drive(directory + name), "w") as f:
                f.write(name)
        for name in backup_dirs:
            os.makedirs(self.wine.drive(directory + name), exist_ok=True)

    def cleanup(self, product):
        for key in (product.entry_key, product.version_key, product.sibling_key):
            self.wine.reg_delete(key)

    def unchanged(self, product, directory, run):
        """Runs `run` and asserts that the drive and the product's keys are
        exactly as before it."""
        before_files = self.wine.snapshot()
        before_keys = self.wine.reg_export("Software\\CorvaneSystems")
        before_entry = self.wine.reg_export(product.entry_key)
        result = run()
        self.assertSameFiles(before_files, self.wine.snapshot())
        self.assertEqual(before_keys, self.wine.reg_export("Software\\CorvaneSystems"))
        self.assertEqual(before_entry, self.wine.reg_export(product.entry_key))
        return result

    def test_backup_missing_refuses_and_changes_nothing(self):
        product = Product("VZP")
        directory = "C:\\Apps\\NoBackup\\"
        self.seed(product, directory, backups=["Zeltar.xl0", "Zeltar32.dlo"])
        result = self.unchanged(product, directory, lambda: self.wine.run("VZP"))
        self.assertBoxes(result, [(BACKUP_MISSING, "OK")])
        self.cleanup(product)

    def test_directory_named_like_the_backup_passes(self):
        product = Product("VANT", "V65")
        directory = "C:\\Apps\\DirBackup\\"
        self.seed(product, directory, backup_dirs=["Zeltar.xlo"])
        result = self.unchanged(product, directory,
                                lambda: self.wine.run("VANT V65", answers=["cancel"]))
        self.assertBoxes(result, [(confirmation("Vantor Zeltar V6.5"), "OK Cancel")])
        self.cleanup(product)

    def test_cancel_changes_nothing(self):
        for code, tag in [("VZP", "V70"), ("VANT", ""), ("QUORIN", "V55")]:
            with self.subTest(product=code + tag):
                product = Product(code, tag)
                directory = "C:\\Apps\\Cancel%s%s\\" % (code, tag)
                seed(self.wine, product, directory)
                result = self.unchanged(
                    product, directory, lambda: self.wine.run(product.tail, answers=["cancel"]))
                self.assertBoxes(result, [(confirmation(product.display_name), "OK Cancel")])
                self.cleanup(product)

    def test_quoted_uninstall_command_finds_the_directory(self):
        product = Product("TALN", "V50")
        directory = "C:\\Program Files\\Talnor Zeltar\\"
        files = seed(self.wine, product, directory)
        self.wine.reg_import('[HKEY_LOCAL_MACHINE\\%s]\n"UninstallString"="\\"%sRemove.exe\\" /x C:\\\\Temp\\\\log"\n'
                             % (product.entry_key, directory.replace("\\", "\\\\")))
        result = self.wine.run(product.tail)
        self.assertBoxes(result, [(confirmation(product.display_name), "OK Cancel"),
                                  (completion(product.display_name), "OK")])
        after = read_tree(self.wine, directory)
        self.assertEqual(product.expected_after(files), after)
        self.cleanup(product)
