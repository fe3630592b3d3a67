"""A parent and a child who work with the keyboard. F1 opens the help from every window and
Ctrl+W closes each window again (the test window asks first); the main window's commands, the
Help menu's items and the test set-up's check boxes answer their access keys; Enter in Test
Setup starts the test; a question whose Yes deletes something takes Enter as No. The test
window says how far the test has gone ("Word 3 of 12"). After a practice round of missed words,
closing its results hides its word attempts too, and "Test Again?" runs the same round again.
A click on the selected row of the results or of Past Tests opens its details again once they
were closed."""

from harness import Journey, JourneyFailure, expect, expect_equal
from quillby_steps import answer_word, clue, expect_window_absent, list_rows, main_window, seed_list

TWELVE = ["acorn", "badger", "candle", "dragon", "eagle", "feather", "garden", "harbour",
          "island", "jacket", "kettle", "lantern"]


def press_in(app, window, *keys):
    """Presses keys in a window, made the active one as a window manager would."""
    app.focus_window(window)
    app.key(*keys)


def help_opens_and_closes(app, window):
    """F1 in a window shows the help; Ctrl+W in the help closes it again."""
    press_in(app, window, "F1")
    help_window = app.window("Help")
    press_in(app, help_window, "ctrl+w")
    app.wait_closed("Help")


def open_help_and_close(app, opener, keys, title):
    """Opens a window with keys, shows the help over it with F1 and closes both with Ctrl+W."""
    press_in(app, opener, keys)
    window = app.window(title)
    help_opens_and_closes(app, window)
    press_in(app, window, "ctrl+w")
    app.wait_closed(title)


def answer_question(app, keys, expect_text):
    """Answers the program's question with keys; returns its text."""
    box = app.message_box()
    text = box.description
    if expect_text not in text:
        raise JourneyFailure(f"the question says {text!r}, not {expect_text!r}")
    press_in(app, box, *keys)
    app.wait_until(lambda: not box.showing, 10, "the question to close")
    return text


def test_count(journey):
    return journey.query("SELECT COUNT(*) AS N FROM TESTS")[0]["N"]


with Journey("keys") as journey:
    seed_list(journey, 1, "2099-06-11", [(1, "apple", "a round fruit"),
                                         (2, "banana", "a long yellow fruit"),
                                         (3, "cherry", "a small red fruit")])
    seed_list(journey, 2, "2099-06-18",
              [(10 + i, word, f"the word {word}") for i, word in enumerate(TWELVE)])
    seed_list(journey, 3, "2099-06-25", [(30, "zebra", "a striped animal")])
    # No temporary notices, no voice; one miss moves on to the next word without revealing it.
    journey.execute("INSERT INTO OPTIONS VALUES ('FALSE', 'FALSE', 'TRUE', 'TRUE', "
                    "'Alphabetical', 1, 'FALSE', 'FALSE', 'FALSE', 'FALSE', 'FALSE', 0, "
                    "'Fridays', 'TRUE', 'FALSE')")
    app = journey.start("Quillby")
    main = main_window(app)

    app.step("F1 in the main window shows the help; Ctrl+W closes it")
    help_opens_and_closes(app, main)

    app.step("Alt+O opens the options, F1 the help over them, Ctrl+W closes both")
    open_help_and_close(app, main, "alt+o", "Options")

    app.step("Ctrl+N opens a new list; F1 shows the help; Ctrl+W closes it without a list")
    open_help_and_close(app, main, "ctrl+n", "New Word List")
    main = main_window(app)
    expect_equal(len(list_rows(app)), 3, "the lists after closing the new list")

    app.step("Alt+H, A opens About from the Help menu; Ctrl+W closes it")
    press_in(app, main, "alt+h")
    app.wait_until(lambda: main.find("menu item", "About").showing, 5, "the Help menu to open")
    app.key("a")
    about = app.window("About Quillby...")
    press_in(app, about, "ctrl+w")
    app.wait_closed("About Quillby...")

    app.step("Alt+D asks to delete the newest list: Enter answers No")
    press_in(app, main, "alt+d")
    answer_question(app, ["Return"], "Do you want to delete this list and all of it's words?")
    expect_equal(len(list_rows(app)), 3, "the lists after Enter on the question")
    expect_equal(len(journey.query("SELECT * FROM WORDS WHERE LIST_ID = 3")), 1,
                 "the newest list's word after Enter on the question")

    app.step("Alt+D, Alt+Y deletes it")
    press_in(app, main, "alt+d")
    answer_question(app, ["alt+y"], "Do you want to delete this list")
    app.wait_until(lambda: len(list_rows(app)) == 2, what="the deleted list to go")

    app.step("Alt+T opens Test Setup; F1 shows the help; Ctrl+W closes it")
    open_help_and_close(app, main, "alt+t", "Test Setup")
    main = main_window(app)

    app.step("Alt+T and Enter start the test of twelve words; it says how far it has gone")
    press_in(app, main, "alt+t")
    press_in(app, app.window("Test Setup"), "Return")
    test = app.window("Test")
    app.wait_closed("Test Setup")
    test.find("label", "Word 1 of 12")
    answer_word(app, "acorn", None)
    answer_word(app, "badger", None)
    app.window("Test").find("label", "Word 3 of 12")
    expect_equal(clue(app, "Definition"), "the word candle", "the third word's clue")
    journey.screenshot("test_word_3_of_12")

    app.step("F1 in the test shows the help; Ctrl+W closes it")
    help_opens_and_closes(app, app.window("Test"))

    app.step("Ctrl+W in the test asks to quit: Enter answers No and the test goes on")
    press_in(app, app.window("Test"), "ctrl+w")
    answer_question(app, ["Return"], "You have not completed the test.")
    test = app.window("Test")
    test.find("label", "Word 3 of 12")
    answer_word(app, "candle", None)
    test.find("label", "Word 4 of 12")

    app.step("Ctrl+W, Alt+Y quits the test: nothing of it is kept")
    press_in(app, test, "ctrl+w")
    answer_question(app, ["alt+y"], "Do you really want to quit?")
    app.wait_closed("Test")
    main = main_window(app)
    expect_equal(test_count(journey), 0, "the tests stored after quitting")
    expect_equal(len(journey.query("SELECT * FROM WORD_ATTEMPTS")), 0, "the answers kept")

    app.step("the three-word list: a test with two misses, and Alt+M practises them")
    app.focus(main.find("table", "Existing Word Lists"))
    app.key("Down")
    press_in(app, main, "alt+t")
    press_in(app, app.window("Test Setup"), "Return")
    app.window("Test").find("label", "Word 1 of 3")
    answer_word(app, "aple", None)
    answer_word(app, "banana", None)
    answer_word(app, "chery", None)
    results = app.window("Test Results")
    app.window("Word Attempts")
    press_in(app, results, "alt+m")
    app.window("Test").find("label", "Word 1 of 2")
    answer_word(app, "apple", None)
    answer_word(app, "chery", None)

    app.step("closing the round's results hides its word attempts while Test Again? is asked")
    results = app.window("Test Results")
    results.find("label", "Missed words of test 1")
    app.window("Word Attempts")
    press_in(app, results, "alt+c")
    app.message_box()
    expect_window_absent(app, "Word Attempts")
    expect_window_absent(app, "Test Results")

    app.step("Test Again? Yes runs the same round of two words again")
    answer_question(app, ["alt+y"], "Test Again?")
    test = app.window("Test")
    test.find("label", "Word 1 of 2")
    expect_equal(clue(app, "Definition"), "a round fruit", "the round's first word")
    answer_word(app, "apple", None)
    expect_equal(clue(app, "Definition"), "a small red fruit", "the round's second word")
    answer_word(app, "cherry", None)
    # The round is stored as its results open, a moment after the last answer.
    app.wait_until(lambda: len(journey.query("SELECT * FROM TESTS")) == 3, 15,
                   "the second round to be stored")
    tests = journey.query("SELECT TEST_ID, PRACTICE_OF FROM TESTS ORDER BY TEST_ID")
    expect_equal([t["PRACTICE_OF"] for t in tests],
                 [None, tests[0]["TEST_ID"], tests[0]["TEST_ID"]],
                 "both rounds practise the first test's missed words")

    app.step("a click on the selected word opens its attempts again once they were closed")
    results = app.window("Test Results")
    attempts = app.window("Word Attempts")
    press_in(app, attempts, "ctrl+w")
    app.wait_closed("Word Attempts")
    grid = results.find("table")
    selected = [cell for cell in grid.find_all("table cell") if cell.name == "apple"]
    expect(selected, "the round's results list apple")
    app.mouse_click(selected[0])
    app.window("Word Attempts")
    press_in(app, app.window("Test Results"), "alt+c")
    answer_question(app, ["alt+n"], "Test Again?")
    main = main_window(app)

    app.step("Past Tests: a click on the selected test opens its results again once closed")
    press_in(app, main, "alt+p")
    past = app.window("Past Tests")
    results = app.window("Test Results")
    press_in(app, results, "ctrl+w")
    app.wait_closed("Test Results")
    first = past.find("table", "Select a test...").find_all("table cell")[0]
    app.mouse_click(first)
    app.window("Test Results")
    help_opens_and_closes(app, past)
    press_in(app, app.window("Past Tests"), "ctrl+w")
    app.wait_closed("Past Tests")
    app.exit_through(main_window(app).find("push button", "Exit"))
