"""Quillby runs behind another program. Starting it again says that it is already running,
and brings the running Quillby to the front with the keyboard focus: its main window, or the
window it has open, a modal one (Options) or the list editor while the main window is hidden.
A Quillby that was killed leaves its channel behind: the next one takes it over."""

import glob
import os

from harness import Atspi, Journey, expect, expect_equal
from quillby_steps import main_window, seed_list
from x_windows import Cover, focused_window, is_above


def second_start_raises(journey, first, window, what):
    window_x = first._x_window(window)
    with Cover("Another program") as cover:
        expect_equal(focused_window(), cover.x_id, "the other program's focus")
        expect(is_above(cover.x_id, window_x), f"{what} behind the other program")
        second = journey.start("Quillby")
        first.wait_until(lambda: is_above(window_x, cover.x_id), 5,
                         f"{what} in front of the other program while the message shows")
        second.answer_message("OK", expect="Quillby is already running.", ends_program=True)
        expect_equal(second.wait_for_exit(), 0, "the second start's exit status")
        first.wait_until(lambda: focused_window() == window_x, 5,
                         f"{what} to have the keyboard focus")
        expect(is_above(window_x, cover.x_id), f"{what} in front of the other program")
        first.wait_until(lambda: window._has(Atspi.StateType.ACTIVE), 5, f"{what} to be active")


with Journey("second_start") as journey:
    seed_list(journey, 1, "2099-06-11", [(1, "kite", "it flies on a string")])
    first = journey.start("Quillby")
    main = main_window(first)

    first.step("a second start brings the main window to the front")
    second_start_raises(journey, first, main, "the main window")

    first.step("with Options open, a second start brings Options to the front")
    first.click(main.find("push button", "Options"))
    options = first.window("Options", role="dialog")
    second_start_raises(journey, first, options, "the options window")
    first.click(options.find("push button", "Cancel"))
    first.wait_closed("Options")

    first.step("with the list editor open, a second start brings the list editor to the front")
    first.click(main_window(first).find("push button", "Edit List"))
    editor = first.window("Edit Word List")
    second_start_raises(journey, first, editor, "the list editor")
    first.close_window(editor)
    first.wait_closed("Edit Word List")
    first.exit_through(main_window(first).find("push button", "Exit"))

    killed = journey.start("Quillby")
    killed.step("a killed Quillby's channel is taken over by the next start")
    main_window(killed)
    pattern = os.path.join(os.environ["XDG_RUNTIME_DIR"], "quillby-*.raise")
    killed.wait_until(lambda: glob.glob(pattern), what="the running Quillby's channel")
    channel = glob.glob(pattern)
    killed.kill()
    expect_equal(glob.glob(pattern), channel, "the killed Quillby's channel left behind")
    running = journey.start("Quillby")
    second_start_raises(journey, running, main_window(running), "the main window")
    running.exit_through(main_window(running).find("push button", "Exit"))
