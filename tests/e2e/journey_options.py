"""The parent turns off the temporary messages and skips the test set-up in the options.
After a restart the options window shows both, the settings row holds them, and a test
starts at once and gives no notices."""

from harness import Journey, JourneyFailure, expect, expect_equal
from quillby_steps import answer_word, main_window, results_summary, seed_list

with Journey("options") as journey:
    seed_list(journey, 1, "2099-06-11", [(1, "kite", "it flies on a string")])
    app = journey.start("Quillby")

    app.step("the options are changed and saved")
    app.click(main_window(app).find("push button", "Options"))
    options = app.window("Options", role="dialog")
    skip = options.find("check box", "Skip Individual Test Setup")
    expect(not skip.checked, "the set-up is not skipped by default")
    app.click(skip)
    app.wait_until(lambda: skip.checked, 5, "the skip box to be checked")
    app.click(options.find("page tab", "General Defaults"))
    messages = options.find("combo box", "Temporary Messages")
    expect_equal(messages.text, "3 Seconds", "the default message time")
    app.choose(messages, "None")
    app.click(options.find("push button", "Save Settings"))
    app.dismiss_notice("Settings Saved")  # the message time in force is still the old one
    app.wait_closed("Options")
    row = journey.query("SELECT SKIP_TEST_SETUP, MESSAGE_TIME FROM OPTIONS")
    expect_equal([tuple(r.values()) for r in row], [("TRUE", 0)], "the saved settings row")

    app.step("before a restart the set-up still shows (the setting is read at start)")
    app.click(main_window(app).find("push button", "Test"))
    app.click(app.window("Test Setup").find("push button", "Cancel"))
    app.exit_through(main_window(app).find("push button", "Exit"))

    app = journey.start("Quillby")
    app.step("after the restart the options window shows the saved settings")
    app.click(main_window(app).find("push button", "Options"))
    options = app.window("Options", role="dialog")
    expect(options.find("check box", "Skip Individual Test Setup").checked,
           "the skip box after the restart")
    app.click(options.find("page tab", "General Defaults"))
    expect_equal(options.find("combo box", "Temporary Messages").text, "None",
                 "the message time after the restart")
    app.click(options.find("push button", "Cancel"))
    app.wait_closed("Options")

    app.step("Test goes straight into the test, and answers give no notice")
    app.click(main_window(app).find("push button", "Test"))
    app.window("Test")
    expect(not app.has_window("Test Setup"), "no set-up window")
    answer_word(app, "kite", None)

    def results_without_notice():
        if app.has_window("Message..."):
            raise JourneyFailure("a notice shows although temporary messages are off")
        return app.has_window("Test Results")

    app.wait_until(results_without_notice, what="the results, with no notice before them")
    expect_equal(results_summary(app)["Score"], "100 %", "the test's score")
    app.click(app.window("Test Results").find("push button", "Close"))
    app.answer_message("No", expect="Test Again?")
    app.exit_through(main_window(app).find("push button", "Exit"))
