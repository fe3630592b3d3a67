"""Setup and the uninstaller leave alone what they did not make.

On a new account Setup, cancelled on its folder page, leaves the home as empty as it found it.
A folder that already holds the user's files (~/Apps/Quillby with mywork.txt and photos/) gets
a warning first: No keeps the folder page and installs nothing, Yes installs; the installed
Quillby runs there, and the uninstaller removes Setup's files with the database, lock and
recordings Quillby kept, but leaves the user's files and so the folder, and the menu and
desktop folders Setup made on the new account go with it. Then a Quillby that could not write
into its own folder has kept a list and a recording in ~/.local/share/Quillby: Setup installs
there after the warning and its Quillby shows that list; the uninstaller leaves the list, the
recording and the folder. Every process ends with exit status 0.
"""

import os
import shutil
import sqlite3

from harness import expect, expect_equal
from install_steps import (InstallJourney, expect_quillby_on_installed_database, run_setup,
                           start_setup_to_folder_page, uninstall, wait_for)
from quillby_steps import seed_list


def everything_below(folder):
    """Every file and folder below folder, relative to it, sorted."""
    return sorted(os.path.relpath(os.path.join(top, name), folder)
                  for top, dirs, files in os.walk(folder) for name in dirs + files)


def write(path, content):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as file:
        file.write(content)


def read(path):
    with open(path, "rb") as file:
        return file.read()


def cancel_on_new_account(journey):
    """The welcome page makes the data, menu and desktop folders a new account lacks; Cancel
    on the folder page takes them back."""
    setup, page = start_setup_to_folder_page(journey)
    made = [os.path.join(journey.home, ".local", "share", "applications"),
            os.path.join(journey.home, "Desktop")]
    for folder in made:
        expect(os.path.isdir(folder), f"Setup made {folder} for the folder page")
    setup.step("cancel on the folder page")
    setup.click(page.find("push button", "Cancel"))
    expect_equal(setup.wait_for_exit(30), 0, "Setup's exit status")
    expect_equal(everything_below(journey.home), [], "what Setup left in the new home")


def removed_leaving_the_users_files(journey):
    """~/Apps/Quillby holds the user's files before Setup: they outlive the installation."""
    mine = {"mywork.txt": b"my work", os.path.join("photos", "beach.jpg"): b"a photo"}
    for name, content in mine.items():
        write(os.path.join(journey.install, name), content)
    quillby = run_setup(journey, "This User Only", "This User Only", not_empty=("No", "Yes"))
    expect_quillby_on_installed_database(journey, quillby, [])
    expect(os.path.isdir(os.path.join(journey.install, "Wavs")),
           "Quillby made its recordings folder")
    journey.reap_the_rest()

    uninstall(journey)
    wait_for(lambda: not os.listdir(journey.temp), 15, "the temporary folder to empty")
    journey.reap_the_rest()
    expect_equal(everything_below(journey.install), ["mywork.txt", "photos", "photos/beach.jpg"],
                 "what is left in the installation folder")
    for name, content in mine.items():
        expect_equal(read(os.path.join(journey.install, name)), content, name)
    for folder in (os.path.join(journey.home, ".local", "share", "applications"),
                   os.path.join(journey.home, "Desktop")):
        expect(not os.path.exists(folder), f"{folder}, made by Setup, is gone")


def another_quillbys_lists_kept(journey):
    """A Quillby that could not write into its own folder keeps its lists in the data folder;
    Setup installs there and the uninstaller leaves them."""
    journey.install = os.path.join(journey.home, ".local", "share", "Quillby")
    os.makedirs(os.path.join(journey.install, "Wavs"))
    shutil.copy2(os.path.join(journey.folder, "Support", "Quillby.mdb"), journey.database)
    seed_list(journey, 1, "2099-06-11", [(1, "apple", "a round fruit")])
    recording = os.path.join(journey.install, "Wavs", "APPLE.wav")
    write(recording, b"RIFF apple")

    quillby = run_setup(journey, "Do not add to the Start Menu", "Do not add a Desktop Icon",
                        not_empty=("Yes",))
    expect_quillby_on_installed_database(journey, quillby, [["1", "0"]])
    journey.reap_the_rest()

    uninstall(journey)
    wait_for(lambda: not os.listdir(journey.temp), 15, "the temporary folder to empty")
    journey.reap_the_rest()
    left = everything_below(journey.install)
    for name in ("Quillby", "QuillbyUninstaller", "Robot.ico", "QUILLBY-InstallLog.txt"):
        expect(name not in left, f"Setup's {name} is gone")
    expect("Quillby.mdb" in left and "Wavs/APPLE.wav" in left,
           f"the lists and the recording are still there ({left})")
    expect_equal(read(recording), b"RIFF apple", "the recording")
    connection = sqlite3.connect(f"file:{journey.database}?mode=ro", uri=True)
    try:
        words = connection.execute("SELECT WORD FROM WORDS WHERE LIST_ID = 1").fetchall()
    finally:
        connection.close()
    expect_equal(words, [("apple",)], "the words of the kept list")


with InstallJourney("install_kept") as journey:
    cancel_on_new_account(journey)
    removed_leaving_the_users_files(journey)
    another_quillbys_lists_kept(journey)
