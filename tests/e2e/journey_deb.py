"""A user installs Quillby from the Debian package and makes a first list.

The package is unpacked into a throwaway root, its program folder (usr/lib/quillby) left
unwritable as the package manager leaves it, and Quillby starts through the usr/bin/quillby
link with a new home. It keeps its database, lock and recordings folder in
~/.local/share/Quillby, starting from a copy of the shipped empty database; New List stores a
list there; after Exit the program folder is exactly as unpacked. A second start shows the
list again from the same per-user database.
"""

import hashlib
import os
import subprocess

from harness import Journey, JourneyFailure, expect, expect_equal, read_only
from quillby_steps import field, iso_date, list_rows, main_window


class DebJourney(Journey):
    """The journey's folder holds the unpacked package (root/) and an empty home (home/);
    its database is the per-user one."""

    def __init__(self):
        super().__init__("deb", files=(), fresh_database=False)
        self.deb = os.environ.get("QUILLBY_E2E_DEB", "")

    def __enter__(self):
        super().__enter__()
        if not os.path.isfile(self.deb):
            raise JourneyFailure(f"no package at {self.deb!r}: run the DebPackage_Built test")
        self.root = os.path.join(self.folder, "root")
        subprocess.run(["dpkg-deb", "-x", self.deb, self.root], check=True)
        self.program_dir = os.path.join(self.root, "usr", "lib", "quillby")
        self.home = os.path.join(self.folder, "home")
        os.makedirs(self.home)
        # The data and settings folders follow from the home alone.
        for name in ("XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"):
            os.environ.pop(name, None)
        return self

    @property
    def data_dir(self):
        return os.path.join(self.home, ".local", "share", "Quillby")

    @property
    def database(self):
        return os.path.join(self.data_dir, "Quillby.mdb")

    def start_quillby(self):
        """Quillby started as the menu entry starts it: through the link in usr/bin."""
        return self.start("quillby", env={"HOME": self.home},
                          folder=os.path.join(self.root, "usr", "bin"))


def snapshot(folder):
    """{path: (mode, contents' digest)} of everything below folder, the folder included."""
    found = {".": (os.stat(folder).st_mode, None)}
    for parent, folders, files in os.walk(folder):
        for name in folders + files:
            path = os.path.join(parent, name)
            digest = None
            if os.path.isfile(path):
                with open(path, "rb") as data:
                    digest = hashlib.sha256(data.read()).hexdigest()
            found[os.path.relpath(path, folder)] = (os.lstat(path).st_mode, digest)
    return found


def expect_running_on_user_data(journey, app):
    """The running Quillby holds the per-user database and its lock."""
    database = os.path.realpath(journey.database)
    expect(database in app.open_files(),
           f"Quillby holds {database} open ({sorted(app.open_files())})")
    expect(os.path.exists(journey.database + ".lock"), "the lock beside the per-user database")


def first_list(journey, app):
    """New List creates this week's list; the editors it opens are closed unchanged. Returns
    the test date the new-list window offered."""
    app.step("New List creates a list")
    main = main_window(app)
    app.click(main.find("push button", "New List"))
    new_list = app.window("New Word List")
    test_date = field(new_list, "Date of test")
    app.click(new_list.find("push button", "Create"))

    app.step("the word editor and the list editor are closed without words")
    app.window("Edit Word List")
    app.click(app.window("New Word").find("push button", "Cancel"))
    app.wait_closed("New Word")
    app.close_window(app.window("Edit Word List"))
    app.wait_closed("Edit Word List")
    expect_equal(list_rows(app), [["0", "0"]], "the main window's list")
    return test_date


with DebJourney() as journey:
    with read_only(journey.program_dir):
        shipped = snapshot(journey.program_dir)
        expect("Quillby.mdb" in shipped, "the package ships an empty database")
        app = journey.start_quillby()
        expect_equal(list_rows(app), [], "the lists of a first start")
        expect_running_on_user_data(journey, app)
        test_date = first_list(journey, app)
        app.exit_through(main_window(app).find("push button", "Exit"))

        expect_equal(os.stat(journey.database).st_mode & 0o777, 0o600,
                     "the per-user database's permissions")
        # Backups: the day's automatic backup, made at the start.
        expect_equal(sorted(os.listdir(journey.data_dir)), ["Backups", "Quillby.mdb", "Wavs"],
                     "the per-user data folder after Exit")
        lists = journey.query("SELECT LIST_ID, TEST_DATE FROM LISTS")
        expect_equal([row["TEST_DATE"] for row in lists], [iso_date(test_date)],
                     "the lists in the per-user database")
        expect_equal(snapshot(journey.program_dir), shipped, "the program folder after Exit")
        database_file = os.stat(journey.database).st_ino

        app = journey.start_quillby()
        app.step("the second start shows the list from the same database")
        expect_equal(list_rows(app), [["0", "0"]], "the lists of the second start")
        expect_running_on_user_data(journey, app)
        app.exit_through(main_window(app).find("push button", "Exit"))
        expect_equal(os.stat(journey.database).st_ino, database_file,
                     "the per-user database file (not replaced)")
        expect_equal(journey.query("SELECT LIST_ID, TEST_DATE FROM LISTS"), lists,
                     "the lists after the second start")
        expect_equal(snapshot(journey.program_dir), shipped, "the program folder at the end")
