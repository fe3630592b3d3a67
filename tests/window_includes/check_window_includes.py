#!/usr/bin/env python3
"""Checks how the files of quillby/windows include each other.

Each unit (X.h with X.cpp) may include another unit's header. Two rules:
- no loop: no unit reaches itself through the headers it includes;
- a window's header (frm*.h) is included only by its own unit, by the controller (Tasks,
  which makes the task windows and connects them), by the unit that owns that window as
  listed in OWNED, or, for the shared notice window, by anyone.

Usage: check_window_includes.py <source root>
"""
import pathlib
import re
import sys

CONTROLLER = "Tasks"
# The family's commands make the children's windows and connect them to the main window, as
# Tasks does for the list-level tasks.
CONTROLLERS = {CONTROLLER, "ChildCommands"}
# Windows every window may show: the temporary notice.
SHARED = {"frmMessage"}
# Unit -> the windows it owns (makes, shows and closes as part of itself).
OWNED = {
    "frmLists": {"frmAbout", "frmNewList", "frmOptions",  # its modal dialogs
                 "frmImportWords",  # the import of words dropped on it or asked for
                 "frmBusy"},  # what it is doing while an old file is first counted
    "ChildStart": {"frmChooseChild"},  # "Who is practising?" before the main window
    "CopyToChild": {"frmChooseChild"},  # the choice of the child who gets the copy
    "frmEditList": {"frmEditWord"},  # the word editor, which reports its saves to it
    "frmTest": {"frmRevealAnswer"},  # the modal reveal of a missed word
    "frmTestResults": {"frmTestWordDetails"},  # the attempts of the selected word
    "frmPastTests": {"frmTestResults"},  # the results of the selected past test, beside it
    "Startup": {"frmDeleteOldList", "frmOptions"},  # start-up prompts and default settings
    "HelpKey": {"frmHelp"},  # F1 in every window
}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)\.h"', re.M)


def read_graph(folder):
    units = {p.stem for p in folder.iterdir() if p.suffix in (".h", ".cpp")}
    graph = {unit: {} for unit in units}  # unit -> {included unit: including file}
    for path in sorted(folder.iterdir()):
        if path.suffix not in (".h", ".cpp"):
            continue
        for name in INCLUDE.findall(path.read_text(encoding="utf-8")):
            if name in units and name != path.stem:
                graph[path.stem].setdefault(name, path.name)
    return graph


def find_loop(graph):
    state = {}  # unit -> "open" while on the path, "done" after

    def visit(unit, path):
        state[unit] = "open"
        for other in sorted(graph[unit]):
            if state.get(other) == "open":
                return path[path.index(other):] + [other]
            if other not in state:
                loop = visit(other, path + [other])
                if loop:
                    return loop
        state[unit] = "done"
        return None

    for unit in sorted(graph):
        if unit not in state:
            loop = visit(unit, [unit])
            if loop:
                return loop
    return None


def foreign_window_includes(graph):
    faults = []
    for unit, included in sorted(graph.items()):
        if unit in CONTROLLERS:
            continue
        for window, file in sorted(included.items()):
            if not window.startswith("frm") or window in SHARED:
                continue
            if window not in OWNED.get(unit, set()):
                faults.append(f"{file} includes {window}.h, a window it does not own: "
                              f"ask for it with a signal that {CONTROLLER} connects")
    return faults


def main():
    folder = pathlib.Path(sys.argv[1]) / "quillby" / "windows"
    graph = read_graph(folder)
    faults = foreign_window_includes(graph)
    loop = find_loop(graph)
    if loop:
        faults.append("include loop: " + " -> ".join(loop))
    for fault in faults:
        print(fault)
    print(f"{len(graph)} units checked, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
