"""A parent's first evening with Quillby: the shipped, empty database; a new list with two
words (the word editor refuses a word without any clue, and a blank word); a practice test
with a wrong answer, the revealed spelling retyped; closing the list editor while a word
is typed asks first; the results with the word's attempts;
"Test Again?" and a second, perfect test; the past tests with their average; Exit."""

from harness import Journey, expect, expect_equal
from quillby_steps import (answer_word, clue, expect_window_absent, field, iso_date,
                           list_rows, main_window, results_summary, retype_revealed)

with Journey("first_list") as journey:
    app = journey.start("Quillby")
    main = main_window(app)
    expect_equal(list_rows(app), [], "the lists of the shipped database")

    app.step("New List creates a list for this week")
    app.click(main.find("push button", "New List"))
    new_list = app.window("New Word List")
    test_date = field(new_list, "Date of test")
    app.click(new_list.find("push button", "Create"))

    app.step("the list editor opens the word editor for the empty list")
    app.window("Edit Word List")
    editor = app.window("New Word")
    app.type_into(editor.find("text", "Word"), "because")
    app.click(editor.find("push button", "Save"))
    app.answer_message("OK", expect="At least one of the following items must be provided:")
    expect_equal(journey.query("SELECT * FROM WORDS"), [], "words after the refused save")

    app.step("the word is saved once it has a definition")
    app.type_into(editor.find("text", "Definition"), "for the reason that")
    app.click(editor.find("push button", "Save"))
    expect_equal(app.dismiss_notice("Word Saved")[1], "because", "the notice's second line")
    app.wait_until(lambda: field(editor, "Word") == "", what="the word editor to empty")

    app.step("a blank word is refused, then the second word is saved")
    app.type_into(editor.find("text", "Context Sentence"), "My friend came to play.")
    app.click(editor.find("push button", "Save"))
    app.answer_message("OK", expect="Can not save a blank word.  Please type the word")
    app.type_into(editor.find("text", "Word"), "  friend ")
    app.click(editor.find("push button", "Save"))
    app.dismiss_notice("Word Saved")

    app.step("closing the list editor with a word typed asks first; Cancel keeps both open")
    app.type_into(app.window("New Word").find("text", "Word"), "after")
    app.close_window(app.window("Edit Word List"))
    app.message_box()
    journey.screenshot("unsaved_word_question")
    app.answer_message("Cancel", expect="This word has not been saved.")
    app.window("Edit Word List")
    expect_equal(field(app.window("New Word"), "Word"), "after", "the typing, still there")

    app.step("closing the word editor and the list editor shows the main window again")
    app.click(app.window("New Word").find("push button", "Cancel"))
    app.wait_closed("New Word")
    list_editor = app.window("Edit Word List")
    words = [row[0] for row in list_editor.find("table").cells()]
    expect_equal(words, ["because", "friend"], "the list editor's words")
    app.close_window(list_editor)
    app.wait_closed("Edit Word List")
    main = main_window(app)
    expect_equal(list_rows(app), [["2", "0"]], "the main window's list")

    app.step("Test opens the set-up: one miss moves on, with the answer revealed and retyped")
    app.click(main.find("push button", "Test"))
    setup = app.window("Test Setup")
    move_on = setup.find("combo box", "Go to the next word after")
    app.choose(move_on, "1")
    for box in ("Reveal answers before moving on",
                "Require the student to type the correct answer after it is revealed"):
        expect(setup.find("check box", box).checked, f"{box!r} is checked by default")
    app.click(setup.find("push button", "Continue"))

    app.step("first test: because is misspelled, revealed and retyped")
    app.window("Test")
    expect(not app.has_window("Quillby", role="frame"), "the main window hides during a test")
    expect_equal(clue(app, "Definition"), "for the reason that", "the first word's clue")
    answer_word(app, "becuase", "Incorrect", "")
    retype_revealed(app, "because")

    app.step("first test: friend is right at once, and the test ends with its results")
    expect_equal(clue(app, "Context Sentence"), "My friend came to play.", "the second clue")
    answer_word(app, "friend", "Correct", "friend")
    results = app.window("Test Results")
    attempts = app.window("Word Attempts")
    summary = results_summary(app)
    expect_equal((summary["Score"], summary["First Try"], summary["Words on Test"],
                  summary["Moved on"]), ("50 %", "1", "2", "1"), "the first test's summary")
    expect_equal(summary["grid"], [["because", "1"], ["friend", "1"]], "the results grid")
    app.wait_until(lambda: attempts.has("label", "because"), what="the attempts of because")
    expect_equal([item.name for item in attempts.find("list", "Attempts")
                  .find_all("list item")], ["becuase"], "the guesses listed for because")
    expect(attempts.has("label", "Not correct after 1 attempts"), "the outcome of because")
    journey.screenshot("results_with_word_attempts")

    app.step("closing the results asks Test Again?, and Yes starts a second test")
    app.click(results.find("push button", "Close"))
    app.answer_message("Yes", expect="Test Again?")
    app.window("Test")
    expect_window_absent(app, "Test Setup")
    answer_word(app, "Because", "Correct", "because")
    answer_word(app, "friend", "Correct", "friend")
    summary = results_summary(app)
    expect_equal(summary["Score"], "100 %", "the second test's score")

    app.step("No to Test Again? returns to the main window with two tests counted")
    app.click(app.window("Test Results").find("push button", "Close"))
    app.answer_message("No", expect="Test Again?")
    main = main_window(app)
    app.wait_until(lambda: list_rows(app) == [["2", "2"]],
                   what="the list's row to count 2 tests")

    app.step("Past Tests lists both tests with their average")
    app.click(main.find("push button", "Past Tests"))
    past = app.window("Past Tests")
    expect_equal(field(past, "Total Tests"), "2", "the total of past tests")
    expect_equal(field(past, "Average Score"), "75 %", "the average score")
    expect_equal([row[1] for row in past.find("table").cells()], ["50 %", "100 %"],
                 "the scores, oldest test first")
    app.window("Test Results")  # the oldest test's results open beside the list
    app.click(past.find("push button", "Close"))
    app.wait_closed("Past Tests")

    app.exit_through(main_window(app).find("push button", "Exit"))

    tests = journey.query("SELECT TEST_ID, LIST_ID, MOVE_ON_AFTER, START_TIME <= END_TIME AS "
                          "ORDERED FROM TESTS ORDER BY TEST_ID")
    expect_equal([(t["LIST_ID"], t["MOVE_ON_AFTER"], t["ORDERED"]) for t in tests],
                 [(1, 1, 1), (1, 1, 1)], "the stored tests")
    first, second = (t["TEST_ID"] for t in tests)
    attempts = journey.query("SELECT a.TEST_ID, w.WORD, a.GUESS, a.RESULT, a.ATTEMPT_NUMBER, "
                             "a.LIST_ID FROM WORD_ATTEMPTS a JOIN WORDS w USING (WORD_ID) "
                             "ORDER BY a.TEST_ID, w.WORD, a.ATTEMPT_NUMBER")
    expect_equal([tuple(a.values()) for a in attempts], [
        (first, "because", "becuase", "INCORRECT", 1, 1),
        (first, "friend", "friend", "CORRECT", 1, 1),
        (second, "because", "Because", "CORRECT", 1, 1),
        (second, "friend", "friend", "CORRECT", 1, 1)], "the stored attempts")
    lists = journey.query("SELECT LIST_ID, TEST_DATE, STATUS FROM LISTS")
    expect_equal([tuple(row.values()) for row in lists], [(1, iso_date(test_date), "CREATED")],
                 "the stored list")
    words = journey.query("SELECT WORD, DEFINITION, SENTENCE FROM WORDS ORDER BY WORD_ID")
    expect_equal([tuple(w.values()) for w in words],
                 [("because", "for the reason that", ""),
                  ("friend", "", "My friend came to play.")], "the stored words")
