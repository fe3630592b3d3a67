"""A child gives up a test: closing the test window asks first; No carries on with the same
word, Yes goes back to the lists and keeps nothing of the test, not even its first answer."""

from harness import Journey, expect_equal
from quillby_steps import answer_word, clue, list_rows, main_window, seed_list

with Journey("quit_test") as journey:
    seed_list(journey, 1, "2099-06-11", [(1, "apple", "a round fruit"),
                                         (2, "banana", "a long yellow fruit")])
    app = journey.start("Quillby")
    expect_equal(list_rows(app), [["2", "0"]], "the seeded list in the main window")

    app.step("a test starts with the stored defaults")
    app.click(main_window(app).find("push button", "Test"))
    app.click(app.window("Test Setup").find("push button", "Continue"))
    app.window("Test")
    answer_word(app, "apple", "Correct", "apple")
    expect_equal(clue(app, "Definition"), "a long yellow fruit", "the second word's clue")
    expect_equal(len(journey.query("SELECT * FROM WORD_ATTEMPTS")), 1,
                 "attempts stored while the test runs")

    app.step("closing the test window and answering No carries on")
    app.close_window(app.window("Test"))
    app.answer_message("No", expect="You have not completed the test.")
    expect_equal(clue(app, "Definition"), "a long yellow fruit", "the word still asked")
    answer_word(app, "bananna", "Incorrect", "Try Again")

    app.step("closing again and answering Yes gives the test up")
    app.close_window(app.window("Test"))
    app.answer_message("Yes", expect="Do you really want to quit?")
    app.wait_closed("Test")
    main = main_window(app)
    expect_equal(list_rows(app), [["2", "0"]], "the list's tests after giving up")
    expect_equal(journey.query("SELECT * FROM TESTS"), [], "tests stored")
    expect_equal(journey.query("SELECT * FROM WORD_ATTEMPTS"), [], "attempts stored")

    app.exit_through(main.find("push button", "Exit"))
