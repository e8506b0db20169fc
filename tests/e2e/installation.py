"""What a full installation of one product holds, and what a confirmed run
must leave of it.  Written from the products' published layouts, apart from
the program's own tables, so that the tests check the program against them.
"""

import os

UNINSTALL_LIST = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
VENDOR_KEY = "Software\\CorvaneSystems\\"

# code, display name before the version, key below the vendor key, add-in base, library base
PRODUCTS = [
    ("VANT", "Vantor Zeltar V", "VantorZeltar", "Zeltar", "Zeltar32"),
    ("VZP", "Vantor Zeltar Platform V", "VantorZeltarPlatform", "Zeltar", "Zeltar32"),
    ("VZE", "Vantor Zeltar for Education V", "VantorZeltarEducation", "Zeltar", "Zeltar32"),
    ("TALN", "Talnor Zeltar V", "TalnorZeltar", "TALNeng", "TALNeng"),
    ("KEBRA", "Kebrant Zeltar V", "KebrantZeltar", "KEBRAeng", "KEBRAeng"),
    ("WIVO", "WIVORNET Zeltar V", "WIVORNETZeltar", "WIVOeng", "WIVOeng"),
    ("PEL", "PEL Global Zeltar V", "PELGlobalZeltar", "PELeng", "PELeng"),
    ("MORVA", "Morvant Zeltar V", "MorvantZeltar", "MORVAeng", "MORVAeng"),
    ("FENWIK", "FENWIK Zeltar V", "FENWIKZeltar", "FENWIKeng", "FENWIKeng"),
    ("ARVEL", "ARVEL Zeltar V", "ARVELZeltar", "ARVELeng", "ARVELeng"),
    ("QUORIN", "QUORIN Zeltar Engine V", "QUORINZeltarEngine", "QUORINeng", "QUORINeng"),
]

TAGS = {"V40": "4.0", "V50": "5.0", "V55": "5.5", "V60": "6.0", "V65": "6.5", "V70": "7.0"}

ENGINE_EXTRAS = {
    (9, True): ["Bin\\arvel4_0.dll", "Bin\\pthreadVSE.dll", "Bin\\libguide40.dll"],
    (9, False): ["arvel3_1.dll", "arvel3_2.dll", "pthreadVSE.dll"],
    (10, True): ["Bin\\qrns.dll", "Bin\\qrnl.dll", "Bin\\QUORIN ZELTAR.CTP",
                 "Bin\\QUORIN ZELTAR.GLB", "Bin\\QUORIN ZELTAR.SOL"],
    (10, False): ["qrmain32.dll", "qrns.dll", "qrnl.dll", "quorinnh.ini", "qr-base.msg",
                  "QUORIN ZELTAR.CTP", "QUORIN ZELTAR.GLB", "QUORIN ZELTAR.SOL"],
}

# Files of the other layout's or another engine's extras, which a run must
# leave alone.
ENGINE_LOOKALIKES = {
    (9, True): ["Bin\\arvel3_1.dll", "Bin\\arvel3_2.dll"],
    (9, False): ["arvel4_0.dll", "libguide40.dll"],
    (10, True): ["Bin\\qrmain32.dll", "Bin\\quorinnh.ini", "Bin\\qr-base.msg"],
    (10, False): [],
}

SHARED_ENGINE_FILES = ["Help\\CorvaneEnginesV70.pdf", "Help\\Engine.hlp", "Help\\Engine.cnt",
                       "Help\\Engine.gid", "Help\\Engine.fts"]

UNRELATED = ["Remove.exe", "readme.txt", "Bin\\other.dll", "Help\\notes.txt",
             "Examples\\mine.xls"]


class Product:
    def __init__(self, code, tag=""):
        self.id = [p[0] for p in PRODUCTS].index(code)
        self.code = code
        self.tag = tag
        self.version = TAGS.get(tag, "3.5")
        self.release70 = self.version == "7.0"
        _, prefix, subkey, addin, library = PRODUCTS[self.id]
        self.display_name = prefix + self.version
        self.entry_key = UNINSTALL_LIST + "Corvane Systems " + self.display_name
        self.product_key = VENDOR_KEY + subkey
        self.version_key = self.product_key + "\\" + self.version
        sibling = "6.0" if self.version != "6.0" else "5.0"
        self.sibling_key = self.product_key + "\\" + sibling
        platform = self.id < 3
        self.library = library + (".xll" if self.release70 and platform else ".dll")
        self.addin = addin + ".xla"
        self.help_files = [addin + ext for ext in (".hlp", ".cnt", ".gid", ".fts")]

    @property
    def tail(self):
        return (self.code + " " + self.tag).strip()

    def unregisters(self):
        return self.release70 and self.id < 3

    def restores(self):
        return not self.release70 and self.id < 2

    def own_files(self):
        lib_dir = "Bin\\" if self.release70 else ""
        help_dir = "Help\\" if self.release70 else ""
        files = [lib_dir + self.library, lib_dir + self.addin]
        files += [help_dir + name for name in self.help_files]
        files += ENGINE_EXTRAS.get((self.id, self.release70), [])
        if self.release70 and self.id < 3:
            files += ["Help\\CorvanePlatformV70.pdf"]
            files += ["Examples\\" + n for n in
                      ("Examples.xls", "Fleetplan.xls", "Blendmix.xls", "Sheetcut.xls")]
        if self.restores():
            files += ["Vecsum32.xll", "Examples.xls"]
        return files

    def backups(self):
        """Backup copies of Excel's standard add-in: the library's in both
        forms (the digit-zero copy wins), the workbook's as letter o only."""
        return ["Zeltar32.dl0", "Zeltar32.dlo", "Zeltar.xlo"] if self.restores() else []

    def shared_files(self):
        return SHARED_ENGINE_FILES if self.id >= 2 else []

    def all_files(self):
        return (self.own_files() + self.backups() + self.shared_files() + UNRELATED +
                ENGINE_LOOKALIKES.get((self.id, self.release70), []))

    def expected_after(self, files, other_engine_left=False):
        """The install directory after a confirmed run: relative path ->
        content, from `files` (relative path -> content) before it."""
        after = dict(files)
        for name in self.own_files():
            after.pop(name, None)
        if self.restores():
            after[self.library] = after.pop("Zeltar32.dl0")
            after[self.addin] = after.pop("Zeltar.xlo")
        if self.id >= 2 and not other_engine_left:
            for name in SHARED_ENGINE_FILES:
                after.pop(name, None)
        return after

    def registry(self, install_dir):
        """The .reg text of the product's uninstall entry and vendor keys."""
        return (
            "[HKEY_LOCAL_MACHINE\\%s]\n\"UninstallString\"=\"%s\"\n\"DisplayName\"=\"%s\"\n\n"
            "[HKEY_LOCAL_MACHINE\\%s]\n\"Path\"=\"%s\"\n\n"
            "[HKEY_LOCAL_MACHINE\\%s]\n\"Path\"=\"%s\"\n" % (
                self.entry_key, _reg_escape(install_dir + "Remove.exe"), self.display_name,
                self.version_key, _reg_escape(install_dir),
                self.sibling_key, _reg_escape(install_dir)))


def _reg_escape(text):
    return text.replace("\\", "\\\\").replace("\"", "\\\"")


def seed(wine, product, install_dir, registrable_library=None):
    """Writes a full installation of `product` into the Wine prefix: every
    file of its layout (each holding its own name, so a moved file can be
    recognised), unrelated files beside them, and its registry keys.  For a
    7.0 platform product the library is `registrable_library` when given.
    Returns relative path -> content of what was written."""
    files = {}
    for name in product.all_files():
        path = wine.drive(install_dir + name)
        content = ("%s of %s\n" % (name, product.display_name)).encode()
        if registrable_library and name == "Bin\\" + product.library:
            with open(registrable_library, "rb") as f:
                content = f.read()
        with open(path, "wb") as f:
            f.write(content)
        files[name] = content
    wine.reg_import(product.registry(install_dir))
    return files


def read_tree(wine, install_dir):
    """Relative path -> content of every file below the install directory."""
    top = os.path.dirname(wine.drive(install_dir + "x"))
    out = {}
    for dirpath, _, names in os.walk(top):
        for name in names:
            full = os.path.join(dirpath, name)
            with open(full, "rb") as f:
                out[os.path.relpath(full, top).replace("/", "\\")] = f.read()
    return out
