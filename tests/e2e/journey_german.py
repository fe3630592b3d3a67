"""A parent on a German desktop (LANG=de_DE.UTF-8): the main window, its menus and two windows
speak German, Qt's own buttons too, dates take the German short form, the stored settings stay
English, a test judges "Straße" by letter case only (not "strasse", but "STRAẞE"), in the test
and in the reveal window, the help explains the later features in German, and the German Exit
ends the program with status 0."""

import re

from harness import Journey, expect, expect_equal
from quillby_steps import seed_list

GERMAN = {"LANG": "de_DE.UTF-8", "LC_MESSAGES": "", "LC_ALL": "", "LANGUAGE": ""}

with Journey("german") as journey:
    seed_list(journey, 1, "2099-06-11", [(1, "Drachen", "er fliegt an einer Schnur"),
                                         (2, "Straße", "dort fahren Autos")])
    app = journey.start("Quillby", env=GERMAN)

    app.step("the main window's buttons, menus and grid are German")
    main = app.window("Quillby", role="frame")
    for caption in ("Neue Liste", "Liste bearbeiten", "Test", "Frühere Tests", "Liste löschen",
                    "Optionen", "Beenden"):
        main.find("push button", caption)
    for menu in ("Datei", "Hilfe"):
        main.find("menu item", menu)
    for item in ("Listen", "Neue Liste", "Liste löschen", "Beenden", "Hilfe anzeigen"):
        expect(main.find_all("menu item", item, showing=False), f"the menu item {item!r}")
    grid = main.find("table", "Vorhandene Wörterlisten")
    expect_equal(grid.cells()[0][0], "11.06.99", "the test date in the German short form")

    app.step("Qt's own buttons: the delete question offers Ja and Nein")
    app.click(main.find("push button", "Liste löschen"))
    app.answer_message("Nein", expect="Möchten Sie diese Liste mit allen ihren Wörtern löschen?")
    expect_equal(len(journey.query("SELECT LIST_ID FROM LISTS")), 1, "the list after Nein")

    app.step("a test: only letter case is forgiven, so ß is never ss")
    app.click(main.find("push button", "Test"))
    setup = app.window("Testeinstellung")
    app.choose(setup.find("combo box", "Weiter zum nächsten Wort nach"), "1")
    app.click(setup.find("push button", "Weiter"))
    test = app.window("Test")

    def answer(text, top, bottom):
        app.set_text(test.find("text", "Wort"), text)
        app.focus(test.find("text", "Wort"))
        app.key("Return")
        expect_equal(app.dismiss_notice(top, caption="Meldung...")[1], bottom,
                     f"the notice after {text!r}")

    answer("DRACHEN", "Richtig!", "Drachen")
    answer("strasse", "Leider falsch", "")
    reveal = app.window("Die richtige Antwort ist...")
    box = reveal.find("text", "Abschreiben:")
    for typed, top in (("STRASSE", "Leider falsch"), ("STRAẞE", "Richtig!")):
        app.set_text(box, typed)
        app.focus(box)
        app.key("Return")
        app.dismiss_notice(top, caption="Meldung...")
    app.wait_closed("Die richtige Antwort ist...")
    app.click(app.window("Testergebnis").find("push button", "Schließen"))
    app.answer_message("Nein", expect="Noch einmal testen?")
    main = app.window("Quillby", role="frame")
    guesses = journey.query("SELECT w.WORD, a.GUESS, a.RESULT FROM WORD_ATTEMPTS a "
                            "JOIN WORDS w USING (WORD_ID) ORDER BY w.WORD_ID")
    expect_equal([tuple(g.values()) for g in guesses],
                 [("Drachen", "DRACHEN", "CORRECT"), ("Straße", "strasse", "INCORRECT")],
                 "the stored answers")

    app.step("the options window in German; the saved day stays English in the database")
    app.click(main.find("push button", "Optionen"))
    options = app.window("Optionen", role="dialog")
    options.find("check box", "Testeinstellung überspringen")
    options.find("combo box", "Reihenfolge der Wörter")
    app.click(options.find("page tab", "Allgemein"))
    expect_equal(options.find("combo box", "Kurzmeldungen").text, "3 Sekunden",
                 "the default message time")
    day = options.find("combo box", "Schultests sind meistens")
    expect_equal(day.text, "freitags", "the default test day")
    app.choose(day, "mittwochs")
    app.click(options.find("push button", "Einstellungen speichern"))
    app.dismiss_notice("Einstellungen gespeichert", caption="Meldung...")
    app.wait_closed("Optionen")
    row = journey.query("SELECT TEST_DAY, TEST_ORDER, MESSAGE_TIME FROM OPTIONS")
    expect_equal([tuple(r.values()) for r in row], [("Wednesdays", "Alphabetical", 6)],
                 "the stored settings, in English")

    app.step("the new-list window: German captions, dates in the German short form")
    app.click(main.find("push button", "Neue Liste"))
    new_list = app.window("Neue Wörterliste", role="dialog")
    test_date = new_list.find("text", "Testtag").text
    expect(re.fullmatch(r"\d\d\.\d\d\.\d\d", test_date), f"a German date, not {test_date!r}")
    expect(new_list.find("label", re.compile(r"Heute ist \w+, der .*")), "the day in German")
    # The end of the school week, not the weekend.
    expect_equal(new_list.find("text", "Ende der Woche").text, test_date,
                 "the end of the week, on the test day")
    app.click(new_list.find("push button", "Abbrechen"))
    app.wait_closed("Neue Wörterliste")

    app.step("the help in German: the voice, missed words and the chart have their topics")
    app.focus_window(main)
    app.key("F1")
    help_window = app.window("Hilfe")
    topic = help_window.find("combo box", "Hilfethema")
    for name, mention in (("Die Stimme des Computers", "'Sprechen'"),
                          ("Falsche Wörter üben", "'Falsche Wörter üben'"),
                          ("Diagramm und schwierigste Wörter", "'Schwierigste Wörter'")):
        app.choose(topic, name)
        text = help_window.find("text", "Hilfetext").text
        expect(mention in text, f"the topic {name!r} names {mention}, not: {text[:80]!r}")
        familiar = re.search(r"\b(du|dein\w*|dir|dich)\b", text, re.IGNORECASE)
        expect(not familiar, f"the parent is addressed as Sie, not {familiar and familiar[0]!r}")
    app.close_window(help_window)
    app.wait_closed("Hilfe")

    app.exit_through(main.find("push button", "Beenden"))
