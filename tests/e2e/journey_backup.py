"""A parent backs up the week's list with its recording while Quillby runs, adds a list, and
restores the backup: the new list is gone, the backup's list and recording are back, and what
was there before is kept as a backup of its own. A cut-short backup and another program's
SQLite file are refused and change nothing. Quillby made its daily backup by itself, at the
second start: closed while it wrote the backup of years of answers, it stopped at once."""

import datetime
import os
import sqlite3
import subprocess

from harness import Journey, expect, expect_equal
from quillby_steps import list_rows, main_window, seed_list

RECORDING = b"RIFF" + bytes(range(256)) * 40


def from_file_menu(app, main, item, key, dialog_caption):
    """Opens an item of the File menu with its access key and returns its file dialog."""
    app.focus_window(main)
    app.key("alt+f")
    app.wait_until(lambda: main.find("menu item", item).showing, 5, "the File menu to open")
    app.key(key)
    return app.window(dialog_caption)


def choose_file(app, dialog, path):
    """Types a whole path into the file dialog's name box, as a person may, and takes it."""
    app.focus_window(dialog)
    app.key("ctrl+a")
    app.key("BackSpace")
    subprocess.run(["xdotool", "type", "--delay", "15", "--clearmodifiers", path], check=True)
    app.key("Return")


def backup_tables(path):
    connection = sqlite3.connect(f"file:{path}?mode=ro", uri=True)
    try:
        lists = connection.execute("SELECT COUNT(*) FROM LISTS").fetchone()[0]
        names = [r[0] for r in connection.execute("SELECT NAME FROM BACKUP_RECORDINGS")]
        return lists, names
    finally:
        connection.close()


with Journey("backup") as journey:
    seed_list(journey, 1, "2099-06-11", [(1, "kite", "it flies on a string"),
                                         (2, "ocean", "a lot of salt water")])
    wavs = os.path.join(journey.folder, "Wavs")
    os.makedirs(wavs, exist_ok=True)
    with open(os.path.join(wavs, "KITE.wav"), "wb") as f:
        f.write(RECORDING)
    saved = os.path.join(journey.folder, "saved")
    os.makedirs(saved)
    daily = os.path.join(journey.folder, "Backups",
                         f"Quillby-auto-{datetime.date.today():%Y-%m-%d}.qbk")

    # Years of answers (about 200 MB), whose daily backup takes seconds to write and check.
    journey.execute("CREATE TABLE YEARS_OF_ANSWERS (TEXT)")
    journey.execute("INSERT INTO YEARS_OF_ANSWERS WITH RECURSIVE N(I) AS (SELECT 1 UNION ALL "
                    "SELECT I + 1 FROM N WHERE I < 200000) SELECT randomblob(1000) FROM N")
    app = journey.start("Quillby")
    app.step("closing Quillby while its daily backup is written stops the backup at once")
    app.wait_until(lambda: os.path.exists(daily + ".part"), what="the daily backup to begin")
    app.exit_through(main_window(app).find("push button", "Exit"))
    expect(not os.path.exists(daily) and not os.path.exists(daily + ".part"),
           "a stopped backup leaves no file behind (Quillby did not wait for it)")
    journey.execute("DROP TABLE YEARS_OF_ANSWERS")
    journey.execute("VACUUM")

    app = journey.start("Quillby")
    main = main_window(app)

    app.step("the daily backup stopped is made at the next start by itself, without a word")
    app.wait_until(lambda: os.path.exists(daily), what="the daily backup")
    expect_equal(backup_tables(daily), (1, ["KITE.wav"]), "the daily backup's lists, recordings")
    expect(not app.has_window("Quillby", role="alert"), "no message about the daily backup")

    app.step("File, Back Up... writes the backup where the parent says")
    week = os.path.join(saved, "week 50.qbk")
    dialog = from_file_menu(app, main, "Back Up...", "b", "Back Up")
    choose_file(app, dialog, week)
    app.answer_message("OK", expect="backed up in")
    expect_equal(backup_tables(week), (1, ["KITE.wav"]), "the backup's lists and recordings")

    app.step("a second list and a second recording after the backup")
    app.click(main.find("push button", "New List"))
    app.click(app.window("New Word List").find("push button", "Create"))
    app.click(app.window("New Word").find("push button", "Cancel"))
    app.wait_closed("New Word")
    app.close_window(app.window("Edit Word List"))
    app.wait_closed("Edit Word List")
    main = main_window(app)
    app.wait_until(lambda: len(list_rows(app)) == 2, what="two lists in the main window")
    with open(os.path.join(wavs, "OCEAN.wav"), "wb") as f:
        f.write(b"RIFF-ocean")

    app.step("Restore... shows what the backup holds and asks first")
    dialog = from_file_menu(app, main, "Restore...", "r", "Restore")
    choose_file(app, dialog, week)
    app.message_box()
    journey.screenshot("restore_question")
    app.answer_message("Yes", expect="It holds 1 word lists, 0 tests and 1 recordings.")
    app.answer_message("OK", expect="The backup is restored.")
    app.wait_until(lambda: len(list_rows(app)) == 1, what="one list in the main window")
    expect_equal([r["LIST_ID"] for r in journey.query("SELECT LIST_ID FROM LISTS")], [1],
                 "the lists after the restore")
    expect_equal(sorted(os.listdir(wavs)), ["KITE.wav"], "the recordings after the restore")
    with open(os.path.join(wavs, "KITE.wav"), "rb") as f:
        expect(f.read() == RECORDING, "the restored recording is the one backed up")
    kept = [n for n in os.listdir(os.path.join(journey.folder, "Backups"))
            if n.startswith("Quillby-before-restore-")]
    expect_equal(len(kept), 1, "the data before the restore, kept as a backup")
    expect_equal(backup_tables(os.path.join(journey.folder, "Backups", kept[0])),
                 (2, ["KITE.wav", "OCEAN.wav"]), "what the kept backup holds")

    app.step("a backup cut short and another program's file are refused; nothing changes")
    short = os.path.join(saved, "short.qbk")
    with open(week, "rb") as f:
        data = f.read()
    with open(short, "wb") as f:
        f.write(data[:len(data) // 2])
    foreign = os.path.join(saved, "contacts.qbk")
    other = sqlite3.connect(foreign)
    other.execute("CREATE TABLE contacts (name TEXT)")
    other.commit()
    other.close()
    for path, says in ((short, "is damaged or incomplete"), (foreign, "is not a Quillby backup")):
        dialog = from_file_menu(app, main, "Restore...", "r", "Restore")
        choose_file(app, dialog, path)
        app.answer_message("OK", expect=says)
        expect_equal(len(journey.query("SELECT * FROM LISTS")), 1, f"the lists after {path}")
        expect_equal(sorted(os.listdir(wavs)), ["KITE.wav"], f"the recordings after {path}")
    expect_equal(len(list_rows(app)), 1, "the main window's lists")

    app.exit_through(main.find("push button", "Exit"))
    expect(not os.path.exists(os.path.join(journey.folder, "Backups", "restoring.part")),
           "no side file is left")
