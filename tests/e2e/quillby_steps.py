"""Steps that several Quillby journeys share: seeding a database, answering a test word,
reading a results window. Built on harness.py."""

from harness import JourneyFailure, expect_equal

MAIN = "Quillby"
REVEAL = "The Correct Answer Is..."


def seed_list(journey, list_id, test_date, words, status="CREATED"):
    """Stores a list with its words before the program starts.

    test_date is "yyyy-mm-dd"; words are (word id, word, definition) triples. The identifier
    counters are moved past the ids used, as the program's own counters would be."""
    journey.execute("INSERT INTO LISTS (LIST_ID, WEEK_START, WEEK_END, TEST_DATE, CREATED_DATE, "
                    "STATUS) VALUES (?, date(?, '-4 days'), ?, ?, datetime(?, '-6 days'), ?)",
                    list_id, test_date, test_date, test_date, test_date, status)
    for word_id, word, definition in words:
        journey.execute("INSERT INTO WORDS (WORD_ID, LIST_ID, WORD, DEFINITION, SENTENCE, "
                        "CASE_SENSITIVE) VALUES (?, ?, ?, ?, '', 'FALSE')",
                        word_id, list_id, word, definition)
    last_word = max((w[0] for w in words), default=0)
    for code, value in (("LIST_ID", list_id), ("WORD_ID", last_word)):
        journey.execute("INSERT INTO IDS (CODE, VALUE) VALUES (?, ?) ON CONFLICT (CODE) "
                        "DO UPDATE SET VALUE = max(VALUE, excluded.VALUE)", code, value)


def main_window(app):
    return app.window(MAIN, role="frame")


def list_rows(app):
    """The main window's grid: [words, tests] per list (the test date is shown in the
    platform's short date form, which depends on the locale)."""
    rows = main_window(app).find("table", "Existing Word Lists").cells()
    for row in rows:
        if not row[0]:
            raise JourneyFailure(f"a list without a test date in the main window: {rows}")
    return [row[1:3] for row in rows]


def iso_date(us_date):
    """"m/d/yyyy" as the database stores dates, "yyyy-mm-dd"."""
    month, day, year = (int(part) for part in us_date.split("/"))
    return f"{year:04d}-{month:02d}-{day:02d}"


def answer_word(app, answer, notice_top, notice_bottom=None):
    """Types an answer into the test window, presses Enter and closes the feedback notice."""
    test = app.window("Test")
    app.type_into(test.find("text", "Word"), answer)
    app.key("Return")
    if notice_top is None:
        return
    lines = app.dismiss_notice(notice_top)
    if notice_bottom is not None:
        expect_equal(lines[1], notice_bottom, f"the notice after answering {answer!r}")


def retype_revealed(app, word, wrong_first=None):
    """The reveal window shows word; it is retyped (after the wrong retyping wrong_first, when
    given) and the window closes."""
    reveal = app.window(REVEAL)
    expect_equal(reveal.find("label", word).text, word, "the revealed word")
    box = reveal.find("text", "Type it:")
    if wrong_first is not None:
        app.type_into(box, wrong_first)
        app.key("Return")
        expect_equal(app.dismiss_notice("Incorrect")[1], "Try Again",
                     f"the notice after retyping {wrong_first!r}")
    app.type_into(box, word)
    app.key("Return")
    app.dismiss_notice("Correct")
    app.wait_closed(REVEAL)


def clue(app, frame_caption):
    """The text of a clue box of the test window ("Definition" or "Context Sentence")."""
    return app.window("Test").find("text", frame_caption).text


def field(window, name):
    """The text of a box found by its label."""
    return window.find("text", name).text


def results_summary(app):
    """Score, first-try count, words, moved-on count and the grid of the results window."""
    results = app.window("Test Results")
    summary = {name: field(results, name)
               for name in ("Score", "First Try", "Words on Test", "Moved on", "Minutes")}
    summary["grid"] = [row[:2] for row in results.find("table").cells()]
    return summary


def expect_window_absent(app, caption):
    if app.has_window(caption):
        raise JourneyFailure(f"the window {caption!r} is open but should not be")
