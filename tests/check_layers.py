#!/usr/bin/env python3
"""Includes that run the right way: checked over the sources, as a maintainer would read them.

- platform/ includes only platform/; sound/ only platform/ and sound/; neither knows the game.
- No file of the game (core/, talk/, ending/, frontend/), windows included, includes a widget header
  of the toolkit, directly or through a header of the platform (or of the game) that it includes:
  the windows hold the platform's own controls.
- The game's procedures (every module of the game that is not a window) include no window: they
  reach windows through their views.
- No two modules include each other, directly or through others. A module is a .h/.cpp pair.
Prints every fault and exits 1 when there is one.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parents[1])
GAME = ("core", "talk", "ending", "frontend")
LAYERS = {"platform": {"platform"}, "sound": {"platform", "sound"}}
# The windows and what wires them: they alone may name other windows.
WINDOW = re.compile(r"^(Dbl\w+|Demoform|Windows|Main)$")
# The toolkit's widget headers: every name in its QtWidgets folder (<QLabel>, <qlabel.h>), else the
# usual ones by name.
QT_WIDGETS = next(iter(sorted(pathlib.Path("/usr/include").glob("*/qt6/QtWidgets")) +
                       sorted(pathlib.Path("/usr/include").glob("qt6/QtWidgets"))), None)
WIDGET_NAMES = {f.name for f in QT_WIDGETS.iterdir()} if QT_WIDGETS else set()
WIDGETS = re.compile(r"^<(QApplication|QWidget|QLabel|QPushButton|QLineEdit|QTextBrowser|QMessageBox|QScrollBar|"
                     r"QFrame|QAbstract\w+|QtWidgets(/.+)?)>$")


def is_widget_header(whole):
    return bool(WIDGETS.match(whole)) or whole.strip("<>") in WIDGET_NAMES
INCLUDE = re.compile(r'^\s*#\s*include\s+("([^"]+)"|<[^>]+>)', re.M)


def modules():
    found = {}
    for folder in GAME + tuple(LAYERS):
        for f in sorted((ROOT / folder).glob("*.[ch]*")):
            if f.suffix in (".h", ".cpp"):
                found.setdefault(f"{folder}/{f.stem}", []).append(f)
    return found


def includes(f):
    return [(m.group(1), m.group(2)) for m in INCLUDE.finditer(f.read_text(encoding="utf-8"))]


def widgets_through(f, seen=None):
    """The widget headers that file f includes, directly or through local headers: {header: chain}."""
    seen = set() if seen is None else seen
    found = {}
    for whole, local in includes(f):
        if not local:
            if is_widget_header(whole):
                found.setdefault(whole, [])
        elif (ROOT / local).is_file() and local not in seen:
            seen.add(local)
            for header, chain in widgets_through(ROOT / local, seen).items():
                found.setdefault(header, [local] + chain)
    return found


def main():
    mods = modules()
    faults, edges = [], {m: set() for m in mods}
    for mod, files in mods.items():
        folder, name = mod.split("/")
        for f in files:
            if folder in GAME:
                for header, chain in widgets_through(f).items():
                    through = " through " + " -> ".join(chain) if chain else ""
                    faults.append(f"{f.relative_to(ROOT)}: {header}{through}: the game includes no widget header")
            for whole, local in includes(f):
                where = f"{f.relative_to(ROOT)}: {whole}"
                if local:
                    target = str(pathlib.PurePosixPath(local).with_suffix(""))
                    if target in mods and target != mod:
                        edges[mod].add(target)
                    other = local.split("/")[0]
                    if folder in LAYERS and other not in LAYERS[folder]:
                        faults.append(f"{where}: {folder}/ knows nothing of {other}/")
                    is_window = bool(WINDOW.match(pathlib.PurePosixPath(local).stem)) or local == "platform/Form.h"
                    if folder in GAME and not WINDOW.match(name) and is_window:
                        faults.append(f"{where}: a game procedure reaches a window only through its view")
                elif folder == "sound" or folder == "platform":
                    if folder == "platform" and whole.startswith(("<SDL", "<fluidsynth")):
                        faults.append(f"{where}: the platform leaves sound to sound/")
    # Cycles: a module that can reach itself again through what it includes.
    state, stack = {}, []

    def visit(m):
        state[m] = 1
        stack.append(m)
        for n in sorted(edges[m]):
            if state.get(n) == 1:
                faults.append("include circle: " + " -> ".join(stack[stack.index(n):] + [n]))
            elif n not in state:
                visit(n)
        stack.pop()
        state[m] = 2

    for m in sorted(mods):
        if m not in state:
            visit(m)
    for f in faults:
        print(f)
    print(f"{len(mods)} modules, {sum(map(len, edges.values()))} includes between them, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
