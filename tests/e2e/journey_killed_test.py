"""A finished test, then a test whose program is killed after two answers. The next start
keeps the killed test's answers: Past Tests lists it as "Not finished", scored on the two
words it asked, and its results show the answers given; the list's total and average, its
chart and the main window's test count stay those of the finished test."""

import signal
import time

from harness import Journey, expect_equal
from quillby_steps import answer_word, field, list_rows, main_window, results_summary, seed_list

WORDS = [(1, "apple", "a round fruit"), (2, "banana", "a long yellow fruit"),
         (3, "cherry", "a small red fruit")]
ANSWERS = {"a round fruit": "apple", "a long yellow fruit": "banana",
           "a small red fruit": "cherry"}


def start_test(app):
    app.click(main_window(app).find("push button", "Test"))
    setup = app.window("Test Setup")
    app.choose(setup.find("combo box", "Word Order"), "Order Created")
    app.click(setup.find("push button", "Continue"))
    app.window("Test")


with Journey("killed_test") as journey:
    seed_list(journey, 1, "2099-06-11", WORDS)
    app = journey.start("Quillby")

    app.step("a whole test, every word right")
    start_test(app)
    for _, word, _ in WORDS:
        answer_word(app, word, "Correct", word)
    app.click(app.window("Test Results").find("push button", "Close"))
    app.answer_message("No", expect="Test Again?")

    app.step("a second test: one word right, one wrong, then the program is killed")
    start_test(app)
    answer_word(app, "apple", "Correct", "apple")
    answer_word(app, "bananna", "Incorrect", "Try Again")
    app.wait_until(lambda: len(journey.query("SELECT * FROM WORD_ATTEMPTS")) == len(WORDS) + 2,
                   what="the second test's two answers to be stored")
    app.kill()
    expect_equal(app.process.returncode, -signal.SIGKILL, "the killed program's status")

    app = journey.start("Quillby")
    app.step("after the restart the list counts the finished test only")
    expect_equal(list_rows(app), [["3", "1"]], "the list's words and tests")
    app.click(main_window(app).find("push button", "Past Tests"))
    past = app.window("Past Tests")
    rows = past.find("table", "Select a test...").cells()
    expect_equal([(row[1], row[-1]) for row in rows],
                 [("100 %", "1"), ("50 %", "Not finished")], "the tests listed")
    expect_equal((field(past, "Total Tests"), field(past, "Average Score")), ("1", "100 %"),
                 "the list's total and average")
    expect_equal(past.find(None, "Scores").description, "test 1: 100 %", "the chart")

    app.step("the unfinished test's results show the answers given")
    app.mouse_click(past.find("table", "Select a test...").find_all("table cell", "50 %")[0])
    app.wait_until(lambda: results_summary(app)["Score"] == "50 %", 10,
                   "the unfinished test's results")
    summary = results_summary(app)
    expect_equal((summary["First Try"], summary["Words on Test"]), ("1", "2"),
                 "the unfinished test's summary")
    journey.screenshot("past_tests_with_an_unfinished_test")
    app.click(past.find("push button", "Close"))
    app.wait_closed("Past Tests")
    app.exit_through(main_window(app).find("push button", "Exit"))

    stored = journey.query("SELECT TEST_ID, UNFINISHED FROM TESTS ORDER BY TEST_ID")
    expect_equal([row["UNFINISHED"] for row in stored], [None, 1], "the stored tests")
    expect_equal(journey.query("SELECT * FROM RUNNING_TESTS"), [], "tests marked running")
