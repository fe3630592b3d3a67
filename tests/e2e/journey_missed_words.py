"""A test with two misses, then a practice round of just those words from the results (by its
access key): the round asks only them, with the same settings, and its results are scored on
them. Past Tests lists the round marked as practising test 1, while the list's total and
average, and the main window's test count, stay those of the one whole-list test. From Past
Tests, the first test's results practise its missed words again, this time with the default
settings, and Past Tests, made ahead while the lists show, lists that second round too."""

from harness import Journey, expect, expect_equal
from quillby_steps import (answer_word, clue, expect_window_absent, field, list_rows, main_window,
                           results_summary, seed_list)

with Journey("missed_words") as journey:
    seed_list(journey, 1, "2099-06-11", [(1, "apple", "a round fruit"),
                                         (2, "banana", "a long yellow fruit"),
                                         (3, "cherry", "a small red fruit")])
    app = journey.start("Quillby")

    app.step("a test where one miss moves on, without revealing the word")
    app.click(main_window(app).find("push button", "Test"))
    setup = app.window("Test Setup")
    app.choose(setup.find("combo box", "Go to the next word after"), "1")
    app.click(setup.find("check box", "Reveal answers before moving on"))
    app.click(setup.find("push button", "Continue"))
    app.window("Test")
    answer_word(app, "aple", "Incorrect", "")
    answer_word(app, "banana", "Correct", "banana")
    answer_word(app, "chery", "Incorrect", "")
    expect_equal(results_summary(app)["Score"], "33 %", "the test's score")

    app.step("Alt+M on the results practises the two missed words")
    results = app.window("Test Results")
    practise = results.find("push button", "Practise Missed Words")
    expect(practise.enabled, "the command is usable after misses")
    app.focus_window(results)
    app.key("alt+m")
    app.window("Test")
    expect_equal(clue(app, "Definition"), "a round fruit", "the round's first word")
    answer_word(app, "apple", "Correct", "apple")
    expect_equal(clue(app, "Definition"), "a small red fruit", "the round's second word")
    answer_word(app, "chery", "Incorrect", "")

    app.step("the round's results are scored on its two words and marked")
    summary = results_summary(app)
    expect_equal((summary["Score"], summary["Words on Test"], summary["grid"]),
                 ("50 %", "2", [["apple", "1"], ["cherry", "1"]]), "the round's results")
    results = app.window("Test Results")
    results.find("label", "Missed words of test 1")
    journey.screenshot("practice_round_results")
    app.click(results.find("push button", "Close"))
    app.answer_message("No", expect="Test Again?")
    app.wait_until(lambda: list_rows(app) == [["3", "1"]],
                   what="the list's row to count its one test")

    app.step("Past Tests marks the round and keeps the list's figures")
    app.click(main_window(app).find("push button", "Past Tests"))
    past = app.window("Past Tests")
    rows = past.find("table", "Select a test...").cells()
    expect_equal([(row[1], row[-1]) for row in rows],
                 [("33 %", "1"), ("50 %", "Missed words of test 1")], "the tests listed")
    expect_equal((field(past, "Total Tests"), field(past, "Average Score")), ("1", "33 %"),
                 "the list's total and average")
    expect_equal(past.find(None, "Scores").description, "test 1: 33 %", "the chart")
    journey.screenshot("past_tests_with_a_round")

    app.step("the first test's results beside Past Tests practise its missed words")
    expect_equal(results_summary(app)["Score"], "33 %", "the first test's results")
    practise = app.window("Test Results").find("push button", "Practise Missed Words")
    expect(practise.enabled, "the command is usable for a past test with misses")
    journey.screenshot("past_test_results_practise")
    app.click(practise)
    app.wait_closed("Past Tests")
    app.window("Test")
    expect_window_absent(app, "Test Results")

    app.step("the round has the default settings: a miss is tried again, not moved on")
    expect_equal(clue(app, "Definition"), "a round fruit", "the round's first word")
    answer_word(app, "apple", "Correct", "apple")
    answer_word(app, "chery", "Incorrect", "Try Again")
    answer_word(app, "cherry", "Correct", "cherry")
    summary = results_summary(app)
    expect_equal((summary["Score"], summary["Words on Test"], summary["grid"]),
                 ("50 %", "2", [["apple", "1"], ["cherry", "2"]]), "the second round's results")
    app.click(app.window("Test Results").find("push button", "Close"))
    app.answer_message("No", expect="Test Again?")
    app.wait_until(lambda: list_rows(app) == [["3", "1"]],
                   what="the list's row to count still its one test")

    app.step("Past Tests lists the second round of test 1")
    # Made ahead, hidden, once the lists show again after the one used before: opening it
    # then only loads the list.
    app.wait_until(lambda: app.hidden_window("Past Tests"),
                   what="a Past Tests window made ahead of its use")
    app.click(main_window(app).find("push button", "Past Tests"))
    past = app.window("Past Tests")
    rows = past.find("table", "Select a test...").cells()
    expect_equal([(row[1], row[-1]) for row in rows],
                 [("33 %", "1"), ("50 %", "Missed words of test 1"),
                  ("50 %", "Missed words of test 1")], "the tests listed")
    expect_equal(field(past, "Total Tests"), "1", "the list's total")
    app.click(past.find("push button", "Close"))
    app.wait_closed("Past Tests")
    app.exit_through(main_window(app).find("push button", "Exit"))

    tests = journey.query("SELECT TEST_ID, PRACTICE_OF FROM TESTS ORDER BY TEST_ID")
    expect_equal([t["PRACTICE_OF"] for t in tests],
                 [None, tests[0]["TEST_ID"], tests[0]["TEST_ID"]],
                 "both rounds name the test they practised")
    attempts = journey.query("SELECT w.WORD, a.GUESS, a.RESULT, a.ATTEMPT_NUMBER FROM "
                             "WORD_ATTEMPTS a JOIN WORDS w USING (WORD_ID) WHERE a.TEST_ID = ? "
                             "ORDER BY w.WORD", tests[1]["TEST_ID"])
    expect_equal([tuple(a.values()) for a in attempts],
                 [("apple", "apple", "CORRECT", 1), ("cherry", "chery", "INCORRECT", 1)],
                 "the round's stored attempts")
