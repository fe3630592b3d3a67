"""A parent imports the week's words instead of typing them. A photo of the school's sheet
(tilted 4 degrees, out of focus, a JPEG) opened with `Quillby --import` shows the twelve
words ticked and the title and name lines unticked; Create List stores exactly the words and
the list editor shows them. A CSV file with definitions and sentences, imported into that
list with Add to List (through Open File..., after a text of 100,000 lines was refused),
stores all three fields. Export List writes the list as CSV, and
another family importing the exported file gets the same rows."""

import os
import subprocess

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

from harness import Journey, Node, expect, expect_equal  # noqa: E402
from quillby_steps import main_window  # noqa: E402

WORDS = ["because", "friend", "after", "again", "could", "every",
         "great", "house", "laugh", "people", "school", "thought"]
CSV_ROWS = [("enough", "as much as is needed", "We have enough chairs, I think."),
            ("quiet", "making little noise", 'She said "shh" to be quiet.')]
FILES = Journey.PROGRAM_FILES + ("plugins",)  # the OCR module
# Reading a photo takes a few seconds; a busy 2-core machine needs slack.
READING_TIMEOUT = 120


def make_sheet(path):
    """A printed A4 sheet at 300 dpi: title, name line, 12 numbered words; then tilted on a
    desk, blurred and saved as a JPEG."""
    command = ["/usr/bin/convert", "-size", "2480x3508", "xc:white", "-fill", "#141414",
               "-font", "DejaVu-Sans-Bold", "-pointsize", "64",
               "-annotate", "+220+330", "Spelling List - Week 12",
               "-font", "DejaVu-Sans", "-pointsize", "40",
               "-annotate", "+220+480", "Name: ______________________", "-pointsize", "54"]
    for number, word in enumerate(WORDS, 1):
        command += ["-annotate", f"+220+{520 + 140 * number}", f"{number}. {word}"]
    command += ["-background", "#786a5a", "-rotate", "4", "-blur", "0x2.5",
                "-quality", "80", path]
    subprocess.run(command, check=True, timeout=120)


def candidates(app, window):
    """The import window's rows as (ticked, word, definition, sentence, note)."""
    table = window.find("table", "Words to import")
    texts = table.cells()
    iface = table.acc.get_table_iface()
    rows = []
    for number, row in enumerate(texts):
        tick = Node(app, Atspi.Table.get_accessible_at(iface, number, 0))
        expect_equal(tick.name, row[1] or "(no word)", "the tick box's name, the row's word")
        rows.append((tick.checked, *row[1:5]))
    return rows


def wait_for_candidates(app, window):
    found = []
    app.wait_until(lambda: found.extend(candidates(app, window)) or found,
                   READING_TIMEOUT, "the words read from the picture")
    return found


def list_editor_words(app):
    editor = app.window("Edit Word List")
    return [row[0] for row in editor.find("table").cells()]


def words_of_list(journey, list_id):
    return [(row["WORD"], row["DEFINITION"], row["SENTENCE"], row["CASE_SENSITIVE"])
            for row in journey.query("SELECT * FROM WORDS WHERE LIST_ID = ? ORDER BY WORD_ID",
                                     list_id)]


with Journey("import", files=FILES) as journey:
    sheet = os.path.join(journey.out_dir, "sheet.jpg")
    make_sheet(sheet)

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
    app.close_window(app.window("Edit Word List"))
    main = main_window(app)

    app.step("a CSV with definitions and sentences is added to the chosen list")
    csv_path = os.path.join(journey.out_dir, "words.csv")
    with open(csv_path, "w", encoding="utf-8") as out:
        out.write("Word,Definition,Sentence\n")
        for word, definition, sentence in CSV_ROWS:
            quoted = '"' + sentence.replace('"', '""') + '"'
            out.write(f"{word},{definition},{quoted}\n")
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
