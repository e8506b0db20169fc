"""What a user sees of the command line: which product and version a tail
selects, and the message for a tail that names no product."""

import e2e_base
from e2e_base import NOT_RECOGNIZED, confirmation
from installation import UNINSTALL_LIST


class UnrecognisedTail(e2e_base.WineTestCase):
    def test_shows_one_box_and_exits_zero(self):
        for tail in ["", "VAN", "V70 VANT", "   "]:
            with self.subTest(tail=tail):
                result = self.wine.run(tail)
                self.assertBoxes(result, [(NOT_RECOGNIZED, "OK")])

    def test_bare_program_name_without_tail(self):
        result = self.wine.run(command_line=b"C:\\vz\\vzuninst.exe")
        self.assertBoxes(result, [(NOT_RECOGNIZED, "OK")])


class SelectedProduct(e2e_base.WineTestCase):
    """Each selection is seen in the confirmation, which names the product
    and version; Cancel leaves everything as it was."""

    NAMES = ["Vantor Zeltar V7.0", "Vantor Zeltar V6.5", "Vantor Zeltar V3.5",
             "Vantor Zeltar Platform V3.5", "QUORIN Zeltar Engine V5.5",
             "QUORIN Zeltar Engine V3.5"]

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        body = ""
        for name in cls.NAMES:
            body += ("[HKEY_LOCAL_MACHINE\\%sCorvane Systems %s]\n"
                     "\"UninstallString\"=\"C:\\\\Apps\\\\Sel\\\\Remove.exe\"\n\n" %
                     (UNINSTALL_LIST, name))
        cls.wine.reg_import(body)
        with open(cls.wine.drive("C:\\Apps\\Sel\\Zeltar.xlo"), "w") as f:
            f.write("backup")

    @classmethod
    def tearDownClass(cls):
        for name in cls.NAMES:
            cls.wine.reg_delete(UNINSTALL_LIST + "Corvane Systems " + name)

    def test_samples(self):
        cases = [
            (b"vant v70", "Vantor Zeltar V7.0"),
            (b"VANTAGE V65", "Vantor Zeltar V6.5"),
            (b"VZPX", "Vantor Zeltar Platform V3.5"),
            (b"QUORIN  V55", "QUORIN Zeltar Engine V5.5"),
            (b"QUORIN\tV55", "QUORIN Zeltar Engine V3.5"),
            (b"VANTV70", "Vantor Zeltar V3.5"),
            (b"VANT V7", "Vantor Zeltar V3.5"),
            (b"VANT V700", "Vantor Zeltar V7.0"),
            (b"VANT X V70", "Vantor Zeltar V3.5"),
        ]
        for tail, name in cases:
            with self.subTest(tail=tail):
                result = self.wine.run(tail, answers=["cancel"])
                self.assertBoxes(result, [(confirmation(name), "OK Cancel")])

    def test_exact_command_lines(self):
        cases = [
            (b"\"C:\\vz\\vzuninst.exe\"VANT V70", "Vantor Zeltar V7.0"),
            (b"\"C:\\vz\\vzuninst.exe\" \t  vzp", "Vantor Zeltar Platform V3.5"),
            (b"C:\\vz\\vzuninst.exe\t\tVANT  v65", "Vantor Zeltar V6.5"),
        ]
        for command_line, name in cases:
            with self.subTest(command_line=command_line):
                result = self.wine.run(command_line=command_line, answers=["cancel"])
                self.assertBoxes(result, [(confirmation(name), "OK Cancel")])


if __name__ == "__main__":
    import unittest
    unittest.main()
