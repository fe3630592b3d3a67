"""A parent prints the week's list and a practice sheet to PDF from the list editor, then a
test's results and the list's history from Past Tests, and exports every answer as CSV for a
spreadsheet. The PDF files are read with pdftotext and their first pages saved as pictures
(pdftoppm) beside the print previews' screenshots. A PDF into a read-only folder is refused
with a message. Printing is a module loaded at the first print; without it, printing says so."""

import csv
import os
import re
import subprocess

from harness import Journey, expect, expect_equal, read_only
from quillby_steps import main_window, seed_list

WORDS = [(1, "because", "for the reason that"), (2, "friend", "a person you like"),
         (3, "said", "spoke")]
SENTENCES = {1: "I stayed home because I was ill.", 2: "My friend came to play.", 3: ""}


def mapped(app, name):
    """Whether the running program has a file of that name loaded."""
    with open(f"/proc/{app.process.pid}/maps") as maps:
        return name in maps.read()


def pdf_pages(path):
    """The text of each page; "33 %" reads back as "33%" or "33 %", so the blank goes."""
    text = subprocess.run(["pdftotext", "-layout", path, "-"], check=True, capture_output=True,
                          text=True).stdout.replace(" %", "%")
    return [page for page in text.split("\f") if page.strip()]


def save_pdf(app, journey, preview_caption, name, folder):
    """In the print preview: a screenshot, then Save as PDF... into folder/name."""
    preview = app.window(preview_caption)
    journey.screenshot(f"preview_{os.path.splitext(name)[0]}")
    path = os.path.join(folder, name)
    # A tool bar button's accessible name drops the "..." of its caption.
    app.click(preview.find("push button", "Save as PDF"))
    type_path(app, app.window("Save as PDF"), path)
    return preview, path


def type_path(app, dialog, path):
    """Types a whole path into a file dialog's name box and takes it."""
    app.focus_window(dialog)
    app.key("ctrl+a")
    app.key("BackSpace")
    subprocess.run(["xdotool", "type", "--delay", "15", "--clearmodifiers", path], check=True)
    app.key("Return")


def line_pixels_of_pictures(pdf, folder):
    """The pixels of the chart's blue line in the pictures a PDF holds (pdfimages, as PPM)."""
    prefix = os.path.join(folder, "picture")
    subprocess.run(["pdfimages", pdf, prefix], check=True)
    count = 0
    for name in sorted(os.listdir(folder)):
        if not (name.startswith("picture") and name.endswith(".ppm")):
            continue
        with open(os.path.join(folder, name), "rb") as picture:
            data = picture.read()
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+\d+\s", data)
        if not header:
            continue
        rgb = data[header.end():header.end() + int(header[1]) * int(header[2]) * 3]
        count += sum(1 for i in range(0, len(rgb), 3)
                     if abs(rgb[i] - 0x20) + abs(rgb[i + 1] - 0x9f) + abs(rgb[i + 2] - 0xdf) < 40)
    return count


def picture_of_first_page(journey, pdf, name):
    subprocess.run(["pdftoppm", "-png", "-r", "40", "-f", "1", "-l", "1", "-singlefile", pdf,
                    os.path.join(journey.out_dir, name)], check=True)


with Journey("print") as journey:
    seed_list(journey, 1, "2099-06-11", WORDS)
    for word_id, sentence in SENTENCES.items():
        journey.execute("UPDATE WORDS SET SENTENCE = ? WHERE WORD_ID = ?", sentence, word_id)
    journey.execute("INSERT INTO TESTS (TEST_ID, LIST_ID, MOVE_ON_AFTER, START_TIME, END_TIME) "
                    "VALUES (1, 1, 3, '2026-11-02 16:00:00', '2026-11-02 16:07:00')")
    answers = [(1, "becuase", "INCORRECT", 1), (1, "because", "CORRECT", 2),
               (2, "friend", "CORRECT", 1), (3, "sed", "INCORRECT", 1),
               (3, "said", "CORRECT", 2)]
    for word_id, typed, result, attempt in answers:
        journey.execute("INSERT INTO WORD_ATTEMPTS VALUES (1, 1, ?, ?, ?, ?)", word_id, typed,
                        result, attempt)
    journey.execute("INSERT INTO IDS (CODE, VALUE) VALUES ('TEST_ID', 1)")
    papers = os.path.join(journey.folder, "papers")
    os.makedirs(papers)
    app = journey.start("Quillby")
    main = main_window(app)

    app.step("the list editor prints the list to PDF")
    app.click(main.find("table", "Existing Word Lists").find("table cell"))
    app.click(main.find("push button", "Edit List"))
    editor = app.window("Edit Word List")
    journey.screenshot("list_editor")
    expect(not mapped(app, "libQt6PrintSupport"), "no printing library before the first print")
    app.click(editor.find("push button", "Print..."))
    preview, path = save_pdf(app, journey, "Print Preview", "list.pdf", papers)
    app.wait_until(lambda: os.path.exists(path), what="the list's PDF")
    expect(mapped(app, "plugins/libquillby_print.so"), "the printing module loaded")
    app.close_window(preview)
    app.wait_closed("Print Preview")
    page = "\n".join(pdf_pages(path))
    for word_id, word, definition in WORDS:
        expect(word in page and definition in page, f"{word} with its definition in the PDF")
    expect("I stayed home because I was ill." in page, "the sentence in the list's PDF")
    picture_of_first_page(journey, path, "list_page")

    app.step("the practice sheet has blanks and clues; the words only on the answer page")
    app.click(editor.find("push button", "Print Practice Sheet..."))
    preview, path = save_pdf(app, journey, "Print Preview", "sheet.pdf", papers)
    app.wait_until(lambda: os.path.exists(path), what="the practice sheet's PDF")
    app.close_window(preview)
    app.wait_closed("Print Preview")
    pages = pdf_pages(path)
    expect(len(pages) >= 2, f"a sheet and an answer page ({len(pages)} pages)")
    sheet, answer_page = "\n".join(pages[:-1]), pages[-1]
    expect("I stayed home ____ I was ill." in sheet, "the blanked sentence on the sheet")
    expect("for the reason that" in sheet and "a person you like" in sheet, "the clues")
    for _, word, _ in WORDS:
        expect(word not in sheet.replace("Practice sheet", ""), f"{word} kept off the sheet")
        expect(word in answer_page, f"{word} on the answer page")
    picture_of_first_page(journey, path, "sheet_page")

    app.step("a PDF into a read-only folder is refused with a message")
    locked = os.path.join(journey.folder, "locked")
    os.makedirs(locked)
    with read_only(locked):
        app.click(editor.find("push button", "Print..."))
        preview, path = save_pdf(app, journey, "Print Preview", "list.pdf", locked)
        app.answer_message("OK", expect="read-only or the disk is full")
        expect(not os.path.exists(path), "no file in the read-only folder")
        app.close_window(preview)
        app.wait_closed("Print Preview")
    app.close_window(editor)
    app.wait_closed("Edit Word List")

    app.step("the results of a test print with the wrong spellings")
    main = main_window(app)
    app.click(main.find("push button", "Past Tests"))
    past = app.window("Past Tests")
    results = app.window("Test Results")
    app.click(results.find("push button", "Print..."))
    preview, path = save_pdf(app, journey, "Print Preview", "results.pdf", papers)
    app.wait_until(lambda: os.path.exists(path), what="the results' PDF")
    app.close_window(preview)
    app.wait_closed("Print Preview")
    page = "\n".join(pdf_pages(path))
    for fact in ("Score: 33%", "Minutes: 7", "becuase", "sed"):
        expect(fact in page, f"{fact!r} in the results' PDF:\n{page}")
    picture_of_first_page(journey, path, "results_page")

    app.step("Past Tests prints the history with the chart")
    app.click(past.find("push button", "Print..."))
    preview, path = save_pdf(app, journey, "Print Preview", "history.pdf", papers)
    app.wait_until(lambda: os.path.exists(path), what="the history's PDF")
    app.close_window(preview)
    app.wait_closed("Print Preview")
    page = "\n".join(pdf_pages(path))
    for fact in ("Total Tests: 1", "Average Score: 33%", "Minutes"):
        expect(fact in page, f"{fact!r} in the history's PDF:\n{page}")
    pictures = os.path.join(papers, "history-pictures")
    os.makedirs(pictures)
    expect(line_pixels_of_pictures(path, pictures) > 20,
           "the picture of the chart, with its line, in the history's PDF")
    picture_of_first_page(journey, path, "history_page")

    app.step("Export Results... writes every answer as CSV")
    app.click(past.find("push button", "Export Results..."))
    path = os.path.join(papers, "answers.csv")
    type_path(app, app.window("Export Results"), path)
    app.answer_message("OK", expect="The answers are saved in")
    with open(path, encoding="utf-8-sig", newline="") as f:
        rows = list(csv.reader(f))
    expect_equal(rows[0], ["test", "date", "word", "attempt", "typed", "result"], "the heading")
    expect_equal([(r[2], r[3], r[4], r[5]) for r in rows[1:]],
                 [(word, str(attempt), typed, result)
                  for (word_id, typed, result, attempt) in answers
                  for word in [dict((w[0], w[1]) for w in WORDS)[word_id]]],
                 "the answers in the CSV")
    expect(all(r[0] == "1" and r[1] == "2026-11-02 16:00:00" for r in rows[1:]),
           "each answer's test and date")
    app.close_window(app.window("Test Results"))
    app.close_window(past)
    app.wait_closed("Past Tests")
    app.exit_through(main_window(app).find("push button", "Exit"))

    # Restarted with its printing module gone, as a damaged installation would be.
    os.remove(os.path.join(journey.folder, "plugins", "libquillby_print.so"))
    app = journey.start("Quillby")
    app.step("without its printing module, Print... says so and the editor stays")
    app.click(main_window(app).find("push button", "Edit List"))
    editor = app.window("Edit Word List")
    app.click(editor.find("push button", "Print..."))
    app.answer_message("OK", expect="Quillby's printing could not be loaded")
    expect(not app.has_window("Print Preview"), "no preview without the module")
    app.close_window(editor)
    app.wait_closed("Edit Word List")
    app.exit_through(main_window(app).find("push button", "Exit"))
