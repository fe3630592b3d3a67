"""Two lists whose school test has passed are offered at start, one after the other. The
parent ignores the first for good and leaves the second for now (Cancel); at the next start
only the second is offered again."""

from harness import Journey, expect, expect_equal
from quillby_steps import field, list_rows, main_window, seed_list

PROMPT = "Delete Old List..."


def prompt_words(prompt):
    return [item.name for item in prompt.find("list").find_all("list item", showing=False)]


with Journey("old_lists") as journey:
    seed_list(journey, 1, "2020-01-10", [(1, "zebra", "a striped horse"),
                                         (2, "ant", "a small insect")])
    seed_list(journey, 2, "2020-01-17", [(3, "owl", "a night bird")])
    app = journey.start("Quillby")

    app.step("the first old list is offered with its words, and ignored")
    prompt = app.window(PROMPT)
    expect(not app.has_window("Quillby", role="frame"), "the main window waits for the prompt")
    expect_equal(field(prompt, "Words"), "2", "the first list's word count")
    expect_equal(prompt_words(prompt), ["ant", "zebra"], "the first list's words, sorted")
    app.click(prompt.find("push button", "Ignore"))
    lines = app.dismiss_notice("List Ignored")
    expect_equal(lines[1], "You will not be prompted to delete this list again.",
                 "the notice's second line")

    app.step("the second old list is offered next, and left for now")
    app.wait_until(lambda: app.has_window(PROMPT) and field(app.window(PROMPT), "Words") == "1",
                   what="the prompt for the second list")
    expect_equal(prompt_words(app.window(PROMPT)), ["owl"], "the second list's words")
    app.click(app.window(PROMPT).find("push button", "Cancel"))
    main = main_window(app)
    expect_equal(list_rows(app), [["1", "0"], ["2", "0"]], "both lists, newest first")
    expect_equal([tuple(r.values()) for r in
                  journey.query("SELECT LIST_ID, STATUS FROM LISTS ORDER BY LIST_ID")],
                 [(1, "IGNORED"), (2, "CREATED")], "the lists' status")
    app.exit_through(main.find("push button", "Exit"))

    app = journey.start("Quillby")
    app.step("at the next start only the list left for now is offered again")
    expect_equal(field(app.window(PROMPT), "Words"), "1", "the list offered again")
    app.click(app.window(PROMPT).find("push button", "Cancel"))
    main = main_window(app)
    expect(not app.has_window(PROMPT), "no further prompt")
    expect_equal(list_rows(app), [["1", "0"], ["2", "0"]], "both lists kept")
    app.exit_through(main.find("push button", "Exit"))
