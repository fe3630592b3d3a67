"""A family installs Quillby from the downloaded package into a new account, uses it, installs
it again into the same folder without shortcuts, and removes it.

Setup (from build/package) runs with a temporary home and temporary folder and first refuses
a read-only folder without making anything; the installed Quillby starts on the installed
database; the installed uninstaller, copied into another folder named like an installation
with a hand-made log, refuses and removes nothing; a list stored between the installations
is still shown after the second one; the uninstaller restarts from the temporary folder and removes
the installation with every shortcut either installation made, leaves a file beside the
installation folder alone and leaves nothing in the temporary folder. Quillby's icon goes into
the user's hicolor icon theme and its shortcuts name it by its theme name; the uninstaller
removes those files and the folders Setup made for them, but not a file of the user's beside
them. The installed Quillby reads the words of a photographed sheet with the OCR module Setup
installed beside it, and the uninstaller removes the module with its folder. Every process, also those the programs start for themselves, ends with exit status 0.
"""

import os

from harness import expect, expect_equal
from import_steps import make_sheet, wait_for_candidates
from install_steps import (InstallJourney, expect_quillby_on_installed_database,
                           expect_themed_shortcuts, refused_logs, run_setup, shortcuts,
                           theme_folder, theme_icons, uninstall, wait_for)
from quillby_steps import main_window, seed_list

SHEET_WORDS = ["because", "friend", "people"]


def installed_quillby_reads_a_photo(journey):
    """The installed Quillby, given a photo of a word sheet, loads the OCR module from its
    own plugins folder and shows the sheet's words; Cancel stores nothing."""
    sheet = os.path.join(journey.out_dir, "sheet.jpg")
    make_sheet(sheet, SHEET_WORDS)
    journey.message_title = "Quillby"
    app = journey.start("Quillby", "--import", sheet, env=journey.environment(),
                        folder=journey.install)
    app.step("the installed Quillby reads the words of a photo")
    window = app.window("Import Words")
    rows = wait_for_candidates(app, window)
    expect_equal([row[1] for row in rows if row[0]], SHEET_WORDS, "the ticked words")
    module = os.path.join(journey.install, "plugins", "libquillby_ocr.so")
    with open(f"/proc/{app.process.pid}/maps") as maps:
        libraries = maps.read()
    expect(module in libraries, f"Quillby loaded {module}")
    printing = os.path.join(journey.install, "plugins", "libquillby_print.so")
    expect(os.path.isfile(printing), f"the printing module installed as {printing}")
    # Sound is installed beside it and loaded only when a window needs it.
    sound = os.path.join(journey.install, "plugins", "libquillby_audio.so")
    expect(os.path.isfile(sound), f"{sound} is installed")
    expect(sound not in libraries and "libQt6Multimedia" not in libraries,
           "no sound library is loaded for reading a photo")
    app.click(window.find("push button", "Cancel"))
    app.wait_closed("Import Words")
    app.exit_through(main_window(app).find("push button", "Exit"))


with InstallJourney() as journey:
    # First installation with the user's own shortcuts, on an account that has no data, menu
    # or desktop folder yet.
    quillby = run_setup(journey, "This User Only", "This User Only", try_read_only=True)
    expect_quillby_on_installed_database(journey, quillby, [])
    for shortcut in shortcuts(journey):
        expect(os.path.isfile(shortcut), f"{shortcut} was made")
    expect_themed_shortcuts(journey)
    journey.reap_the_rest()
    installed_quillby_reads_a_photo(journey)

    # A list stored between the installations; the second one makes no shortcuts.
    seed_list(journey, 1, "2099-06-11", [(1, "apple", "a round fruit")])
    quillby = run_setup(journey, "Do not add to the Start Menu", "Do not add a Desktop Icon")
    expect_quillby_on_installed_database(journey, quillby, [["1", "0"]])
    journey.reap_the_rest()

    refused_logs(journey)
    for shortcut in shortcuts(journey):
        expect(os.path.isfile(shortcut), f"{shortcut} is still there")
    expect_themed_shortcuts(journey)

    # The user keeps a file beside the installation folder, and an icon beside Quillby's.
    beside = os.path.join(journey.apps_folder, "notes.txt")
    with open(beside, "w") as note:
        note.write("mine")
    own_icon = os.path.join(theme_folder(journey), "48x48", "apps", "other.png")
    with open(own_icon, "wb") as icon:
        icon.write(b"mine")
    uninstall(journey)
    wait_for(lambda: not os.listdir(journey.temp), 15,
                 f"the temporary folder to empty (it holds {os.listdir(journey.temp)})")
    journey.reap_the_rest()

    expect(not os.path.exists(journey.install), "the installation folder is gone")
    for shortcut in shortcuts(journey):
        expect(not os.path.exists(shortcut), f"{shortcut} is gone")
    expect(not os.path.exists(os.path.dirname(shortcuts(journey)[0])), "the menu folder is gone")
    expect_equal(os.listdir(journey.apps_folder), ["notes.txt"], "what is left beside the installation")
    for icon in theme_icons(journey):
        expect(not os.path.exists(icon), f"{icon} is gone")
    left = sorted(os.path.relpath(os.path.join(top, name), os.path.dirname(theme_folder(journey)))
                  for top, dirs, files in os.walk(os.path.dirname(theme_folder(journey)))
                  for name in dirs + files)
    expect_equal(left, ["hicolor", "hicolor/48x48", "hicolor/48x48/apps", "hicolor/48x48/apps/other.png"],
                 "what is left of the icon folders Setup made")
    with open(beside) as note:
        expect_equal(note.read(), "mine", "the file beside the installation")
