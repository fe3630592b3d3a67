"""Past Tests of a list with three tests: beside the history, a chart of the three scores in
order and the hardest words, the most missed first with the wrong spellings tried. Choosing
a test by mouse or keyboard shows its results; choosing a hard word selects it there."""

from harness import Journey, expect, expect_equal
from quillby_steps import field, main_window, results_summary, seed_list

WORDS = [(1, "because", "for the reason that"), (2, "friend", "a person you like"),
         (3, "said", "spoke"), (4, "their", "of them")]

with Journey("progress") as journey:
    seed_list(journey, 1, "2099-06-11", WORDS)
    # Three tests, one a day: each word right at once, unless it is missed first.
    misses = {1: {1: "becuase", 2: "freind"}, 2: {1: "becuase", 3: "sed"}, 3: {1: "becase"}}
    for test in (1, 2, 3):
        journey.execute("INSERT INTO TESTS (TEST_ID, LIST_ID, MOVE_ON_AFTER, START_TIME, END_TIME)"
                        " VALUES (?, 1, 3, ?, ?)", test, f"2026-11-0{test} 16:00:00",
                        f"2026-11-0{test} 16:05:00")
        for word_id, word, _ in WORDS:
            number = 1
            if word_id in misses[test]:
                journey.execute("INSERT INTO WORD_ATTEMPTS VALUES (?, 1, ?, ?, 'INCORRECT', 1)",
                                test, word_id, misses[test][word_id])
                number = 2
            journey.execute("INSERT INTO WORD_ATTEMPTS VALUES (?, 1, ?, ?, 'CORRECT', ?)",
                            test, word_id, word, number)
    journey.execute("INSERT INTO IDS (CODE, VALUE) VALUES ('TEST_ID', 3)")
    app = journey.start("Quillby")

    app.step("Past Tests shows the scores, the chart and the hardest words")
    main = main_window(app)
    app.click(main.find("table", "Existing Word Lists").find("table cell"))
    app.click(main.find("push button", "Past Tests"))
    past = app.window("Past Tests")
    scores = [row[1] for row in past.find("table", "Select a test...").cells()]
    expect_equal(scores, ["50 %", "50 %", "75 %"], "the scores, oldest first")
    chart = past.find(None, "Scores")
    expect_equal(chart.description, "test 1: 50 %, test 2: 50 %, test 3: 75 %",
                 "what the chart shows")
    hardest = past.find("table", "Hardest words").cells()
    expect_equal(hardest, [["because", "3", "becuase (2), becase"], ["friend", "1", "freind"],
                           ["said", "1", "sed"]], "the hardest words")
    journey.screenshot("past_tests")

    app.step("choosing another test, by mouse and then by keyboard, shows its results")
    expect_equal(results_summary(app)["Score"], "50 %", "the oldest test's results")
    grid = past.find("table", "Select a test...")
    app.mouse_click(grid.find_all("table cell", "75 %")[0])
    app.wait_until(lambda: results_summary(app)["Score"] == "75 %",
                   what="the third test's results")
    app.key("Up")
    app.wait_until(lambda: field(app.window("Test Results"), "Date") == "11/2/2026",
                   what="the second test's results")

    app.step("choosing a hard word selects it in the results")
    app.window("Test Results")
    cells = past.find("table", "Hardest words").find_all("table cell", "said")
    expect(cells, "the cell of 'said'")
    app.mouse_click(cells[0])
    details = app.window("Word Attempts")
    details.find("label", "said")  # the word whose attempts show beside the results
    app.click(past.find("push button", "Close"))
    app.wait_closed("Past Tests")
    app.exit_through(main_window(app).find("push button", "Exit"))
