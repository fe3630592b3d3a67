"""The parent moves and sizes the main window, the list editor and the word editor. After a
restart each one opens where it was left, the same size; the places are kept in the
database. A place that is off the screen (a screen no longer there) is not used: the window
opens on the screen, at the size it had."""

from harness import Journey, expect, expect_equal
from quillby_steps import main_window, seed_list
from x_windows import geometry, move_and_resize

MAIN_PLACE = (40, 30, 720, 540)
LIST_EDITOR_PLACE = (300, 200, 820, 600)
WORD_EDITOR_PLACE = (520, 260, 560, 640)
SCREEN = (1280, 1024)


def open_editors(app):
    """Edit List on the only list, then Edit a word on its first word."""
    app.click(main_window(app).find("push button", "Edit List"))
    editor = app.window("Edit Word List")
    app.click(editor.find("push button", "Edit a word"))
    return editor, app.window("Edit Word kite")


def close_editors(app, editor, word_editor):
    app.click(word_editor.find("push button", "Cancel"))
    app.wait_closed("Edit Word kite")
    app.close_window(editor)
    app.wait_closed("Edit Word List")


def place_of(app, window):
    return geometry(app._x_window(window))


with Journey("window_places") as journey:
    seed_list(journey, 1, "2099-06-11", [(1, "kite", "it flies on a string")])
    app = journey.start("Quillby")

    app.step("the main window and both editors are moved and sized")
    main = main_window(app)
    default_main = place_of(app, main)
    move_and_resize(app, app._x_window(main), *MAIN_PLACE)
    editor, word_editor = open_editors(app)
    move_and_resize(app, app._x_window(editor), *LIST_EDITOR_PLACE)
    move_and_resize(app, app._x_window(word_editor), *WORD_EDITOR_PLACE)
    close_editors(app, editor, word_editor)
    app.exit_through(main_window(app).find("push button", "Exit"))
    places = {row["FORM_NAME"]: (row["LEFT_PX"], row["TOP_PX"], row["WIDTH_PX"],
                                 row["HEIGHT_PX"], row["MAXIMIZED"])
              for row in journey.query("SELECT * FROM WINDOW_PLACES")}
    expect_equal(places, {"frmLists": (*MAIN_PLACE, "FALSE"),
                          "frmEditList": (*LIST_EDITOR_PLACE, "FALSE"),
                          "frmEditWord": (*WORD_EDITOR_PLACE, "FALSE")},
                 "the places stored in the database")

    app = journey.start("Quillby")
    app.step("after a restart each window opens where it was left")
    expect_equal(place_of(app, main_window(app)), MAIN_PLACE, "the main window's place")
    editor, word_editor = open_editors(app)
    expect_equal(place_of(app, editor), LIST_EDITOR_PLACE, "the list editor's place")
    expect_equal(place_of(app, word_editor), WORD_EDITOR_PLACE, "the word editor's place")
    close_editors(app, editor, word_editor)
    app.exit_through(main_window(app).find("push button", "Exit"))

    journey.execute("UPDATE WINDOW_PLACES SET LEFT_PX = 3000, TOP_PX = -2000 "
                    "WHERE FORM_NAME = 'frmLists'")
    app = journey.start("Quillby")
    app.step("a place off every screen is not used")
    x, y, width, height = place_of(app, main_window(app))
    expect(0 <= x < SCREEN[0] - 64 and 0 <= y < SCREEN[1] - 32,
           f"the main window is on the screen (at {x}, {y})")
    expect_equal((x, y), default_main[:2], "the main window's position by default")
    expect_equal((width, height), MAIN_PLACE[2:], "the main window's size")
    app.exit_through(main_window(app).find("push button", "Exit"))
