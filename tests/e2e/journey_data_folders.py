"""A family keeps Quillby in folders of every kind, and its lists stay whole.

1. The same database reached through two folders by a hard link: the Quillby started second
   says Quillby is already running and ends, so two programs never hand out the same
   identifiers; once the first has ended, the second folder opens the same lists.
2. A folder whose name holds ';', quotes and a trailing blank: Quillby opens its database
   there, shows its list and deletes it at the parent's word.
3. A shared installation (a program folder Quillby cannot write) with a relative
   XDG_DATA_HOME: the setting is ignored, as the XDG rules say, and the lists are kept in
   ~/.local/share/Quillby.
"""

import glob
import os
import shutil
import sqlite3

from harness import Journey, expect, expect_equal, read_only
from quillby_steps import list_rows, main_window, seed_list

ODD_FOLDER = "Apps;Kids \"1\" 'x' "


def program_copy(journey, *parts, database=True):
    """A copy of the journey's program folder at journey.folder/parts..., with or without
    its own copy of the database."""
    folder = os.path.join(journey.folder, *parts)
    os.makedirs(folder)
    for path in glob.glob(os.path.join(journey.folder, "*")):
        if os.path.isfile(path) and (database or not path.endswith("Quillby.mdb")):
            shutil.copy2(path, folder)
    return folder


def lists_in(database):
    connection = sqlite3.connect(f"file:{database}?mode=ro", uri=True)
    try:
        return [row[0] for row in connection.execute("SELECT LIST_ID FROM LISTS")]
    finally:
        connection.close()


def expect_holds(app, database):
    path = os.path.realpath(database)
    expect(path in app.open_files(), f"Quillby holds {path} open ({sorted(app.open_files())})")


with Journey("data_folders") as journey:
    seed_list(journey, 1, "2030-06-14", [(1, "apple", "a fruit")])
    linked = program_copy(journey, "linked", database=False)
    os.link(journey.database, os.path.join(linked, "Quillby.mdb"))

    first = journey.start("Quillby")
    first.step("the first Quillby shows the list")
    expect_equal(list_rows(first), [["1", "0"]], "the list in the first folder")

    second = journey.start("Quillby", folder=linked)
    second.step("the second Quillby, on a hard link of the same file, is refused")
    second.answer_message("OK", expect="Quillby is already running.", ends_program=True)
    expect_equal(second.wait_for_exit(), 0, "the refused Quillby's exit status")
    expect(not os.path.exists(os.path.join(linked, "Quillby.mdb.lock")),
           "the refused Quillby leaves no lock behind")
    first.exit_through(main_window(first).find("push button", "Exit"))

    second = journey.start("Quillby", folder=linked)
    second.step("with the first ended, the linked folder opens the same lists")
    expect_equal(list_rows(second), [["1", "0"]], "the list through the hard link")
    second.exit_through(main_window(second).find("push button", "Exit"))

    odd = program_copy(journey, ODD_FOLDER, "Quillby")
    app = journey.start("Quillby", folder=odd)
    app.step("a folder whose name holds ';', quotes and a blank opens its database")
    main = main_window(app)
    expect_holds(app, os.path.join(odd, "Quillby.mdb"))
    expect_equal(list_rows(app), [["1", "0"]], "the list in the odd folder")
    app.click(main.find("push button", "Delete List"))
    app.answer_message("Yes", expect="Do you want to delete this list")
    app.wait_until(lambda: list_rows(app) == [], what="the deleted list to leave the grid")
    app.exit_through(main.find("push button", "Exit"))
    expect_equal(lists_in(os.path.join(odd, "Quillby.mdb")), [], "the lists left there")
    expect_equal(lists_in(journey.database), [1], "the first folder's lists, untouched")

    shared = program_copy(journey, "shared")
    home = os.path.join(journey.folder, "home")
    os.makedirs(home)
    environment = {"HOME": home, "XDG_DATA_HOME": "relative/share"}
    with read_only(shared):
        app = journey.start("Quillby", folder=shared, env=environment)
        app.step("a relative XDG_DATA_HOME is ignored for ~/.local/share")
        main = main_window(app)
        per_user = os.path.join(home, ".local", "share", "Quillby", "Quillby.mdb")
        expect_holds(app, per_user)
        expect_equal(list_rows(app), [["1", "0"]], "the shipped list, copied for this user")
        app.exit_through(main.find("push button", "Exit"))
    expect(not os.path.exists(os.path.join(shared, "relative")),
           "nothing made under the relative path")
