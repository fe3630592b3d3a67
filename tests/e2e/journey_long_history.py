"""A family's file of many years, made by a Quillby older than the answer tallies: 500 lists
of 20 words with 50 tests each (360,000 answers). At its first opening Quillby counts the
tallies, showing what it does; it is killed half-way through the count. The next start goes
on from the step it reached, and the tallies then equal a fresh count of the answers. In the
main window, End shows the oldest list at once, and the search box finds a list by its date."""

import datetime
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

from harness import Journey, expect, expect_equal  # noqa: E402
from quillby_steps import main_window  # noqa: E402

LISTS, WORDS, TESTS = 500, 20, 200
FIRST_DATE = datetime.date(2015, 1, 9)  # list L is tested on FIRST_DATE + 7 * (L - 1) days

# What each tally should hold, counted from the rows (as the tallies' own definition says).
RECOUNT = [
    ("SELECT TEST_ID, FIRST_TRY, WORDS_ASKED FROM TEST_TALLIES ORDER BY 1",
     "SELECT T.TEST_ID, (SELECT COUNT(*) FROM WORD_ATTEMPTS A WHERE A.TEST_ID = T.TEST_ID"
     " AND A.ATTEMPT_NUMBER = 1 AND A.RESULT = 'CORRECT'), (SELECT COUNT(DISTINCT A.WORD_ID)"
     " FROM WORD_ATTEMPTS A WHERE A.TEST_ID = T.TEST_ID) FROM (SELECT DISTINCT TEST_ID FROM"
     " TESTS WHERE TEST_ID IS NOT NULL) T ORDER BY 1"),
    ("SELECT WORD_ID, TESTS_MISSED, MISSES FROM WORD_TALLIES ORDER BY 1",
     "SELECT WORD_ID, COUNT(DISTINCT TEST_ID), COUNT(*) FROM WORD_ATTEMPTS WHERE RESULT ="
     " 'INCORRECT' AND WORD_ID IS NOT NULL AND TEST_ID IN (SELECT TEST_ID FROM TESTS WHERE"
     " PRACTICE_OF IS NULL) GROUP BY WORD_ID ORDER BY 1"),
    ("SELECT WORD_ID, GUESS, TIMES FROM GUESS_TALLIES ORDER BY 1, 2",
     "SELECT WORD_ID, IFNULL(GUESS, '') COLLATE BINARY, COUNT(*) FROM WORD_ATTEMPTS WHERE"
     " RESULT = 'INCORRECT' AND WORD_ID IS NOT NULL AND TEST_ID IN (SELECT TEST_ID FROM TESTS"
     " WHERE PRACTICE_OF IS NULL) GROUP BY 1, 2 ORDER BY 1, 2"),
    # Each whole-list test's first tries, with its list and its place among the list's tests,
    # from which Past Tests reads a list's scores.
    ("SELECT TEST_ID, LIST_ID, START_TIME, TEST_ROWID, FIRST_TRY FROM LIST_FIRST_TRIES"
     " ORDER BY 1, 4",
     "SELECT T.TEST_ID, T.LIST_ID, T.START_TIME, T._rowid_, (SELECT COUNT(*) FROM WORD_ATTEMPTS"
     " A WHERE A.TEST_ID = T.TEST_ID AND A.ATTEMPT_NUMBER = 1 AND A.RESULT = 'CORRECT')"
     " FROM TESTS T WHERE T.PRACTICE_OF IS NULL AND T.UNFINISHED IS NULL ORDER BY 1, 4"),
]


def seed_old_file(journey):
    """The rows, generated in the database itself, then the tallies taken away. The answers'
    indexes are made again after the rows are in, which is quicker than keeping them."""
    for row in journey.query("SELECT name FROM sqlite_master WHERE type = 'trigger'"):
        journey.execute(f"DROP TRIGGER {row['name']}")
    for table in ("TEST_TALLIES", "WORD_TALLIES", "GUESS_TALLIES", "LIST_FIRST_TRIES"):
        journey.execute(f"DROP TABLE {table}")
    indexes = journey.query("SELECT name, sql FROM sqlite_master WHERE type = 'index' AND"
                            " tbl_name = 'WORD_ATTEMPTS' AND sql IS NOT NULL")
    for index in indexes:
        journey.execute(f"DROP INDEX {index['name']}")
    for sql in (
        "CREATE TABLE N (I INTEGER PRIMARY KEY)",
        f"WITH RECURSIVE C(I) AS (SELECT 1 UNION ALL SELECT I + 1 FROM C WHERE I < "
        f"{LISTS * TESTS}) INSERT INTO N SELECT I FROM C",
        f"INSERT INTO LISTS (LIST_ID, TEST_DATE, STATUS) SELECT I, date('{FIRST_DATE}', '+' ||"
        f" (7 * (I - 1)) || ' days'), 'IGNORED' FROM N WHERE I <= {LISTS}",
        f"INSERT INTO WORDS (WORD_ID, LIST_ID, WORD, CASE_SENSITIVE) SELECT I, (I - 1) / {WORDS}"
        f" + 1, 'word' || I, 'FALSE' FROM N WHERE I <= {LISTS * WORDS}",
        # Every tenth test a practice round of the one before; the first test of a list was
        # never finished and its answers stay (an orphan of an old crash).
        f"INSERT INTO TESTS (TEST_ID, LIST_ID, MOVE_ON_AFTER, START_TIME, END_TIME, PRACTICE_OF)"
        f" SELECT I, (I - 1) / {TESTS} + 1, 3, '2016-01-01 10:00:00', '2016-01-01 10:05:00',"
        f" CASE WHEN I % 10 = 0 THEN I - 1 END FROM N WHERE I % {TESTS} <> 1",
    ):
        journey.execute(sql)
    # One first attempt per word of the test's list, and a second try after each miss.
    journey.execute(
        f"WITH RECURSIVE K(I) AS (SELECT 1 UNION ALL SELECT I + 1 FROM K WHERE I < {WORDS})"
        f" INSERT INTO WORD_ATTEMPTS (TEST_ID, LIST_ID, WORD_ID, GUESS, RESULT, ATTEMPT_NUMBER)"
        f" SELECT T.I, (T.I - 1) / {TESTS} + 1, ((T.I - 1) / {TESTS}) * {WORDS} + K.I,"
        f" CASE WHEN (T.I + K.I) % 5 = 0 THEN CASE WHEN K.I % 7 = 0 THEN NULL"
        f" WHEN K.I % 2 = 0 THEN 'Wrong' ELSE 'wrong' END ELSE 'word' END,"
        f" CASE WHEN (T.I + K.I) % 5 = 0 THEN 'INCORRECT' ELSE 'CORRECT' END, 1"
        f" FROM N T CROSS JOIN K")
    journey.execute(
        "INSERT INTO WORD_ATTEMPTS (TEST_ID, LIST_ID, WORD_ID, GUESS, RESULT, ATTEMPT_NUMBER)"
        " SELECT TEST_ID, LIST_ID, WORD_ID, 'word', 'CORRECT', 2 FROM WORD_ATTEMPTS"
        " WHERE RESULT = 'INCORRECT'")
    for index in indexes:
        journey.execute(index["sql"])
    journey.execute("DROP TABLE N")


def progress(journey):
    try:
        rows = journey.query("SELECT STAGE, LAST_KEY FROM TALLY_COUNT_PROGRESS")
    except Exception:  # the table is not made yet, or already gone
        return None
    return (rows[0]["STAGE"], rows[0]["LAST_KEY"]) if rows else None


def grid(app):
    return main_window(app).find("table", "Existing Word Lists")


def selected_rows(table):
    iface = table.acc.get_table_iface()
    return [row for row in range(Atspi.Table.get_n_rows(iface))
            if Atspi.Table.is_row_selected(iface, row)]


def shown_date(table, row):
    iface = table.acc.get_table_iface()
    cell = Atspi.Table.get_accessible_at(iface, row, 0)
    return cell.get_name() if cell is not None else ""


with Journey("long_history") as journey:
    started = time.monotonic()
    seed_old_file(journey)
    answers = journey.query("SELECT COUNT(*) AS N FROM WORD_ATTEMPTS")[0]["N"]
    print(f"seeded {answers} answers in {time.monotonic() - started:.1f} s", flush=True)

    app = journey.start("Quillby")
    app.step("the first opening counts the tallies; the program is killed half-way")
    print("the window saying what Quillby does:",
          [w.name for w in app.windows() if w.role == "dialog"], flush=True)
    app.wait_until(lambda: (progress(journey) or (0, None))[0] == 2 and
                   progress(journey)[1] > 0, 60, "the count of the answers under way")
    app.kill()
    stage, last_key = progress(journey)
    expect(stage == 2 and last_key < LISTS * WORDS, f"killed half-way (at {stage}, {last_key})")
    expect(not journey.query("SELECT name FROM sqlite_master WHERE type = 'trigger'"),
           "no tally kept by triggers before the count is done")

    app = journey.start("Quillby")
    app.step("the next start goes on from the step reached; the tallies equal a recount")
    app.window("Quillby", role="frame", timeout=120)  # once the rest is counted
    table = grid(app)
    expect(progress(journey) is None, "the count is done")
    for kept, recount in RECOUNT:
        rows = [tuple(r.values()) for r in journey.query(kept)]
        expect(rows, f"tallies in {kept.split()[-4]}")
        expect(rows == [tuple(r.values()) for r in journey.query(recount)],
               f"the tallies of {kept.split()[-4]} equal a recount")

    app.step("End shows the oldest list at once")
    app.focus(table)
    begun = time.monotonic()
    app.key("End")
    app.wait_until(lambda: selected_rows(table) == [LISTS - 1], 10, "the last row selected")
    expect_equal(shown_date(table, LISTS - 1) != "", True, "the oldest list's date shown")
    print(f"End reached the oldest list in {time.monotonic() - begun:.2f} s", flush=True)

    app.step("the search box finds a list by its test date")
    box = main_window(app).find("text", "Find a list by date")
    wanted = FIRST_DATE + datetime.timedelta(days=7 * 99)  # list 100, row 400
    app.type_into(box, f"{wanted.month}/{wanted.day}/{wanted.year}")
    app.key("Return")
    app.wait_until(lambda: selected_rows(table) == [LISTS - 100], 10, "list 100 selected")
    app.type_into(box, "1/1/1990")
    app.key("Return")
    app.answer_message("OK", expect="No list has the school test date 1/1/1990.")
    app.exit_through(main_window(app).find("push button", "Exit"))
