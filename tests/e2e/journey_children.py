"""Two children on one computer. The parent names the first child and adds a second in the
Children window (bad names refused with a message), each child takes a test on their own list,
and after a restart "Who is practising?" opens each child's own lists and tests only. A list is
copied to the sibling with its recording; a second Quillby for the same child is refused while
one for the other child runs; a child whose folder went missing is reported and the others
still open; a removed child's folder is kept beside the data folder."""

import glob
import os
import shutil
import sqlite3
import wave

from harness import Journey, expect, expect_equal
from quillby_steps import answer_word, seed_list

NAMES_REFUSED = [
    ("", "Please type the child's name."),
    ("a" * 41, "at most 40 characters"),
    ("..", "only letters, digits, blanks and hyphens"),
    ("a/b", "only letters, digits, blanks and hyphens"),
    ("ann", "There is already a child named \"Ann\"."),
]


def rows(app, caption):
    """The main window's grid as [words, tests] per list, for the window of that caption."""
    main = app.window(caption, role="frame")
    return [row[1:3] for row in main.find("table", "Existing Word Lists").cells()]


def press_in(app, window, *keys):
    app.focus_window(window)
    app.key(*keys)


def open_children(app, main):
    press_in(app, main, "alt+f")
    app.wait_until(lambda: main.find("menu item", "Children...").showing, 5, "the File menu")
    app.key("c")
    return app.window("Children", role="dialog")


def name_child(app, window, name, button):
    app.type_into(window.find("text", "Name"), name)
    app.click(window.find("push button", button))


def select_child(app, window, name):
    app.mouse_click(window.find("list", "Children").find("list item", name))


def child_db(journey, name):
    return os.path.join(journey.folder, "Children", name, "Quillby.mdb")


def query(path, sql):
    connection = sqlite3.connect(f"file:{path}?mode=ro", uri=True)
    try:
        return connection.execute(sql).fetchall()
    finally:
        connection.close()


def seed_other(path, list_id, word):
    connection = sqlite3.connect(path)
    try:
        connection.execute("INSERT INTO LISTS (LIST_ID, WEEK_START, WEEK_END, TEST_DATE, "
                           "CREATED_DATE, STATUS) VALUES (?, '2099-06-07', '2099-06-11', "
                           "'2099-06-11', '2099-06-05 18:00:00', 'CREATED')", (list_id,))
        connection.execute("INSERT INTO WORDS (WORD_ID, LIST_ID, WORD, DEFINITION, SENTENCE, "
                           "CASE_SENSITIVE) VALUES (1, ?, ?, '', '', 'FALSE')", (list_id, word))
        connection.execute("INSERT INTO IDS (CODE, VALUE) VALUES ('LIST_ID', ?), "
                           "('WORD_ID', 1)", (list_id,))
        connection.commit()
    finally:
        connection.close()


def choose(app, name):
    chooser = app.window("Who is practising?", role="dialog")
    app.click(chooser.find("push button", name))
    return app.window(f"Quillby - {name}", role="frame")


def take_test(app, main, word):
    app.click(main.find("push button", "Test"))
    app.click(app.window("Test Setup").find("push button", "Continue"))
    app.window("Test")
    answer_word(app, word, "Correct", word)
    app.click(app.window("Test Results").find("push button", "Close"))
    app.answer_message("No", expect="Test Again?")


with Journey("children") as journey:
    seed_list(journey, 1, "2099-06-11", [(1, "kite", "it flies on a string")])
    os.makedirs(os.path.join(journey.folder, "Wavs"), exist_ok=True)
    recording = os.path.join(journey.folder, "Wavs", "KITE.wav")
    with wave.open(recording, "wb") as wav:  # the parent's voice: a short hum
        wav.setnchannels(1)
        wav.setsampwidth(1)
        wav.setframerate(11025)
        wav.writeframes(bytes(128 + (i % 20) for i in range(2000)))
    with open(recording, "rb") as wav:
        parents_kite = wav.read()
    app = journey.start("Quillby")
    main = app.window("Quillby", role="frame")

    app.step("the Children window names the first child and adds a second; bad names refused")
    children = open_children(app, main)
    expect_equal([n.name for n in children.find("list", "Children").find_all("list item")],
                 ["First child"], "the children of a family of one")
    select_child(app, children, "First child")
    name_child(app, children, "Ann", "Rename")
    app.wait_until(lambda: children.find("list", "Children").has("list item", "Ann"), 5,
                   "the first child renamed")
    name_child(app, children, "Ben", "Add")
    app.wait_until(lambda: children.find("list", "Children").has("list item", "Ben"), 5,
                   "Ben added")
    for name, message in NAMES_REFUSED:
        name_child(app, children, name, "Add")
        app.answer_message("OK", expect=message)
    journey.screenshot("children_window")
    app.click(children.find("push button", "Close"))
    app.wait_closed("Children")
    expect(os.path.isfile(child_db(journey, "Ben")), "Ben's database made")
    expect_equal(sorted(os.listdir(os.path.join(journey.folder, "Children"))), ["Ben"],
                 "the children's folders")

    app.step("Ann takes a test on her list; Switch Child is offered now")
    take_test(app, main, "kite")
    app.wait_until(lambda: rows(app, "Quillby - Ann") == [["1", "1"]], what="Ann's test counted")
    press_in(app, main, "alt+f")
    app.wait_until(lambda: main.find("menu item", "Switch Child").showing, 5, "Switch Child")
    app.key("Escape")
    app.exit_through(main.find("push button", "Exit"))
    seed_other(child_db(journey, "Ben"), 7, "zebra")

    app = journey.start("Quillby")
    app.step("after a restart the chooser opens Ben's lists only, and he takes a test")
    chooser = app.window("Who is practising?", role="dialog")
    expect_equal([b.name for b in chooser.find_all("push button")], ["Ann", "Ben"],
                 "the chooser's buttons")
    journey.screenshot("chooser")
    main = choose(app, "Ben")
    expect_equal(rows(app, "Quillby - Ben"), [["1", "0"]], "Ben's lists")
    take_test(app, main, "zebra")
    app.wait_until(lambda: rows(app, "Quillby - Ben") == [["1", "1"]], what="Ben's test counted")

    app.step("a second Quillby for Ben is refused; one for Ann runs beside it")
    second = journey.start("Quillby", "--child", "ben")
    second.answer_message("OK", expect="Quillby is already running.", ends_program=True)
    expect_equal(second.wait_for_exit(), 0, "the refused start's exit status")
    ann = journey.start("Quillby", "--child", "Ann")
    ann_main = ann.window("Quillby - Ann", role="frame")
    expect_equal(rows(ann, "Quillby - Ann"), [["1", "1"]], "Ann's lists beside Ben's Quillby")

    app.step("Ann's list goes to Ben with its recording")
    ann.exit_through(ann_main.find("push button", "Exit"))
    app.exit_through(main.find("push button", "Exit"))
    app = journey.start("Quillby", "--child", "Ann")
    main = app.window("Quillby - Ann", role="frame")
    app.click(main.find("push button", "Edit List"))
    editor = app.window("Edit Word List")
    app.click(editor.find("push button", "Copy to Child..."))
    app.click(app.window("Copy this list to which child?", role="dialog")
              .find("push button", "Ben"))
    app.answer_message("OK", expect="The list was copied to Ben.")
    app.close_window(editor)
    app.wait_closed("Edit Word List")
    ben_db = child_db(journey, "Ben")
    expect_equal(query(ben_db, "SELECT l.LIST_ID, w.WORD FROM LISTS l JOIN WORDS w USING "
                               "(LIST_ID) ORDER BY l.LIST_ID"),
                 [(7, "zebra"), (8, "kite")], "Ben's lists after the copy")
    expect_equal(query(ben_db, "SELECT COUNT(*) FROM TESTS"), [(1,)], "Ben's tests: his own")
    with open(os.path.join(journey.folder, "Children", "Ben", "Wavs", "KITE.wav"), "rb") as wav:
        expect_equal(wav.read(), parents_kite, "the copied recording")

    app.step("Switch Child returns to the chooser; Ben sees the copied list, no new test")
    press_in(app, main, "alt+f")
    app.wait_until(lambda: main.find("menu item", "Switch Child").showing, 5, "the File menu")
    app.key("s")
    main = choose(app, "Ben")
    expect_equal(rows(app, "Quillby - Ben"), [["1", "0"], ["1", "1"]], "Ben's lists with the copy")

    app.step("a child whose folder is gone is reported and the others still open")
    app.exit_through(main.find("push button", "Exit"))
    hidden = os.path.join(journey.folder, "Ben-away")
    os.rename(os.path.join(journey.folder, "Children", "Ben"), hidden)
    app = journey.start("Quillby")
    choose_window = app.window("Who is practising?", role="dialog")
    app.wait_until(lambda: choose_window.find("push button", "Ben").focused, 5,
                   "Ben, who practised last, to be preselected")
    app.click(choose_window.find("push button", "Ben"))
    app.answer_message("OK", expect="is missing")
    main = choose(app, "Ann")
    expect_equal(rows(app, "Quillby - Ann"), [["1", "1"]], "Ann's lists")
    os.rename(hidden, os.path.join(journey.folder, "Children", "Ben"))

    app.step("a child whose database is damaged is reported and the others still open")
    app.exit_through(main.find("push button", "Exit"))
    ben_db = child_db(journey, "Ben")
    os.rename(ben_db, ben_db + ".good")
    with open(ben_db, "wb") as damaged:
        damaged.write(b"this is no database" * 100)
    app = journey.start("Quillby")
    app.click(app.window("Who is practising?", role="dialog").find("push button", "Ben"))
    app.answer_message("OK", expect="Quillby cannot open its database")
    main = choose(app, "Ann")
    expect_equal(rows(app, "Quillby - Ann"), [["1", "1"]], "Ann's lists")
    os.replace(ben_db + ".good", ben_db)

    app.step("removing Ben asks twice and keeps his folder beside the data folder")
    children = open_children(app, main)
    select_child(app, children, "Ben")
    app.click(children.find("push button", "Remove..."))
    app.answer_message("Yes", expect="Remove Ben from Quillby?")
    app.answer_message("Yes", expect="Are you sure you want to remove Ben?")
    text = app.answer_message("OK", expect="Ben was removed.")
    kept = glob.glob(os.path.join(os.path.dirname(journey.folder), "Quillby removed child Ben *"))
    expect_equal(len(kept), 1, "the kept folders of Ben")
    expect(os.path.basename(kept[0]) in text, "the message names where Ben's folder went")
    expect_equal(query(os.path.join(kept[0], "Quillby.mdb"), "SELECT COUNT(*) FROM LISTS"),
                 [(2,)], "Ben's lists in the kept copy")
    app.click(children.find("push button", "Close"))
    app.wait_closed("Children")
    expect_equal(main.name, "Quillby", "the caption of a family of one again")
    app.exit_through(main.find("push button", "Exit"))
    shutil.rmtree(kept[0])
