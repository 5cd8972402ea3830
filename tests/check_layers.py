#!/usr/bin/env python3
"""Includes that run the right way: checked over the sources, as a maintainer would read them.

- platform/ includes only platform/; sound/ only platform/ and sound/; neither knows the game.
- The game's procedures (every module of core/, talk/, ending/, frontend/ that is not a window)
  include no widget header and no window: they reach windows through their views.
- No two modules include each other, directly or through others. A module is a .h/.cpp pair.
Prints every fault and exits 1 when there is one.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parents[1])
GAME = ("core", "talk", "ending", "frontend")
LAYERS = {"platform": {"platform"}, "sound": {"platform", "sound"}}
# The windows and what wires them: they alone may use widgets and name other windows.
WINDOW = re.compile(r"^(Dbl\w+|Demoform|Windows|Main)$")
WIDGETS = re.compile(r"^<(QApplication|QWidget|QLabel|QPushButton|QLineEdit|QTextBrowser|QMessageBox|QScrollBar|"
                     r"QFrame|QAbstract\w+|QtWidgets(/\w+)?)>$")
INCLUDE = re.compile(r'^\s*#\s*include\s+("([^"]+)"|<[^>]+>)', re.M)


def modules():
    found = {}
    for folder in GAME + tuple(LAYERS):
        for f in sorted((ROOT / folder).glob("*.[ch]*")):
            if f.suffix in (".h", ".cpp"):
                found.setdefault(f"{folder}/{f.stem}", []).append(f)
    return found


def main():
    mods = modules()
    faults, edges = [], {m: set() for m in mods}
    for mod, files in mods.items():
        folder, name = mod.split("/")
        for f in files:
            for m in INCLUDE.finditer(f.read_text(encoding="utf-8")):
                whole, local = m.group(1), m.group(2)
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
                elif folder in GAME and not WINDOW.match(name) and WIDGETS.match(whole):
                    faults.append(f"{where}: a game procedure includes a widget header")
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
