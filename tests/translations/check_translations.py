"""Checks that every text the three programs show is translated in each shipped catalogue.

    check_translations.py LUPDATE SOURCE_DIR

1. lupdate reads each program's sources (CATALOGUES) into a copy of each of its shipped
   catalogues, translations/<catalogue>_*.ts:
   every source text must be there, translated (none "unfinished"), and keep the
   placeholders (%1, %2) and the number of access keys (&) of its English text. A catalogue
   speaks to the user in one form of address: the German ones say "Sie", never "du" (FAMILIAR).
   Every text the shipped catalogue holds must still be found by lupdate: one it no longer
   finds is shown through a helper lupdate cannot read (and would lose its translation the
   next time the catalogue is updated), or is no longer used.
2. A scan of the sources for texts that reach the screen without tr(): a string literal
   (QStringLiteral, QLatin1String, QString::fromLatin1, QString("..."), or a bare "...") among
   the arguments of a call that shows text (setText, setWindowTitle, MsgBox, a button or label
   made with Make..., QLabel, addAction, ...). Texts that are the same in every language
   (the program's name, its version, its addresses, file names) are listed in ALLOWED.
Prints what is wrong and ends with the count of problems, exiting non-zero when any."""

import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SHOWING_CALLS = (
    "setText", "setWindowTitle", "setToolTip", "setAccessibleName", "setAccessibleDescription",
    "setTitle", "setTitleText", "setPlaceholderText", "setStatusTip", "setWhatsThis",
    "addAction", "addMenu", "addTab", "addItem", "addItems", "setHorizontalHeaderLabels",
    "MsgBox", "ShowTempMessage", "SetLines", "Tell", "Ask", "ShowFeedback", "InitModalDialog",
    "MakeButton", "MakeLabel", "MakeCheckBox", "MakeMenuItem", "MakeFrame", "MakeGrid",
    "MakeOption", "MakeSidePanel", "NameWindow", "SetStatus", "SetFailure",
    "AddReadOnlyField", "NameControl", "ResetGrid", "ReportOperationError",
    "QLabel", "QPushButton", "QCheckBox", "QGroupBox", "QAction", "QMenu", "QRadioButton",
)
# (file name, literal) pairs that are shown as they are in every language.
ALLOWED = {
    ("frmAbout.cpp", "1.0"),                       # the version numbers
    ("frmAbout.cpp", "Quillby"),                   # the program's name
    ("frmTestResults.cpp", "h:mm AP"),             # the English time form (a translation takes the locale's)
    ("frmFirst.cpp", "Robot.ico"),                 # the side panel's picture file
    ("frmMain.cpp", "txtDummy"),                   # a hidden text box
}
# Each catalogue (translations/<name>_*.ts), the source folders it is made from, and the
# least number of texts they hold (fewer means lupdate did not read them).
CATALOGUES = (("quillby", ("quillby",), 100), ("setup", ("setup",), 50),
              ("uninstaller", ("uninstaller",), 10))
# Per language, the words of the familiar address that its catalogues must not use: the
# programs speak to the parent formally, and to the child without addressing at all.
FAMILIAR = {"de": re.compile(r"\b(du|dich|dir|dein(e[mnrs]?)?|euch|eue?r(e[mnrs]?)?|hast|bist|kannst|"
                             r"möchtest|willst|musst)\b", re.IGNORECASE)}
# The folders whose shown texts must go through tr().
SCANNED = ("quillby", "setup", "uninstaller", "common")
LITERAL = re.compile(r'(?:QStringLiteral|QLatin1String|QString::fromLatin1|QString|u8?)?\(?\s*"((?:[^"\\]|\\.)*)"')
# Calls whose texts are translated, or are no text shown (database column names).
TRANSLATED = re.compile(r'(?:\btr|translate|QT_TRANSLATE_NOOP|QT_TR_NOOP|\bField)\s*\(')


def text_of(element):
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            parts.append(chr(int(child.get("value").lstrip("x"), 16)))
        parts.append(child.tail or "")
    return "".join(parts)


def messages_of(path):
    """The (context, source text) pairs of a catalogue."""
    return {(context.find("name").text, text_of(message.find("source")))
            for context in ET.parse(path).getroot().iter("context")
            for message in context.iter("message")}


def check_catalogues(lupdate, source_dir, catalogue, folders, least):
    problems = []
    catalogues = sorted(glob.glob(os.path.join(source_dir, "translations", f"{catalogue}_*.ts")))
    if not catalogues:
        return [f"no catalogue translations/{catalogue}_*.ts"]
    with tempfile.TemporaryDirectory() as work:
        for shipped in catalogues:
            name = os.path.basename(shipped)
            fresh = os.path.join(work, name)
            shutil.copy(shipped, fresh)
            run = subprocess.run([lupdate, "-locations", "none", "-no-obsolete",
                                  *(os.path.join(source_dir, f) for f in folders), "-ts", fresh],
                                 capture_output=True, text=True)
            if run.returncode != 0:
                problems.append(f"{name}: lupdate failed: {run.stdout}{run.stderr}")
                continue
            messages = 0
            familiar = FAMILIAR.get(name[len(catalogue) + 1:-len(".ts")])
            for context in ET.parse(fresh).getroot().iter("context"):
                where = context.find("name").text
                for message in context.iter("message"):
                    messages += 1
                    source = text_of(message.find("source"))
                    translation = message.find("translation")
                    text = text_of(translation)
                    if translation.get("type") == "unfinished" or not text:
                        problems.append(f"{name}: {where}: not translated: {source!r}")
                        continue
                    if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
                        problems.append(f"{name}: {where}: placeholders differ: {source!r}")
                    if source.replace("&&", "").count("&") != text.replace("&&", "").count("&"):
                        problems.append(f"{name}: {where}: access keys differ: {source!r}")
                    if familiar and familiar.search(text):
                        problems.append(f"{name}: {where}: familiar address "
                                        f"{familiar.search(text).group(0)!r} in: {text!r}")
            for where, source in sorted(messages_of(shipped) - messages_of(fresh)):
                problems.append(f"{name}: {where}: lupdate does not find {source!r} in the sources")
            if messages < least:
                problems.append(f"{name}: only {messages} texts found: did lupdate read the sources?")
            print(f"{name}: {messages} texts checked")
    return problems


def call_arguments(text, start):
    """The text between the parenthesis at start and its partner."""
    depth = 0
    in_string = False
    i = start
    while i < len(text):
        c = text[i]
        if in_string:
            if c == "\\":
                i += 1
            elif c == '"':
                in_string = False
        elif c == '"':
            in_string = True
        elif c == "(":
            depth += 1
        elif c == ")":
            depth -= 1
            if depth == 0:
                return text[start + 1:i]
        i += 1
    return text[start + 1:]


def without_translated(arguments):
    """The arguments with every tr(...)/translate(...) call taken out."""
    while True:
        match = TRANSLATED.search(arguments)
        if not match:
            return arguments
        inner = call_arguments(arguments, match.end() - 1)
        arguments = arguments[:match.start()] + arguments[match.end() + len(inner) + 1:]


def scan_sources(source_dir):
    problems = []
    calls = re.compile(r"\b(" + "|".join(SHOWING_CALLS) + r")\s*\(")
    files = sorted(path for folder in SCANNED
                   for path in glob.glob(os.path.join(source_dir, folder, "**", "*.cpp"), recursive=True))
    for path in files:
        name = os.path.basename(path)
        text = re.sub(r"//[^\n]*", "", open(path, encoding="utf-8").read())
        for match in calls.finditer(text):
            arguments = without_translated(call_arguments(text, match.end() - 1))
            for literal in LITERAL.finditer(arguments):
                value = literal.group(1)
                bare = not literal.group(0).startswith(("Q", "u", "("))
                # A bare "name" is an object name (the Make... helpers take one as const char*).
                if bare and match.group(1).startswith(("Make", "AddReadOnlyField", "NameControl", "InitModalDialog",
                                                       "NameWindow")):
                    continue
                if not re.search(r"[A-Za-z]{2}", value) or (name, value) in ALLOWED:
                    continue
                line = text.count("\n", 0, match.start()) + 1
                problems.append(f"{os.path.relpath(path, source_dir)}:{line}: {match.group(1)} shows "
                                f"{value!r} without tr()")
    print(f"{len(files)} source files scanned")
    return problems


def main():
    lupdate, source_dir = sys.argv[1], sys.argv[2]
    problems = [problem for catalogue in CATALOGUES
                for problem in check_catalogues(lupdate, source_dir, *catalogue)]
    problems += scan_sources(source_dir)
    for problem in problems:
        print(problem)
    print(f"{len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
