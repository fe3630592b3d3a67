"""A parent imports the week's words instead of typing them. A photo of the school's sheet
(tilted 4 degrees, out of focus, a JPEG) opened with `Quillby --import` shows the twelve
words ticked and the title and name lines unticked; Create List stores exactly the words and
the list editor shows them. A CSV file with definitions and sentences, imported into that
list with Add to List (through Open File..., after a text of 100,000 lines was refused),
stores all three fields. Export List writes the list as CSV, and
another family importing the exported file gets the same rows.
While Quillby runs, a second `Quillby --import FILE` hands the file over and ends: the running
Quillby shows its words (while its list editor is open, the second start says the file was not
imported). Paste reads words that another program put on the clipboard."""

import os
import subprocess

from harness import ENGLISH, Journey, expect, expect_equal
from import_steps import make_sheet, wait_for_candidates
from quillby_steps import main_window

WORDS = ["because", "friend", "after", "again", "could", "every",
         "great", "house", "laugh", "people", "school", "thought"]
CSV_ROWS = [("enough", "as much as is needed", "We have enough chairs, I think."),
            ("quiet", "making little noise", 'She said "shh" to be quiet.')]
PASTED = "Spelling Words\n1. bridge\n2. candle\n3. pencil\n"


def write_csv(path, rows):
    with open(path, "w", encoding="utf-8") as out:
        out.write("Word,Definition,Sentence\n")
        for word, definition, sentence in rows:
            quoted = '"' + sentence.replace('"', '""') + '"'
            out.write(f"{word},{definition},{quoted}\n")


def second_import(journey, path):
    """`Quillby --import path` while Quillby runs: it shows no window and ends."""
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", **ENGLISH)
    with open(os.path.join(journey.out_dir, "Quillby-second-import.log"), "w") as log:
        second = subprocess.Popen([os.path.join(journey.folder, "Quillby"), "--import", path],
                                  cwd=journey.folder, env=env, stdout=log,
                                  stderr=subprocess.STDOUT)
    expect_equal(second.wait(60), 0, "the second start's exit status")


def list_editor_words(app):
    editor = app.window("Edit Word List")
    return [row[0] for row in editor.find("table").cells()]


def words_of_list(journey, list_id):
    return [(row["WORD"], row["DEFINITION"], row["SENTENCE"], row["CASE_SENSITIVE"])
            for row in journey.query("SELECT * FROM WORDS WHERE LIST_ID = ? ORDER BY WORD_ID",
                                     list_id)]


with Journey("import") as journey:
    sheet = os.path.join(journey.out_dir, "sheet.jpg")
    make_sheet(sheet, WORDS)

    app = journey.start("Quillby", "--import", sheet)
    app.step("the photo's words are ticked, its title and name lines are not")
    window = app.window("Import Words")
    rows = wait_for_candidates(app, window)
    journey.screenshot("import_photo")
    expect_equal([row[1] for row in rows if row[0]], WORDS, "the ticked words")
    unticked = [row for row in rows if not row[0]]
    expect(any("Spelling List" in row[1] for row in unticked), f"the title unticked: {rows}")
    expect(any(row[1].startswith("Name") for row in unticked), f"the name line unticked: {rows}")
    expect(all(row[4] for row in unticked), f"every unticked row says why: {unticked}")

    app.step("Create List stores exactly the words and opens the list editor on them")
    app.click(window.find("push button", "Create List"))
    app.wait_closed("Import Words")
    app.wait_until(lambda: list_editor_words(app) == WORDS, what="the list editor's words")
    lists = journey.query("SELECT LIST_ID, STATUS FROM LISTS")
    expect_equal(lists, [{"LIST_ID": 1, "STATUS": "CREATED"}], "the stored list")
    expect_equal(words_of_list(journey, 1), [(w, "", "", "FALSE") for w in WORDS],
                 "the stored words")
    ids = [row["WORD_ID"] for row in journey.query("SELECT WORD_ID FROM WORDS ORDER BY 1")]
    expect_equal(ids, list(range(1, 13)), "the WORD_IDs from the counter")
    csv_path = os.path.join(journey.out_dir, "words.csv")
    write_csv(csv_path, CSV_ROWS)

    app.step("a second --import while the list editor is open says the file was not imported")
    second = journey.start("Quillby", "--import", csv_path)
    second.answer_message("OK", expect="words.csv was not imported.", ends_program=True)
    expect_equal(second.wait_for_exit(), 0, "the second start's exit status")
    expect(not app.has_window("Import Words"), "no import window in the running Quillby")
    app.close_window(app.window("Edit Word List"))
    main = main_window(app)

    app.step("a second --import hands its file to the running Quillby, which shows its words")
    # A name that the hand-over must carry as it is: blanks, umlauts, a percent sign.
    odd_name = os.path.join(journey.out_dir, "Week 50 – Wörter %41.csv")
    write_csv(odd_name, CSV_ROWS)
    second_import(journey, odd_name)
    window = app.window("Import Words")
    rows = wait_for_candidates(app, window)
    expect_equal(rows, [(True, w, d, s, "") for w, d, s in CSV_ROWS], "the handed-over rows")
    source = "Words from " + os.path.basename(odd_name)
    expect(window.has("label", source), f"the window says {source!r}")
    app.click(window.find("push button", "Cancel"))
    app.wait_closed("Import Words")

    app.step("Paste reads the words another program put on the clipboard")
    clipboard = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard"],
                                 stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL)
    clipboard.stdin.write(PASTED.encode())
    clipboard.stdin.close()
    try:
        app.click(main.find("push button", "Import Words..."))
        window = app.window("Import Words")
        app.wait_until(lambda: subprocess.run(["xclip", "-o", "-selection", "clipboard"],
                                              capture_output=True).stdout == PASTED.encode(),
                       what="the other program's clipboard")
        app.click(window.find("push button", "Paste"))
        rows = wait_for_candidates(app, window)
    finally:
        clipboard.kill()
        clipboard.wait(10)
    expect_equal([row[1] for row in rows if row[0]], ["bridge", "candle", "pencil"],
                 "the ticked pasted words")
    expect(not rows[0][0] and rows[0][1] == "Spelling Words", f"the heading unticked: {rows}")
    app.click(window.find("push button", "Cancel"))
    app.wait_closed("Import Words")
    expect_equal(len(journey.query("SELECT * FROM WORDS")), 12, "the words after Cancel")

    app.step("a CSV with definitions and sentences is added to the chosen list")
    huge = os.path.join(journey.out_dir, "huge.txt")
    with open(huge, "w", encoding="utf-8") as out:
        out.writelines(f"word{number}\n" for number in range(100000))
    app.exit_through(main.find("push button", "Exit"))
    app = journey.start("Quillby", "--import", huge)
    app.step("a text of 100,000 lines is refused with a message; the window stays usable")
    window = app.window("Import Words")
    app.answer_message("OK", expect="This text has 100")
    expect_equal(window.find("table", "Words to import").cells(), [], "the rows after refusal")
    expect_equal(len(journey.query("SELECT * FROM WORDS")), 12, "the words after refusal")

    app.step("Open File... reads the CSV")
    app.click(window.find("push button", "Open File..."))
    dialog = app.window("Open File")
    app.type_into(dialog.find("text", "File name:"), csv_path)
    app.key("Return")
    app.wait_closed("Open File")
    rows = wait_for_candidates(app, window)
    expect_equal(rows, [(True, w, d, s, "") for w, d, s in CSV_ROWS], "the CSV's rows")
    app.click(window.find("push button", "Add to List"))
    app.wait_until(lambda: list_editor_words(app) == WORDS + ["enough", "quiet"],
                   what="the added words in the list editor")
    expect_equal(words_of_list(journey, 1)[12:], [(w, d, s, "FALSE") for w, d, s in CSV_ROWS],
                 "the three fields of the added words")

    app.step("Export List writes the list; importing the file gives the same rows")
    editor = app.window("Edit Word List")
    app.focus_window(editor)
    app.key("alt+f")
    app.wait_until(lambda: editor.find("menu item", "Export List...").showing, 5,
                   "the File menu to open")
    app.key("x")
    dialog = app.window("Export List")
    exported = os.path.join(journey.out_dir, "exported.csv")
    app.type_into(dialog.find("text", "File name:"), exported)
    app.key("Return")
    app.dismiss_notice("List Exported")
    with open(exported, encoding="utf-8") as exported_file:
        expect_equal(exported_file.readline().strip(), "word,definition,sentence,case sensitive",
                     "the exported header")
    app.close_window(editor)
    main = main_window(app)
    app.exit_through(main.find("push button", "Exit"))
    shared = words_of_list(journey, 1)

    # Another family, with a database of its own, imports the exported file.
    os.remove(journey.database)
    journey.make_database(journey.database)
    app = journey.start("Quillby", "--import", exported)
    app.step("another family's Quillby imports the exported file into a list of its own")
    window = app.window("Import Words")
    rows = wait_for_candidates(app, window)
    expect(all(row[0] for row in rows), f"every exported row ticked: {rows}")
    app.click(window.find("push button", "Create List"))
    app.wait_until(lambda: len(list_editor_words(app)) == 14, what="the re-imported list")
    expect_equal(words_of_list(journey, 1), shared, "the re-imported rows")
    app.close_window(app.window("Edit Word List"))
    app.exit_through(main_window(app).find("push button", "Exit"))
