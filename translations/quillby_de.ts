<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Connection</name>
    <message>
        <source>The disk is full, so nothing more could be stored in the database %1. Make some room on the disk and try again.</source>
        <translation>Der Datenträger ist voll, deshalb konnte in der Datenbank %1 nichts mehr gespeichert werden. Bitte schaffen Sie Platz auf dem Datenträger und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>The disk could not read or write the database %1 (%2).</source>
        <translation>Die Datenbank %1 konnte auf dem Datenträger nicht gelesen oder geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>The database %1 reported: %2</source>
        <translation>Die Datenbank %1 meldet: %2</translation>
    </message>
    <message>
        <source>The connection string names no database file: %1</source>
        <translation>Die Verbindungsangabe nennt keine Datenbankdatei: %1</translation>
    </message>
    <message>
        <source>The database file %1 does not exist.</source>
        <translation>Die Datenbankdatei %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a database file.</source>
        <translation>%1 ist ein Ordner und keine Datenbankdatei.</translation>
    </message>
    <message>
        <source>The database %1 cannot be opened.</source>
        <translation>Die Datenbank %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The database file %1 is read-only: nothing could be stored in it.</source>
        <translation>Die Datenbankdatei %1 ist schreibgeschützt: Es kann nichts darin gespeichert werden.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read as a Quillby database (%2).</source>
        <translation>Die Datei %1 kann nicht als Quillby-Datenbank gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The file %1 is not a Quillby database: it has no table %2.</source>
        <translation>Die Datei %1 ist keine Quillby-Datenbank: Ihr fehlt die Tabelle %2.</translation>
    </message>
    <message>
        <source>The database %1 cannot be made ready for writing; its folder may be read-only, full or in use (%2).</source>
        <translation>Die Datenbank %1 kann nicht zum Schreiben vorbereitet werden; ihr Ordner ist vielleicht schreibgeschützt, voll oder in Benutzung (%2).</translation>
    </message>
    <message>
        <source>The database is not open.</source>
        <translation>Die Datenbank ist nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>The operation could not be completed:<byte value="xd"/>%1</source>
        <translation>Der Vorgang konnte nicht abgeschlossen werden:<byte value="xd"/>%1</translation>
    </message>
</context>
<context>
    <name>Ids</name>
    <message>
        <source>The counter code %1 is not a valid code.</source>
        <translation>Der Zählername %1 ist ungültig.</translation>
    </message>
    <message>
        <source>The counter %1 holds no usable number: %2</source>
        <translation>Der Zähler %1 enthält keine brauchbare Zahl: %2</translation>
    </message>
    <message>
        <source>The counter %1 holds %2, which is not a positive whole number.</source>
        <translation>Der Zähler %1 enthält %2, und das ist keine positive ganze Zahl.</translation>
    </message>
    <message>
        <source>The counter %1 is at its largest value %2 and cannot hand out another identifier.</source>
        <translation>Der Zähler %1 steht auf seinem Höchstwert %2 und kann keine weitere Nummer vergeben.</translation>
    </message>
</context>
<context>
    <name>ListProgressPanel</name>
    <message>
        <source>No tests yet: the scores appear here after the first test.</source>
        <translation>Noch keine Tests: Die Ergebnisse erscheinen hier nach dem ersten Test.</translation>
    </message>
    <message>
        <source>No word has been missed on a test yet.</source>
        <translation>Bisher wurde in keinem Test ein Wort falsch geschrieben.</translation>
    </message>
    <message>
        <source>Hardest words</source>
        <translation>Schwierigste Wörter</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Score (%)</source>
        <translation>Ergebnis (%)</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>test %1: %2</source>
        <translation>Test %1: %2</translation>
    </message>
    <message>
        <source>Scores of the tests</source>
        <translation>Ergebnisse der Tests</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Tests missed</source>
        <translation>Tests mit Fehlern</translation>
    </message>
    <message>
        <source>Wrong spellings</source>
        <translation>Falsche Schreibweisen</translation>
    </message>
</context>
<context>
    <name>Opt</name>
    <message>
        <source>Alphabetical</source>
        <translation>Alphabetisch</translation>
    </message>
    <message>
        <source>Order Created</source>
        <translation>Reihenfolge der Eingabe</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Sundays</source>
        <translation>sonntags</translation>
    </message>
    <message>
        <source>Mondays</source>
        <translation>montags</translation>
    </message>
    <message>
        <source>Tuesdays</source>
        <translation>dienstags</translation>
    </message>
    <message>
        <source>Wednesdays</source>
        <translation>mittwochs</translation>
    </message>
    <message>
        <source>Thursdays</source>
        <translation>donnerstags</translation>
    </message>
    <message>
        <source>Fridays</source>
        <translation>freitags</translation>
    </message>
    <message>
        <source>Saturdays</source>
        <translation>samstags</translation>
    </message>
</context>
<context>
    <name>PracticeSession</name>
    <message>
        <source>This list has no words yet.<byte value="xd"/>Please add words to the list before taking a test.</source>
        <translation>Diese Liste enthält noch keine Wörter.<byte value="xd"/>Bitte fügen Sie der Liste Wörter hinzu, bevor ein Test beginnt.</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig!</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Leider falsch</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Noch einmal versuchen</translation>
    </message>
    <message>
        <source>The test could not be saved.<byte value="xd"/>%1<byte value="xd"/>Your answers are kept. Try to save the test again?</source>
        <translation>Der Test konnte nicht gespeichert werden.<byte value="xd"/>%1<byte value="xd"/>Die Antworten bleiben erhalten. Soll der Test noch einmal gespeichert werden?</translation>
    </message>
    <message>
        <source>You have not completed the test.<byte value="xd"/>Do you really want to quit?</source>
        <translation>Der Test ist noch nicht fertig.<byte value="xd"/>Wirklich aufhören?</translation>
    </message>
    <message>
        <source>There are no missed words to practise.</source>
        <translation>Es gibt keine falschen Wörter zum Üben.</translation>
    </message>
</context>
<context>
    <name>Recordset</name>
    <message>
        <source>There is no current record to move from.</source>
        <translation>Es gibt keinen aktuellen Datensatz, von dem aus weitergegangen werden kann.</translation>
    </message>
    <message>
        <source>The record set is not open.</source>
        <translation>Die Datensatzgruppe ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The record set has no column %1.</source>
        <translation>Die Datensatzgruppe hat keine Spalte %1.</translation>
    </message>
    <message>
        <source>There is no current record to read %1 from.</source>
        <translation>Es gibt keinen aktuellen Datensatz, aus dem %1 gelesen werden kann.</translation>
    </message>
    <message>
        <source>There is no current record to write %1 to.</source>
        <translation>Es gibt keinen aktuellen Datensatz, in den %1 geschrieben werden kann.</translation>
    </message>
    <message>
        <source>Rows cannot be added through this statement.</source>
        <translation>Über diese Abfrage können keine Zeilen hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Rows cannot be changed through this statement.</source>
        <translation>Über diese Abfrage können keine Zeilen geändert werden.</translation>
    </message>
    <message>
        <source>The row to change no longer exists in %1.</source>
        <translation>Die zu ändernde Zeile gibt es in %1 nicht mehr.</translation>
    </message>
</context>
<context>
    <name>RevealedWord</name>
    <message>
        <source>You must type the word correctly before moving on</source>
        <translation>Erst wenn das Wort richtig abgeschrieben ist, geht es weiter</translation>
    </message>
    <message>
        <source>This word is case sensitive.<byte value="xd"/>Please tray again.</source>
        <translation>Bei diesem Wort zählt die Groß- und Kleinschreibung.<byte value="xd"/>Bitte noch einmal versuchen.</translation>
    </message>
</context>
<context>
    <name>RowKeys</name>
    <message>
        <source>%1 row %2</source>
        <translation>%1 Zeile %2</translation>
    </message>
    <message>
        <source>Some rows of the database are damaged and were left out: %1.</source>
        <translation>Einige Zeilen der Datenbank sind beschädigt und wurden ausgelassen: %1.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The database is marked as in use by Quillby on the computer &quot;%1&quot;.<byte value="xd"/>Is that computer still using it?</source>
        <translation>Die Datenbank ist als von Quillby auf dem Computer „%1“ benutzt markiert.<byte value="xd"/>Wird sie auf diesem Computer noch benutzt?</translation>
    </message>
</context>
<context>
    <name>TestDefaults</name>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>The word will be pronounced during %1</source>
        <translation>Das Wort wird bei %1 vorgesprochen</translation>
    </message>
    <message>
        <source>The definition will be displayed during %1</source>
        <translation>Die Bedeutung wird bei %1 angezeigt</translation>
    </message>
    <message>
        <source>The context sentence will be show during %1</source>
        <translation>Der Beispielsatz wird bei %1 angezeigt</translation>
    </message>
    <message>
        <source>Word Order</source>
        <translation>Reihenfolge der Wörter</translation>
    </message>
    <message>
        <source>The order that the words will appear on %1</source>
        <translation>Die Reihenfolge, in der die Wörter bei %1 drankommen</translation>
    </message>
    <message>
        <source>Incorrect Answer Behavior</source>
        <translation>Bei falschen Antworten</translation>
    </message>
    <message>
        <source>Go to the next word after</source>
        <translation>Weiter zum nächsten Wort nach</translation>
    </message>
    <message>
        <source>The number of chances given to spell a word correctly before moving on to the next word</source>
        <translation>Wie viele Versuche es gibt, ein Wort richtig zu schreiben, bevor das nächste Wort drankommt</translation>
    </message>
    <message>
        <source>Go to the next word after incorrect answers</source>
        <translation>Weiter zum nächsten Wort nach falschen Antworten</translation>
    </message>
    <message>
        <source>incorrect answers</source>
        <translation>falschen Antworten</translation>
    </message>
    <message>
        <source>Show the correct answer if the word is not spelled correctly after the specified number of chances</source>
        <translation>Die richtige Schreibweise zeigen, wenn das Wort nach der angegebenen Zahl von Versuchen noch nicht richtig geschrieben ist</translation>
    </message>
    <message>
        <source>Require the student to correctly spell the word after it is show</source>
        <translation>Das Kind muss das Wort richtig schreiben, nachdem es gezeigt wurde</translation>
    </message>
    <message>
        <source>Clear the entire mispelled when an answer is incorrect</source>
        <translation>Eine falsche Antwort wird ganz gelöscht</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>Play a notification sound when a word is spelled correctly</source>
        <translation>Einen Ton abspielen, wenn ein Wort richtig geschrieben ist</translation>
    </message>
    <message>
        <source>Play a notification sound when a word is spelled incorrectly</source>
        <translation>Einen Ton abspielen, wenn ein Wort falsch geschrieben ist</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>    1. Pronounce<byte value="xd"/>    2. Definition<byte value="xd"/>    3. Context Sentence</source>
        <translation><byte value="xd"/><byte value="xd"/>    1. Vorsprechen<byte value="xd"/>    2. Bedeutung<byte value="xd"/>    3. Beispielsatz</translation>
    </message>
    <message>
        <source>&amp;Pronounce</source>
        <translation>&amp;Vorsprechen</translation>
    </message>
    <message>
        <source>Show &amp;Definition</source>
        <translation>&amp;Bedeutung anzeigen</translation>
    </message>
    <message>
        <source>Show Context &amp;Sentence</source>
        <translation>Beispiel&amp;satz anzeigen</translation>
    </message>
    <message>
        <source>&amp;Reveal answers before moving on</source>
        <translation>Vor dem Weitergehen die Lösung &amp;zeigen</translation>
    </message>
    <message>
        <source>Require the student to &amp;type the correct answer after it is revealed</source>
        <translation>Das Kind muss die gezeigte Lösung richtig &amp;abschreiben</translation>
    </message>
    <message>
        <source>C&amp;lear Incorrect Answers</source>
        <translation>Falsche Antworten &amp;löschen</translation>
    </message>
    <message>
        <source>Play Sound After &amp;Correct Answers</source>
        <translation>Ton nach &amp;richtigen Antworten</translation>
    </message>
    <message>
        <source>Play Sound After &amp;Incorrect Answers</source>
        <translation>Ton nach &amp;falschen Antworten</translation>
    </message>
</context>
<context>
    <name>TestGrids</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Nicht beendet</translation>
    </message>
    <message>
        <source>Missed words of an earlier test</source>
        <translation>Falsche Wörter eines früheren Tests</translation>
    </message>
    <message>
        <source>Missed words of test %1</source>
        <translation>Falsche Wörter von Test %1</translation>
    </message>
    <message>
        <source>Missed words of test %1, round %2</source>
        <translation>Falsche Wörter von Test %1, Runde %2</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1...</source>
        <translation>Über %1...</translation>
    </message>
    <message>
        <source>Corvale Software</source>
        <translation>Corvale Software</translation>
    </message>
    <message>
        <source>Program Title:</source>
        <translation>Programmname:</translation>
    </message>
    <message>
        <source>Virtual Version:</source>
        <translation>Virtuelle Version:</translation>
    </message>
    <message>
        <source>Corvale Website:</source>
        <translation>Corvale im Internet:</translation>
    </message>
    <message>
        <source>Questions, Comments, Tech Support:</source>
        <translation>Fragen, Anregungen, technische Hilfe:</translation>
    </message>
    <message>
        <source>Hard Version:</source>
        <translation>Programmversion:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>frmDeleteOldList</name>
    <message>
        <source>Delete Old List...</source>
        <translation>Alte Liste löschen...</translation>
    </message>
    <message>
        <source>It is now past the scheduled test date of this word list.  Would you like to delete this list?</source>
        <translation>Der geplante Testtag dieser Wörterliste ist vorbei.  Möchten Sie die Liste löschen?</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>Angelegt:</translation>
    </message>
    <message>
        <source>Test Date:</source>
        <translation>Testtag:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Wörter:</translation>
    </message>
    <message>
        <source>Delete this list</source>
        <translation>Diese Liste löschen</translation>
    </message>
    <message>
        <source>Does not delete this list, and you won&apos;t be prompted to delete this list again</source>
        <translation>Die Liste wird nicht gelöscht, und Sie werden nicht wieder nach dem Löschen dieser Liste gefragt</translation>
    </message>
    <message>
        <source>Do not delete this list</source>
        <translation>Diese Liste nicht löschen</translation>
    </message>
    <message>
        <source>List Deleted</source>
        <translation>Liste gelöscht</translation>
    </message>
    <message>
        <source>List Ignored</source>
        <translation>Liste ignoriert</translation>
    </message>
    <message>
        <source>You will not be prompted to delete this list again.</source>
        <translation>Sie werden nicht wieder nach dem Löschen dieser Liste gefragt.</translation>
    </message>
    <message>
        <source>Words of the list</source>
        <translation>Wörter der Liste</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmEditList</name>
    <message>
        <source>Edit Word List</source>
        <translation>Wörterliste bearbeiten</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Add a word to this list</source>
        <translation>Ein Wort zu dieser Liste hinzufügen</translation>
    </message>
    <message>
        <source>Make changes to the definition, the context sentence, or pronounciation</source>
        <translation>Bedeutung, Beispielsatz oder Aussprache ändern</translation>
    </message>
    <message>
        <source>Delete the selected word from this list</source>
        <translation>Das ausgewählte Wort aus dieser Liste löschen</translation>
    </message>
    <message>
        <source>Word Details</source>
        <translation>Angaben zum Wort</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Context Sentence</source>
        <translation>Beispielsatz</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Hear the current recording</source>
        <translation>Die aktuelle Aufnahme anhören</translation>
    </message>
    <message>
        <source>Test Totals</source>
        <translation>Testübersicht</translation>
    </message>
    <message>
        <source>Total Tests</source>
        <translation>Tests insgesamt</translation>
    </message>
    <message>
        <source>The number of times this word has appeared on a Quillby test</source>
        <translation>Wie oft dieses Wort in einem Quillby-Test vorkam</translation>
    </message>
    <message>
        <source>Correct on first attempt</source>
        <translation>Beim ersten Versuch richtig</translation>
    </message>
    <message>
        <source>The number of times this word was spelled correctly on the first attempt on a test</source>
        <translation>Wie oft dieses Wort in einem Test beim ersten Versuch richtig geschrieben wurde</translation>
    </message>
    <message>
        <source>Incorrect Guesses</source>
        <translation>Falsche Versuche</translation>
    </message>
    <message>
        <source>The number of times this word has been misspelled on a test</source>
        <translation>Wie oft dieses Wort in einem Test falsch geschrieben wurde</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Word...</source>
        <translation>&amp;Neues Wort...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1 löschen?</translation>
    </message>
    <message>
        <source>PopUp</source>
        <translation>Kontextmenü</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
    <message>
        <source>&amp;Add a word</source>
        <translation>Wort &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit a word</source>
        <translation>Wort &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete a word</source>
        <translation>Wort &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Pronounce</source>
        <translation>&amp;Vorsprechen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Cop&amp;y to Child...</source>
        <translation>Zu einem Kind &amp;kopieren...</translation>
    </message>
    <message>
        <source>Copy this list with its words and recordings to another child</source>
        <translation>Diese Liste mit ihren Wörtern und Aufnahmen zu einem anderen Kind kopieren</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>Dr&amp;ucken...</translation>
    </message>
    <message>
        <source>Print this list with its definitions and sentences</source>
        <translation>Diese Liste mit Bedeutungen und Sätzen drucken</translation>
    </message>
    <message>
        <source>Print Practice &amp;Sheet...</source>
        <translation>Übungs&amp;zettel drucken...</translation>
    </message>
    <message>
        <source>Print lines to write the words on, with their clues</source>
        <translation>Zeilen zum Schreiben der Wörter mit ihren Hinweisen drucken</translation>
    </message>
    <message>
        <source>E&amp;xport List...</source>
        <translation>Liste e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Liste exportieren</translation>
    </message>
    <message>
        <source>Spelling words.csv</source>
        <translation>Lernwörter.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Quillby could not write %1: %2</source>
        <translation>Quillby konnte %1 nicht schreiben: %2</translation>
    </message>
    <message>
        <source>List Exported</source>
        <translation>Liste exportiert</translation>
    </message>
</context>
<context>
    <name>frmEditWord</name>
    <message>
        <source>New Word</source>
        <translation>Neues Wort</translation>
    </message>
    <message>
        <source>This word can not have a recording: its text can not be used as the name of a sound file (it holds a character such as / or \, or it is too long).<byte value="xd"/>The word can still be saved without a recording.</source>
        <translation>Zu diesem Wort kann keine Aufnahme gespeichert werden: Sein Text taugt nicht als Name einer Tondatei (er enthält ein Zeichen wie / oder \ oder ist zu lang).<byte value="xd"/>Das Wort kann trotzdem ohne Aufnahme gespeichert werden.</translation>
    </message>
    <message>
        <source>The word was saved, but its recording could not be written to<byte value="xd"/>%1<byte value="xd"/>(the disk may be full or read-only). Any earlier recording is kept, and the new recording stays here until you save again or close this window.</source>
        <translation>Das Wort wurde gespeichert, aber seine Aufnahme konnte nicht geschrieben werden nach<byte value="xd"/>%1<byte value="xd"/>(der Datenträger ist vielleicht voll oder schreibgeschützt). Eine frühere Aufnahme bleibt erhalten, und die neue Aufnahme bleibt hier, bis Sie erneut speichern oder dieses Fenster schließen.</translation>
    </message>
    <message>
        <source>The recording could not be saved to<byte value="xd"/>%1<byte value="xd"/>(the disk may be full or read-only). Please make room and record again.</source>
        <translation>Die Aufnahme konnte nicht gespeichert werden nach<byte value="xd"/>%1<byte value="xd"/>(der Datenträger ist vielleicht voll oder schreibgeschützt). Bitte schaffen Sie Platz und nehmen Sie noch einmal auf.</translation>
    </message>
    <message>
        <source>The recording could not be made, or it was cut short: the microphone or the sound system stopped answering.<byte value="xd"/>The word keeps the recording it had before, if any. Please record again.</source>
        <translation>Die Aufnahme konnte nicht gemacht werden oder wurde abgebrochen: das Mikrofon oder das Tonsystem hat nicht mehr geantwortet.<byte value="xd"/>Das Wort behält seine bisherige Aufnahme, falls es eine hatte. Bitte nehmen Sie noch einmal auf.</translation>
    </message>
    <message>
        <source>This word has not been saved.<byte value="xd"/>Do you want to save it before closing?</source>
        <translation>Dieses Wort wurde noch nicht gespeichert.<byte value="xd"/>Möchten Sie es vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Case sensitive indicates that the word must be typed exactly as it appears to be counted as correct</source>
        <translation>Das Wort zählt nur als richtig, wenn Groß- und Kleinbuchstaben genau stimmen</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Context Sentence</source>
        <translation>Beispielsatz</translation>
    </message>
    <message>
        <source>Save this word</source>
        <translation>Dieses Wort speichern</translation>
    </message>
    <message>
        <source>Do not save changes</source>
        <translation>Änderungen nicht speichern</translation>
    </message>
    <message>
        <source>Pronounciation</source>
        <translation>Aussprache</translation>
    </message>
    <message>
        <source>Record the pronounciation</source>
        <translation>Die Aussprache aufnehmen</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>Hear the current recording</source>
        <translation>Die aktuelle Aufnahme anhören</translation>
    </message>
    <message>
        <source>Clear the current recording</source>
        <translation>Die aktuelle Aufnahme löschen</translation>
    </message>
    <message>
        <source>Hear the word as a practice test will say it: its recording, or else the computer&apos;s voice</source>
        <translation>Das Wort so anhören, wie ein Übungstest es sagt: seine Aufnahme oder sonst die Stimme des Computers</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Edit Word %1</source>
        <translation>Wort bearbeiten: %1</translation>
    </message>
    <message>
        <source>Can not save a blank word.  Please type the word in the box provided.</source>
        <translation>Ein leeres Wort kann nicht gespeichert werden.  Bitte geben Sie das Wort in das Feld ein.</translation>
    </message>
    <message>
        <source>At least one of the following items must be provided:<byte value="xd"/>   1. A Definition<byte value="xd"/>   2. A Context Sentence<byte value="xd"/>or 3. A Recording of the word</source>
        <translation>Mindestens eines der folgenden Dinge muss angegeben werden:<byte value="xd"/>   1. Eine Bedeutung<byte value="xd"/>   2. Ein Beispielsatz<byte value="xd"/>oder 3. Eine Aufnahme des Wortes</translation>
    </message>
    <message>
        <source>Word Saved</source>
        <translation>Wort gespeichert</translation>
    </message>
    <message>
        <source>C&amp;ase Sensitive</source>
        <translation>Groß-/&amp;Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>A&amp;ufnehmen</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Abs&amp;pielen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Spea&amp;k</source>
        <translation>Sp&amp;rechen</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Quillby is a great way for children to leantheir weekly spelling words.  When your child gets their spelling words from the teacher at the beginning of the week, use the &apos;Create a New List&apos; feature in Quillby to input each spelling word into the program.  You can also enter the word&apos;s definition, a context sentence, and record the pronounciation.  Once all the words are entered, your child can go through as many &apos;Practice Tests&apos; as they need all week long to help get them ready for the school test.</source>
        <translation>Mit Quillby lernen Kinder ganz einfach ihre Lernwörter der Woche.  Wenn Ihr Kind zu Wochenbeginn die neuen Lernwörter von der Lehrerin oder dem Lehrer bekommt, geben Sie jedes Wort mit &apos;Neue Liste&apos; in Quillby ein.  Zu jedem Wort können Sie auch die Bedeutung und einen Beispielsatz eingeben und die Aussprache aufnehmen.  Sobald alle Wörter eingegeben sind, kann Ihr Kind die ganze Woche über so viele Übungstests machen, wie es braucht, um für den Test in der Schule gut vorbereitet zu sein.</translation>
    </message>
    <message>
        <source>Create a Word List</source>
        <translation>Eine Wörterliste anlegen</translation>
    </message>
    <message>
        <source>On the main screen, there are several buttons.  To create a new Word List, click the &apos;New List&apos; button. Two new screens will open, a large one in the background, and a smaller one in the foreground.  The smaller window is the &apos;New Word&apos; window, where you can type the word, it&apos;s definition, a context sentence,  and record the word in your voice.  When you have entered all the information, click the &apos;Save&apos; button.  The word will be added to the list in the large background window, and you can enter then next word into the smaller window.  When you have entered all the words, close the &apos;New Word&apos; window.  The large window will still be visible.  From this window, you can review the words in the list, and make changes to any of them, or add new ones.</source>
        <translation>Im Hauptfenster gibt es mehrere Schaltflächen.  Um eine neue Wörterliste anzulegen, klicken Sie auf &apos;Neue Liste&apos;.  Zwei neue Fenster öffnen sich: ein großes im Hintergrund und ein kleineres im Vordergrund.  Das kleinere ist das Fenster &apos;Neues Wort&apos;.  Dort geben Sie das Wort, seine Bedeutung und einen Beispielsatz ein und können das Wort mit Ihrer eigenen Stimme aufnehmen.  Wenn alles eingegeben ist, klicken Sie auf &apos;Speichern&apos;.  Das Wort erscheint dann in der Liste im großen Fenster, und Sie können im kleinen Fenster das nächste Wort eingeben.  Wenn alle Wörter eingegeben sind, schließen Sie das Fenster &apos;Neues Wort&apos;.  Das große Fenster bleibt offen.  Dort sehen Sie alle Wörter der Liste, können jedes davon ändern oder neue hinzufügen.</translation>
    </message>
    <message>
        <source>Take a Practice Test</source>
        <translation>Einen Übungstest machen</translation>
    </message>
    <message>
        <source>Once you have created a word list, you can take a &apos;Practice Test&apos; at any time by selecting the proper &apos;Word List&apos;, and clicking the &apos;Test&apos; button on the Main screen.  You may need to preform a &apos;Test Setup&apos; to set some options for the test, such as how many incorrect answers to accept before moving on to the next word.  Once you have completed the test setup, the &apos;Practice Test&apos; will begin.<byte value="xd"/>
<byte value="xd"/>
The on-screen clues will tell your child which word to type into the answer box.  If your child types it correctly, the next word will be given.  If your child answers incorrectly, they will be notified, and and will be given another chance.  &apos;Test Setup&apos; options will determine exactly what happens when an incorrect answer is given.<byte value="xd"/>
<byte value="xd"/>
When the test has been completed, the result will be show to you automatically.</source>
        <translation>Sobald eine Wörterliste angelegt ist, kann Ihr Kind jederzeit einen Übungstest machen: Wählen Sie im Hauptfenster die passende Wörterliste aus und klicken Sie auf &apos;Test&apos;.  Eventuell erscheint zuerst die &apos;Testeinstellung&apos;, in der Sie einige Dinge für den Test festlegen, zum Beispiel wie viele falsche Antworten es geben darf, bevor das nächste Wort drankommt.  Danach beginnt der Übungstest.<byte value="xd"/>
<byte value="xd"/>
Die Hinweise auf dem Bildschirm sagen Ihrem Kind, welches Wort es in das Antwortfeld schreiben soll.  Schreibt es das Wort richtig, kommt das nächste Wort.  Ist die Antwort falsch, erfährt Ihr Kind das und bekommt noch eine Chance.  Was bei einer falschen Antwort genau passiert, legen Sie in der &apos;Testeinstellung&apos; fest.<byte value="xd"/>
<byte value="xd"/>
Wenn der Test fertig ist, wird das Ergebnis automatisch angezeigt.</translation>
    </message>
    <message>
        <source>Test History</source>
        <translation>Frühere Tests</translation>
    </message>
    <message>
        <source>To view the test history for any word list, select the word list on the main screen, and click the &apos;Past Tests&apos; button.  A list of all past tests for the selected Word List will appear, and you will be able to see which words have been giving your child difficulty. The incorrect answers your child has given for each word on each test can be displayed.</source>
        <translation>Um die früheren Tests einer Wörterliste anzusehen, wählen Sie die Liste im Hauptfenster aus und klicken auf &apos;Frühere Tests&apos;.  Es erscheint eine Übersicht aller bisherigen Tests dieser Liste, und Sie sehen, welche Wörter Ihrem Kind Schwierigkeiten machen.  Für jedes Wort jedes Tests lassen sich die falschen Antworten Ihres Kindes anzeigen.</translation>
    </message>
    <message>
        <source>Options (Test Defaults)</source>
        <translation>Optionen (Testvorgaben)</translation>
    </message>
    <message>
        <source>Skip Individual Test Setup -- If this option is checked, all Practice Tests will use the default settings automatically.  If it is not checked, then you will be prompted to preform the &apos;Test Setup&apos; each time.<byte value="xd"/>
<byte value="xd"/>
Pronounce -- Use this option to enable the Practice Tests to speak the word to your child.<byte value="xd"/>
<byte value="xd"/>
Show Definition -- Use this option to display the word&apos;s definition on Practice Tests<byte value="xd"/>
<byte value="xd"/>
Show Context Sentence -- Use this option to display the word&apos;s context sentence on Practice Tests<byte value="xd"/>
<byte value="xd"/>
Show Definition -- Use this option to determine the order in which the words on a Practice Test are given<byte value="xd"/>
<byte value="xd"/>
Incorrect Answer Behavior -- Use these options to determine how to respond to incorrect answers on Practice Tests<byte value="xd"/>
<byte value="xd"/>
Sounds -- Use these options to enable or disable sounds on Practice Tests</source>
        <translation>Testeinstellung überspringen -- Ist diese Option angekreuzt, verwenden alle Übungstests automatisch die Voreinstellungen.  Ist sie nicht angekreuzt, erscheint vor jedem Test die &apos;Testeinstellung&apos;.<byte value="xd"/>
<byte value="xd"/>
Vorsprechen -- Mit dieser Option sprechen die Übungstests Ihrem Kind das Wort vor.<byte value="xd"/>
<byte value="xd"/>
Bedeutung anzeigen -- Mit dieser Option zeigen die Übungstests die Bedeutung des Wortes an.<byte value="xd"/>
<byte value="xd"/>
Beispielsatz anzeigen -- Mit dieser Option zeigen die Übungstests den Beispielsatz zum Wort an.<byte value="xd"/>
<byte value="xd"/>
Reihenfolge der Wörter -- Hier legen Sie fest, in welcher Reihenfolge die Wörter im Übungstest drankommen.<byte value="xd"/>
<byte value="xd"/>
Bei falschen Antworten -- Hier legen Sie fest, was im Übungstest nach einer falschen Antwort geschieht.<byte value="xd"/>
<byte value="xd"/>
Töne -- Hier schalten Sie die Töne der Übungstests ein oder aus.</translation>
    </message>
    <message>
        <source>Options (General)</source>
        <translation>Optionen (Allgemein)</translation>
    </message>
    <message>
        <source>Tempory Messages -- Temporary messages are notifications that Quillby periodically shows to the user.  These messages appear for a short time, and then dissaper automatically.  Use this option to determine how long these messages are displayed before disappearing.<byte value="xd"/>
<byte value="xd"/>
School Tests On -- Use this option to determine when a school test date is based on the date the word list is created.<byte value="xd"/>
<byte value="xd"/>
Prompt to Delete Old Word Lists -- Use this option to alert you when a Word List has past it&apos;s school test date, so it can be deleted.</source>
        <translation>Kurzmeldungen -- Kurzmeldungen sind Hinweise, die Quillby von Zeit zu Zeit anzeigt.  Sie erscheinen für kurze Zeit und verschwinden dann von selbst.  Hier legen Sie fest, wie lange sie zu sehen sind.<byte value="xd"/>
<byte value="xd"/>
Schultests sind -- Hier legen Sie fest, an welchem Wochentag der Test in der Schule meist ist; danach richtet sich der Testtag einer neu angelegten Wörterliste.<byte value="xd"/>
<byte value="xd"/>
Nach dem Testtag zum Löschen auffordern -- Mit dieser Option werden Sie erinnert, wenn der Schultest einer Wörterliste vorbei ist, damit Sie die Liste löschen können.</translation>
    </message>
    <message>
        <source>The Computer&apos;s Voice</source>
        <translation>Die Stimme des Computers</translation>
    </message>
    <message>
        <source>A word that has no recording is not silent: Quillby says it with the computer&apos;s own voice, on Practice Tests and when you click &apos;Pronounce&apos; in the &apos;Edit Word List&apos; window.  A recording always wins: a word you have recorded is always said in your own voice.<byte value="xd"/>
<byte value="xd"/>
In the window where you type a word, the &apos;Speak&apos; button lets you hear the word just as your child will hear it on a test.<byte value="xd"/>
<byte value="xd"/>
Speak words that have no recording -- This option, on the &apos;General Defaults&apos; page of the Options, turns the computer&apos;s voice on or off.  When it is off, or when the computer has no voice installed, words without a recording stay silent.</source>
        <translation>Ein Wort ohne Aufnahme bleibt nicht stumm: Quillby spricht es mit der Stimme des Computers, in Übungstests und wenn Sie im Fenster &apos;Wörterliste bearbeiten&apos; auf &apos;Vorsprechen&apos; klicken.  Eine Aufnahme hat immer Vorrang: Ein Wort, das Sie aufgenommen haben, ist immer mit Ihrer eigenen Stimme zu hören.<byte value="xd"/>
<byte value="xd"/>
Im Fenster, in dem Sie ein Wort eingeben, können Sie mit &apos;Sprechen&apos; das Wort genau so anhören, wie Ihr Kind es im Test hört.<byte value="xd"/>
<byte value="xd"/>
Wörter ohne Aufnahme vorlesen -- Mit dieser Option auf der Seite &apos;Allgemein&apos; der Optionen schalten Sie die Stimme des Computers ein oder aus.  Ist sie aus oder ist auf dem Computer keine Stimme installiert, bleiben Wörter ohne Aufnahme stumm.</translation>
    </message>
    <message>
        <source>Practise Missed Words</source>
        <translation>Falsche Wörter üben</translation>
    </message>
    <message>
        <source>When a test is over and some words were not right at the first try, the &apos;Test Results&apos; window offers &apos;Practise Missed Words&apos;: a short round of only those words, with the same settings as the test.  Each round that still has missed words offers another one.<byte value="xd"/>
<byte value="xd"/>
The results of an older test, opened from &apos;Past Tests&apos;, offer it too.  &apos;Past Tests&apos; then closes, and the round uses the default test settings.<byte value="xd"/>
<byte value="xd"/>
&apos;Past Tests&apos; lists each round as &apos;Missed words of test&apos; with the number of the test it came from, scored on the words it asked.  The Total Tests, the Average Score, the chart and the hardest words count only tests of the whole list.</source>
        <translation>Wenn ein Test vorbei ist und Wörter beim ersten Versuch nicht richtig waren, bietet das Fenster &apos;Testergebnis&apos; &apos;Falsche Wörter üben&apos; an: eine kurze Runde nur mit diesen Wörtern und mit denselben Einstellungen wie der Test.  Jede Runde, in der noch Wörter falsch waren, bietet eine weitere an.<byte value="xd"/>
<byte value="xd"/>
Auch das Ergebnis eines älteren Tests, geöffnet über &apos;Frühere Tests&apos;, bietet die Runde an.  &apos;Frühere Tests&apos; schließt sich dann, und die Runde verwendet die Voreinstellungen für Tests.<byte value="xd"/>
<byte value="xd"/>
&apos;Frühere Tests&apos; führt jede Runde als &apos;Falsche Wörter von Test&apos; mit der Nummer des Tests, aus dem sie stammt, bewertet nach den Wörtern, die sie abgefragt hat.  Tests insgesamt, Durchschnitt, Diagramm und schwierigste Wörter zählen nur Tests der ganzen Liste.</translation>
    </message>
    <message>
        <source>Chart and Hardest Words</source>
        <translation>Diagramm und schwierigste Wörter</translation>
    </message>
    <message>
        <source>Below the list of tests, &apos;Past Tests&apos; shows a chart of the scores of the list&apos;s tests in the order they were taken, so you can see how your child is getting on during the week.<byte value="xd"/>
<byte value="xd"/>
Under the chart, &apos;Hardest words&apos; lists the words that were missed on the most tests first, with the number of tests that missed each one and the wrong spellings your child tried most often.  Click a word there to find it in the results of the selected test.</source>
        <translation>Unter der Liste der Tests zeigt &apos;Frühere Tests&apos; die Ergebnisse der Tests dieser Liste in einem Diagramm, in der Reihenfolge, in der sie gemacht wurden.  So sehen Sie, wie Ihr Kind im Lauf der Woche vorankommt.<byte value="xd"/>
<byte value="xd"/>
Unter dem Diagramm steht die Liste &apos;Schwierigste Wörter&apos;: zuerst die Wörter, die in den meisten Tests falsch waren, jeweils mit der Zahl dieser Tests und den falschen Schreibweisen, die Ihr Kind am häufigsten versucht hat.  Klicken Sie dort auf ein Wort, um es im Ergebnis des ausgewählten Tests zu finden.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help Topic:</source>
        <translation>Hilfethema:</translation>
    </message>
    <message>
        <source>Help Topic</source>
        <translation>Hilfethema</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
</context>
<context>
    <name>frmLists</name>
    <message>
        <source>Quillby</source>
        <translation>Quillby</translation>
    </message>
    <message>
        <source>Existing Word Lists</source>
        <translation>Vorhandene Wörterlisten</translation>
    </message>
    <message>
        <source>Create a new word list</source>
        <translation>Eine neue Wörterliste anlegen</translation>
    </message>
    <message>
        <source>Edit an existing word list</source>
        <translation>Eine vorhandene Wörterliste bearbeiten</translation>
    </message>
    <message>
        <source>Start a practice test</source>
        <translation>Einen Übungstest beginnen</translation>
    </message>
    <message>
        <source>View details of previous tests</source>
        <translation>Einzelheiten früherer Tests ansehen</translation>
    </message>
    <message>
        <source>Delete the selected word list</source>
        <translation>Die ausgewählte Wörterliste löschen</translation>
    </message>
    <message>
        <source>Change configurations, settings, and defaults</source>
        <translation>Einstellungen und Voreinstellungen ändern</translation>
    </message>
    <message>
        <source>Exit Quillby</source>
        <translation>Quillby beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Listen</translation>
    </message>
    <message>
        <source>&amp;New List</source>
        <translation>&amp;Neue Liste</translation>
    </message>
    <message>
        <source>&amp;Edit List</source>
        <translation>Liste &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>&amp;Past Tests</source>
        <translation>&amp;Frühere Tests</translation>
    </message>
    <message>
        <source>&amp;Delete List</source>
        <translation>Liste &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Quillby cannot open its database %1.<byte value="xd"/>%2</source>
        <translation>Quillby kann seine Datenbank %1 nicht öffnen.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Please select a list to edit.</source>
        <translation>Bitte wählen Sie eine Liste zum Bearbeiten aus.</translation>
    </message>
    <message>
        <source>Please select a list to test.</source>
        <translation>Bitte wählen Sie eine Liste für den Test aus.</translation>
    </message>
    <message>
        <source>Please select a list.</source>
        <translation>Bitte wählen Sie eine Liste aus.</translation>
    </message>
    <message>
        <source>Please select a list to delete.</source>
        <translation>Bitte wählen Sie eine Liste zum Löschen aus.</translation>
    </message>
    <message>
        <source>Do you want to delete this list and all of it&apos;s words?</source>
        <translation>Möchten Sie diese Liste mit allen ihren Wörtern löschen?</translation>
    </message>
    <message>
        <source>School Test Date</source>
        <translation>Testtag in der Schule</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>&amp;Show Help</source>
        <translation>&amp;Hilfe anzeigen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Quillby</translation>
    </message>
    <message>
        <source>&amp;Children...</source>
        <translation>&amp;Kinder...</translation>
    </message>
    <message>
        <source>&amp;Switch Child</source>
        <translation>Kind &amp;wechseln</translation>
    </message>
    <message>
        <source>&amp;Back Up...</source>
        <translation>&amp;Sichern...</translation>
    </message>
    <message>
        <source>&amp;Restore...</source>
        <translation>Wieder&amp;herstellen...</translation>
    </message>
    <message>
        <source>&amp;Import Words...</source>
        <translation>Wörter &amp;importieren...</translation>
    </message>
    <message>
        <source>Make a list from a text, a file or a photo of the word sheet</source>
        <translation>Eine Liste aus einem Text, einer Datei oder einem Foto des Wörterblatts machen</translation>
    </message>
    <message>
        <source>F&amp;ind a list by date:</source>
        <translation>Liste nach Datum s&amp;uchen:</translation>
    </message>
    <message>
        <source>Type a school test date and press Enter</source>
        <translation>Ein Testdatum eingeben und die Eingabetaste drücken</translation>
    </message>
    <message>
        <source>Please type a date, for example %1.</source>
        <translation>Bitte ein Datum eingeben, zum Beispiel %1.</translation>
    </message>
    <message>
        <source>No list has the school test date %1.</source>
        <translation>Keine Liste hat das Testdatum %1.</translation>
    </message>
</context>
<context>
    <name>frmMessage</name>
    <message>
        <source>Message...</source>
        <translation>Meldung...</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Close message</source>
        <translation>Meldung schließen</translation>
    </message>
</context>
<context>
    <name>frmNewList</name>
    <message>
        <source>New Word List</source>
        <translation>Neue Wörterliste</translation>
    </message>
    <message>
        <source>Start of week</source>
        <translation>Wochenbeginn</translation>
    </message>
    <message>
        <source>End of week</source>
        <translation>Ende der Woche</translation>
    </message>
    <message>
        <source>Date of test</source>
        <translation>Testtag</translation>
    </message>
    <message>
        <source>Create a new word list</source>
        <translation>Eine neue Wörterliste anlegen</translation>
    </message>
    <message>
        <source>Do not create a new list</source>
        <translation>Keine neue Liste anlegen</translation>
    </message>
    <message>
        <source>Today is %1 %2</source>
        <translation>Heute ist %1, der %2</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Anlegen</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>A&amp;bbrechen</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Indefinately</source>
        <translation>Unbegrenzt</translation>
    </message>
    <message>
        <source>1 Second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message>
        <source>%1 Seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Test Defaults</source>
        <translation>Testvorgaben</translation>
    </message>
    <message>
        <source>General Defaults</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Save these settings</source>
        <translation>Diese Einstellungen speichern</translation>
    </message>
    <message>
        <source>Restore all settings to thier defaults</source>
        <translation>Alle Einstellungen auf ihre Voreinstellung zurücksetzen</translation>
    </message>
    <message>
        <source>Do not save changes</source>
        <translation>Änderungen nicht speichern</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save Settings</source>
        <translation>&amp;Einstellungen speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>practice tests</source>
        <translation>Übungstests</translation>
    </message>
    <message>
        <source>Always use these defaults when starting a practice test</source>
        <translation>Übungstests immer mit diesen Vorgaben beginnen</translation>
    </message>
    <message>
        <source>School tests are normally on</source>
        <translation>Schultests sind meistens</translation>
    </message>
    <message>
        <source>The day of the week that the student normally has spelling tests at school</source>
        <translation>Der Wochentag, an dem das Kind in der Schule meist den Rechtschreibtest schreibt</translation>
    </message>
    <message>
        <source>Alerts you when lists are past thier scheduled school test date</source>
        <translation>Erinnert Sie, wenn der geplante Schultest einer Liste vorbei ist</translation>
    </message>
    <message>
        <source>The computer&apos;s voice says a word that has no recording of its own, in practice tests and when a word is pronounced in the word lists</source>
        <translation>Die Stimme des Computers spricht ein Wort ohne eigene Aufnahme, in Übungstests und beim Vorsprechen in den Wörterlisten</translation>
    </message>
    <message>
        <source>Temporary Messages</source>
        <translation>Kurzmeldungen</translation>
    </message>
    <message>
        <source>The amount of time to display messages</source>
        <translation>Wie lange Meldungen zu sehen sind</translation>
    </message>
    <message>
        <source>Test the selected message time</source>
        <translation>Die gewählte Anzeigedauer ausprobieren</translation>
    </message>
    <message>
        <source>You must check at least one of the following boxes to save these defaults:</source>
        <translation>Damit diese Voreinstellungen gespeichert werden können, muss mindestens eines der folgenden Kästchen angekreuzt sein:</translation>
    </message>
    <message>
        <source>Settings Saved</source>
        <translation>Einstellungen gespeichert</translation>
    </message>
    <message>
        <source>Are you sure you want to restore all defaults?</source>
        <translation>Möchten Sie wirklich alle Voreinstellungen wiederherstellen?</translation>
    </message>
    <message>
        <source>Defaults Restored</source>
        <translation>Voreinstellungen wiederhergestellt</translation>
    </message>
    <message>
        <source>Testing</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>Click To Close</source>
        <translation>Zum Schließen klicken</translation>
    </message>
    <message>
        <source>Sa&amp;ve Settings</source>
        <translation>&amp;Einstellungen speichern</translation>
    </message>
    <message>
        <source>Restore Def&amp;aults</source>
        <translation>V&amp;oreinstellungen</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>S&amp;kip Individual Test Setup</source>
        <translation>Testeinstellung übers&amp;pringen</translation>
    </message>
    <message>
        <source>Prompt &amp;me to delete word lists after thier test dates</source>
        <translation>&amp;Nach dem Testtag zum Löschen der Wörterliste auffordern</translation>
    </message>
    <message>
        <source>Speak &amp;words that have no recording</source>
        <translation>&amp;Wörter ohne Aufnahme vorlesen</translation>
    </message>
    <message>
        <source>T&amp;est</source>
        <translation>&amp;Test</translation>
    </message>
</context>
<context>
    <name>frmPastTests</name>
    <message>
        <source>Past Tests</source>
        <translation>Frühere Tests</translation>
    </message>
    <message>
        <source>Select a test...</source>
        <translation>Wählen Sie einen Test...</translation>
    </message>
    <message>
        <source>Total Tests:</source>
        <translation>Tests insgesamt:</translation>
    </message>
    <message>
        <source>Total tests for this word list</source>
        <translation>Alle Tests dieser Wörterliste</translation>
    </message>
    <message>
        <source>Average Score:</source>
        <translation>Durchschnitt:</translation>
    </message>
    <message>
        <source>Average score of all tests taken for this word list</source>
        <translation>Durchschnittliches Ergebnis aller Tests dieser Wörterliste</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Dr&amp;ucken...</translation>
    </message>
    <message>
        <source>Print the tests of this list with the chart</source>
        <translation>Die Tests dieser Liste mit dem Diagramm drucken</translation>
    </message>
    <message>
        <source>&amp;Export Results...</source>
        <translation>Ergebnisse e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Save every answer of this list&apos;s tests for a spreadsheet</source>
        <translation>Jede Antwort der Tests dieser Liste für eine Tabellenkalkulation speichern</translation>
    </message>
</context>
<context>
    <name>frmRevealAnswer</name>
    <message>
        <source>The Correct Answer Is...</source>
        <translation>Die richtige Antwort ist...</translation>
    </message>
    <message>
        <source>Correct Spelling:</source>
        <translation>Richtige Schreibweise:</translation>
    </message>
    <message>
        <source>Correct Spelling</source>
        <translation>Richtige Schreibweise</translation>
    </message>
    <message>
        <source>Type it:</source>
        <translation>Abschreiben:</translation>
    </message>
    <message>
        <source>Next word</source>
        <translation>Nächstes Wort</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>frmTest</name>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Context Sentence</source>
        <translation>Beispielsatz</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Next word</source>
        <translation>Nächstes Wort</translation>
    </message>
    <message>
        <source>Pronounce the current word</source>
        <translation>Das aktuelle Wort vorsprechen</translation>
    </message>
    <message>
        <source>Quit this test</source>
        <translation>Diesen Test beenden</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Pronounce</source>
        <translation>&amp;Vorsprechen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Aufhören</translation>
    </message>
    <message>
        <source>Word %1 of %2</source>
        <translation>Wort %1 von %2</translation>
    </message>
</context>
<context>
    <name>frmTestResults</name>
    <message>
        <source>Test Results</source>
        <translation>Testergebnis</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Uhrzeit:</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Ergebnis:</translation>
    </message>
    <message>
        <source>The score for this test</source>
        <translation>Das Ergebnis dieses Tests</translation>
    </message>
    <message>
        <source>First Try:</source>
        <translation>Beim 1. Versuch:</translation>
    </message>
    <message>
        <source>The number of words spelled correctly on the first attempt</source>
        <translation>Wie viele Wörter beim ersten Versuch richtig geschrieben wurden</translation>
    </message>
    <message>
        <source>Words on Test:</source>
        <translation>Wörter im Test:</translation>
    </message>
    <message>
        <source>The number of words on the test</source>
        <translation>Wie viele Wörter im Test vorkamen</translation>
    </message>
    <message>
        <source>Moved on:</source>
        <translation>Übersprungen:</translation>
    </message>
    <message>
        <source>The number of words that were not spelled correctly in the allotted number of attempts</source>
        <translation>Wie viele Wörter in der erlaubten Zahl von Versuchen nicht richtig geschrieben wurden</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minuten:</translation>
    </message>
    <message>
        <source>The total time in minutes this test took</source>
        <translation>Wie viele Minuten der Test insgesamt gedauert hat</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Click on a word to view the details</source>
        <translation>Für Einzelheiten auf ein Wort klicken</translation>
    </message>
    <message>
        <source>Close this screen</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>Test Again?</source>
        <translation>Noch einmal testen?</translation>
    </message>
    <message>
        <source>Practise &amp;Missed Words</source>
        <translation>&amp;Falsche Wörter üben</translation>
    </message>
    <message>
        <source>Practise only the words that were not right at the first attempt</source>
        <translation>Nur die Wörter üben, die beim ersten Versuch nicht richtig waren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Dr&amp;ucken...</translation>
    </message>
    <message>
        <source>Print this test&apos;s results</source>
        <translation>Die Ergebnisse dieses Tests drucken</translation>
    </message>
</context>
<context>
    <name>frmTestSetup</name>
    <message>
        <source>Test Setup</source>
        <translation>Testeinstellung</translation>
    </message>
    <message>
        <source>this test</source>
        <translation>diesem Test</translation>
    </message>
    <message>
        <source>Save these settings as the defaults settings for all practice tests</source>
        <translation>Diese Einstellungen als Vorgabe für alle Übungstests speichern</translation>
    </message>
    <message>
        <source>There was a problem loading the default settings.<byte value="xd"/>Please use the Options screen to set defaults.</source>
        <translation>Die Voreinstellungen konnten nicht geladen werden.<byte value="xd"/>Bitte legen Sie die Vorgaben im Fenster Optionen fest.</translation>
    </message>
    <message>
        <source>There was a problem saving these settings.<byte value="xd"/>Please use the Options screen to set defaults.</source>
        <translation>Diese Einstellungen konnten nicht gespeichert werden.<byte value="xd"/>Bitte legen Sie die Vorgaben im Fenster Optionen fest.</translation>
    </message>
    <message>
        <source>You must check at least one of the following boxes to proceed with the test:</source>
        <translation>Damit der Test beginnen kann, muss mindestens eines der folgenden Kästchen angekreuzt sein:</translation>
    </message>
    <message>
        <source>You must check at least one of the following boxes to save these defaults:</source>
        <translation>Damit diese Voreinstellungen gespeichert werden können, muss mindestens eines der folgenden Kästchen angekreuzt sein:</translation>
    </message>
    <message>
        <source>Settings Saved</source>
        <translation>Einstellungen gespeichert</translation>
    </message>
    <message>
        <source>Start the test now?</source>
        <translation>Den Test jetzt beginnen?</translation>
    </message>
    <message>
        <source>Set &amp;as Default</source>
        <translation>Als Vorgabe s&amp;peichern</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>C&amp;ontinue</source>
        <translation>&amp;Weiter</translation>
    </message>
</context>
<context>
    <name>frmTestWordDetails</name>
    <message>
        <source>Word Attempts</source>
        <translation>Versuche zum Wort</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>Close this screen</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <source>Not correct after %1 attempts</source>
        <translation>Nach %1 Versuchen nicht richtig</translation>
    </message>
    <message>
        <source>Correct on the first attempt</source>
        <translation>Beim ersten Versuch richtig</translation>
    </message>
    <message>
        <source>Correct on 2nd attempt</source>
        <translation>Beim 2. Versuch richtig</translation>
    </message>
    <message>
        <source>Correct after %1 incorrect attempts</source>
        <translation>Richtig nach %1 falschen Versuchen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quillby is already running.</source>
        <translation>Quillby läuft bereits.</translation>
    </message>
    <message>
        <source>%1 was not imported. Close the other windows of Quillby, then import the file again.</source>
        <translation>%1 wurde nicht importiert. Schließen Sie die anderen Fenster von Quillby und importieren Sie die Datei dann noch einmal.</translation>
    </message>
</context>
<context>
    <name>Children</name>
    <message>
        <source>First child</source>
        <translation>Erstes Kind</translation>
    </message>
    <message>
        <source>Please type the child&apos;s name.</source>
        <translation>Bitte geben Sie den Namen des Kindes ein.</translation>
    </message>
    <message>
        <source>A child&apos;s name can have at most %1 characters.</source>
        <translation>Der Name eines Kindes darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>A child&apos;s name can hold only letters, digits, blanks and hyphens, not &quot;%1&quot;.</source>
        <translation>Der Name eines Kindes darf nur Buchstaben, Ziffern, Leerzeichen und Bindestriche enthalten, nicht „%1“.</translation>
    </message>
    <message>
        <source>The folder of %1 is not inside the data folder %2.</source>
        <translation>Der Ordner von %1 liegt nicht im Datenordner %2.</translation>
    </message>
    <message>
        <source>The folder of %1 (%2) or its database Quillby.mdb is missing.</source>
        <translation>Der Ordner von %1 (%2) oder seine Datenbank Quillby.mdb fehlt.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>There is already a child named &quot;%1&quot;.</source>
        <translation>Es gibt schon ein Kind namens „%1“.</translation>
    </message>
    <message>
        <source>There is no child named &quot;%1&quot;.</source>
        <translation>Es gibt kein Kind namens „%1“.</translation>
    </message>
    <message>
        <source>%1&apos;s lists are kept in the data folder itself, so %1 cannot be removed.</source>
        <translation>Die Listen von %1 liegen im Datenordner selbst, darum kann %1 nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Quillby is open for %1. Please close it first.</source>
        <translation>Quillby ist für %1 geöffnet. Bitte schließen Sie es zuerst.</translation>
    </message>
    <message>
        <source>%1 was not removed: the folder %2 could not be moved to %3.</source>
        <translation>%1 wurde nicht entfernt: Der Ordner %2 konnte nicht nach %3 verschoben werden.</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>die Datei lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>The list of children in %1 could not be changed (%2).</source>
        <translation>Die Liste der Kinder in %1 konnte nicht geändert werden (%2).</translation>
    </message>
    <message>
        <source>The database %1 exists already.</source>
        <translation>Die Datenbank %1 gibt es schon.</translation>
    </message>
    <message>
        <source>the empty database %1 could not be copied</source>
        <translation>die leere Datenbank %1 konnte nicht kopiert werden</translation>
    </message>
    <message>
        <source>it could not be renamed</source>
        <translation>sie konnte nicht umbenannt werden</translation>
    </message>
    <message>
        <source>The database %1 could not be made: %2.</source>
        <translation>Die Datenbank %1 konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>The list is no longer in the database.</source>
        <translation>Die Liste ist nicht mehr in der Datenbank.</translation>
    </message>
    <message>
        <source>The recording %1 could not be copied to %2.</source>
        <translation>Die Aufnahme %1 konnte nicht nach %2 kopiert werden.</translation>
    </message>
    <message>
        <source>The list was not copied to %1.<byte value="xd"/>%2</source>
        <translation>Die Liste wurde nicht zu %1 kopiert.<byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>ChildStart</name>
    <message>
        <source>There is no child named &quot;%1&quot; in Quillby.</source>
        <translation>In Quillby gibt es kein Kind namens „%1“.</translation>
    </message>
    <message>
        <source>Please choose another child, or remove %1 in File, Children.</source>
        <translation>Bitte wählen Sie ein anderes Kind, oder entfernen Sie %1 unter Datei, Kinder.</translation>
    </message>
    <message>
        <source>Quillby - %1</source>
        <translation>Quillby - %1</translation>
    </message>
</context>
<context>
    <name>ChildCommands</name>
    <message>
        <source>Please close the other Quillby windows (a test, an editor or the help) before switching to another child.</source>
        <translation>Bitte schließen Sie die anderen Fenster von Quillby (einen Test, einen Editor oder die Hilfe), bevor Sie zu einem anderen Kind wechseln.</translation>
    </message>
</context>
<context>
    <name>CopyToChild</name>
    <message>
        <source>Copy this list to which child?</source>
        <translation>Diese Liste zu welchem Kind kopieren?</translation>
    </message>
    <message>
        <source>The list was copied to %1.</source>
        <translation>Die Liste wurde zu %1 kopiert.</translation>
    </message>
</context>
<context>
    <name>frmChildren</name>
    <message>
        <source>Children</source>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>&amp;Children:</source>
        <translation>&amp;Kinder:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add a child with the name typed</source>
        <translation>Ein Kind mit dem eingegebenen Namen hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Give the selected child the name typed</source>
        <translation>Dem ausgewählten Kind den eingegebenen Namen geben</translation>
    </message>
    <message>
        <source>Re&amp;move...</source>
        <translation>&amp;Entfernen...</translation>
    </message>
    <message>
        <source>Remove the selected child and their lists</source>
        <translation>Das ausgewählte Kind mit seinen Listen entfernen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Each child&apos;s lists are kept in %1</source>
        <translation>Die Listen jedes Kindes liegen in %1</translation>
    </message>
    <message>
        <source>Remove %1 from Quillby?<byte value="xd"/>All of %1&apos;s word lists, tests and recordings will be taken out of Quillby.</source>
        <translation>%1 aus Quillby entfernen?<byte value="xd"/>Alle Wörterlisten, Tests und Aufnahmen von %1 werden aus Quillby herausgenommen.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1?<byte value="xd"/>A copy of %1&apos;s lists and recordings is kept for a week in a folder beside %2.</source>
        <translation>Möchten Sie %1 wirklich entfernen?<byte value="xd"/>Eine Kopie der Listen und Aufnahmen von %1 wird eine Woche lang in einem Ordner neben %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 was removed. A copy of %1&apos;s lists and recordings is kept until a week from now in:<byte value="xd"/>%2</source>
        <translation>%1 wurde entfernt. Eine Kopie der Listen und Aufnahmen von %1 wird eine Woche lang aufbewahrt in:<byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>frmChooseChild</name>
    <message>
        <source>Who is practising?</source>
        <translation>Wer übt?</translation>
    </message>
</context>
<context>
    <name>BackupFile</name>
    <message>
        <source>The backup was stopped before its end.</source>
        <translation>Die Sicherung wurde vor ihrem Ende angehalten.</translation>
    </message>
    <message>
        <source>The disk is full: the backup %1 could not be written. Make some room on the disk or choose another place, and try again.</source>
        <translation>Der Datenträger ist voll: Die Sicherung %1 konnte nicht geschrieben werden. Schaffen Sie Platz auf dem Datenträger oder wählen Sie einen anderen Ort und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The backup %1 could not be written: its folder is read-only or missing. Choose another place and try again.</source>
        <translation>Die Sicherung %1 konnte nicht geschrieben werden: Ihr Ordner ist schreibgeschützt oder fehlt. Wählen Sie einen anderen Ort und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The backup %1 could not be written (%2).</source>
        <translation>Die Sicherung %1 konnte nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>%1 is not a Quillby backup. Nothing was changed.</source>
        <translation>%1 ist keine Quillby-Sicherung. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The backup %1 is damaged or incomplete (%2). Nothing was changed.</source>
        <translation>Die Sicherung %1 ist beschädigt oder unvollständig (%2). Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be read. Nothing was changed.</source>
        <translation>Die Sicherung %1 kann nicht gelesen werden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>the file is cut short</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>The backup %1 was made by a later version of Quillby (%2). This Quillby cannot read it; install that version to restore it. Nothing was changed.</source>
        <translation>Die Sicherung %1 wurde von einer neueren Version von Quillby (%2) erstellt. Dieses Quillby kann sie nicht lesen; installieren Sie jene Version, um sie wiederherzustellen. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>the recording %1 is damaged</source>
        <translation>die Aufnahme %1 ist beschädigt</translation>
    </message>
    <message>
        <source>The database %1 cannot be read (%2).</source>
        <translation>Die Datenbank %1 kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The backup %1 did not read back as it was written (%2).</source>
        <translation>Die Sicherung %1 ließ sich nicht so zurücklesen, wie sie geschrieben wurde (%2).</translation>
    </message>
    <message>
        <source>The backup could not be unpacked beside your data in %1: the folder is read-only or full. Nothing was changed.</source>
        <translation>Die Sicherung konnte nicht neben Ihren Daten in %1 ausgepackt werden: Der Ordner ist schreibgeschützt oder voll. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Your current data could not be kept as a backup first, so nothing was changed. %1</source>
        <translation>Ihre jetzigen Daten konnten nicht zuerst gesichert werden, darum wurde nichts geändert. %1</translation>
    </message>
    <message>
        <source>The database could not be replaced (%1). Nothing was changed.</source>
        <translation>Die Datenbank konnte nicht ersetzt werden (%1). Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The lists were restored, but some recordings could not be put in place in %1. Your data before the restore is in the backup %2.</source>
        <translation>Die Listen wurden wiederhergestellt, aber einige Aufnahmen konnten nicht nach %1 gelegt werden. Ihre Daten von vor der Wiederherstellung sind in der Sicherung %2.</translation>
    </message>
    <message>
        <source>The folder %1 for the daily backups cannot be made.</source>
        <translation>Der Ordner %1 für die täglichen Sicherungen kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>BackupCommands</name>
    <message>
        <source>Quillby backups (*.%1)</source>
        <translation>Quillby-Sicherungen (*.%1)</translation>
    </message>
    <message>
        <source>This backup was made on %1.<byte value="xd"/>It holds %2 word lists, %3 tests and %4 recordings.</source>
        <translation>Diese Sicherung wurde am %1 erstellt.<byte value="xd"/>Sie enthält %2 Wörterlisten, %3 Tests und %4 Aufnahmen.</translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Your word lists, tests and recordings are backed up in %1.</source>
        <translation>Ihre Wörterlisten, Tests und Aufnahmen sind in %1 gesichert.</translation>
    </message>
    <message>
        <source>Replace all your word lists, tests and recordings with the ones in this backup? What you have now is kept as a backup in %1 first.</source>
        <translation>Alle Ihre Wörterlisten, Tests und Aufnahmen durch die dieser Sicherung ersetzen? Was Sie jetzt haben, wird zuerst als Sicherung in %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The backup is restored.</source>
        <translation>Die Sicherung ist wiederhergestellt.</translation>
    </message>
    <message>
        <source>Quillby could not make today&apos;s backup of your data.<byte value="xd"/>%1</source>
        <translation>Quillby konnte die heutige Sicherung Ihrer Daten nicht erstellen.<byte value="xd"/>%1</translation>
    </message>
</context>
<context>
    <name>PrintDocument</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>PrintPages</name>
    <message>
        <source>Test date: %1</source>
        <translation>Testtag: %1</translation>
    </message>
    <message>
        <source>School week: %1 to %2</source>
        <translation>Schulwoche: %1 bis %2</translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation>Bedeutung:</translation>
    </message>
    <message>
        <source>Sentence:</source>
        <translation>Satz:</translation>
    </message>
    <message>
        <source>Spelling words</source>
        <translation>Rechtschreibwörter</translation>
    </message>
    <message>
        <source>Practice sheet</source>
        <translation>Übungszettel</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Lösungen</translation>
    </message>
</context>
<context>
    <name>PdfFile</name>
    <message>
        <source>The pages could not be made.</source>
        <translation>Die Seiten konnten nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written: its folder is read-only or the disk is full. Choose another place and try again.</source>
        <translation>Die PDF-Datei %1 konnte nicht geschrieben werden: Ihr Ordner ist schreibgeschützt oder der Datenträger ist voll. Wählen Sie einen anderen Ort und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Als PDF speichern...</translation>
    </message>
    <message>
        <source>Quillby&apos;s printing could not be loaded, so nothing can be printed or saved as PDF now. Installing Quillby again puts it back.</source>
        <translation>Der Druckteil von Quillby konnte nicht geladen werden, daher kann jetzt nichts gedruckt oder als PDF gespeichert werden. Eine erneute Installation von Quillby stellt ihn wieder her.</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>The pages could not be printed: the printer reported a failure. Check the printer, or use Save as PDF, and try again.</source>
        <translation>Die Seiten konnten nicht gedruckt werden: Der Drucker meldete einen Fehler. Prüfen Sie den Drucker oder verwenden Sie „Als PDF speichern“ und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Spelling words %1.pdf</source>
        <translation>Rechtschreibwörter %1.pdf</translation>
    </message>
    <message>
        <source>Practice sheet %1.pdf</source>
        <translation>Übungszettel %1.pdf</translation>
    </message>
    <message>
        <source>Test Results</source>
        <translation>Testergebnisse</translation>
    </message>
    <message>
        <source>Wrong spellings</source>
        <translation>Falsche Schreibweisen</translation>
    </message>
    <message>
        <source>Test results.pdf</source>
        <translation>Testergebnisse.pdf</translation>
    </message>
    <message>
        <source>Past Tests</source>
        <translation>Frühere Tests</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Past tests.pdf</source>
        <translation>Frühere Tests.pdf</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Ergebnisse exportieren</translation>
    </message>
    <message>
        <source>Quillby results.csv</source>
        <translation>Quillby-Ergebnisse.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The file %1 could not be written: its folder is read-only or the disk is full. Choose another place and try again.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: Ihr Ordner ist schreibgeschützt oder der Datenträger ist voll. Wählen Sie einen anderen Ort und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The answers are saved in %1.</source>
        <translation>Die Antworten sind in %1 gespeichert.</translation>
    </message>
</context>
<context>
    <name>frmImportWords</name>
    <message>
        <source>Import Words</source>
        <translation>Wörter importieren</translation>
    </message>
    <message>
        <source>Open a file, paste, or drop a file here: a text or CSV file, or a photo or scan of the word sheet.</source>
        <translation>Öffnen Sie eine Datei, fügen Sie ein oder ziehen Sie eine Datei hierher: eine Text- oder CSV-Datei oder ein Foto oder einen Scan des Wörterblatts.</translation>
    </message>
    <message>
        <source>&amp;Open File...</source>
        <translation>Datei ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Read words from a text, CSV or picture file</source>
        <translation>Wörter aus einer Text-, CSV- oder Bilddatei lesen</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Read the words on the clipboard: text or a picture</source>
        <translation>Die Wörter in der Zwischenablage lesen: Text oder ein Bild</translation>
    </message>
    <message>
        <source>Words to import</source>
        <translation>Zu importierende Wörter</translation>
    </message>
    <message>
        <source>Reading the picture...</source>
        <translation>Das Bild wird gelesen...</translation>
    </message>
    <message>
        <source>Reading the picture</source>
        <translation>Das Bild wird gelesen</translation>
    </message>
    <message>
        <source>&amp;Stop Reading</source>
        <translation>Lesen a&amp;bbrechen</translation>
    </message>
    <message>
        <source>Stop reading the picture</source>
        <translation>Das Lesen des Bildes abbrechen</translation>
    </message>
    <message>
        <source>&amp;Create List</source>
        <translation>&amp;Liste anlegen</translation>
    </message>
    <message>
        <source>Make a new list of the ticked words</source>
        <translation>Eine neue Liste aus den angekreuzten Wörtern anlegen</translation>
    </message>
    <message>
        <source>&amp;Add to List</source>
        <translation>Zur Liste &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Add the ticked words to the list chosen in the main window</source>
        <translation>Die angekreuzten Wörter der im Hauptfenster gewählten Liste hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close without storing words</source>
        <translation>Schließen, ohne Wörter zu speichern</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>%1 is too large to be a list of words.</source>
        <translation>%1 ist zu groß für eine Wörterliste.</translation>
    </message>
    <message>
        <source>Quillby cannot open %1: %2</source>
        <translation>Quillby kann %1 nicht öffnen: %2</translation>
    </message>
    <message>
        <source>Words from %1</source>
        <translation>Wörter aus %1</translation>
    </message>
    <message>
        <source>Words from the clipboard</source>
        <translation>Wörter aus der Zwischenablage</translation>
    </message>
    <message>
        <source>The clipboard holds no text and no picture. Copy the words (or a picture of them) first.</source>
        <translation>Die Zwischenablage enthält weder Text noch Bild. Kopieren Sie zuerst die Wörter (oder ein Bild davon).</translation>
    </message>
    <message>
        <source>Reading the picture on the clipboard</source>
        <translation>Das Bild aus der Zwischenablage wird gelesen</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>%1 wird gelesen</translation>
    </message>
    <message>
        <source>the picture on the clipboard</source>
        <translation>dem Bild aus der Zwischenablage</translation>
    </message>
    <message>
        <source>Reading was stopped; nothing was read.</source>
        <translation>Das Lesen wurde abgebrochen; nichts wurde gelesen.</translation>
    </message>
    <message>
        <source>Words read from %1: check them before you import them.</source>
        <translation>Wörter aus %1 gelesen: Prüfen Sie sie, bevor Sie sie importieren.</translation>
    </message>
    <message>
        <source>No word is ticked. Tick the words to import.</source>
        <translation>Kein Wort ist angekreuzt. Kreuzen Sie die Wörter an, die Sie importieren möchten.</translation>
    </message>
    <message>
        <source>Can not save a blank word.  Please type the word in the box provided.</source>
        <translation>Ein leeres Wort kann nicht gespeichert werden.  Bitte geben Sie das Wort in das Feld ein.</translation>
    </message>
    <message>
        <source>Words dropped here</source>
        <translation>Hierher gezogene Wörter</translation>
    </message>
    <message>
        <source>Word lists and pictures (*.txt *.csv *.tsv *.png *.jpg *.jpeg *.tif *.tiff *.bmp *.pdf);;Text and CSV files (*.txt *.csv *.tsv);;Pictures (*.png *.jpg *.jpeg *.tif *.tiff *.bmp);;PDF files (*.pdf);;All files (*)</source>
        <translation>Wörterlisten und Bilder (*.txt *.csv *.tsv *.png *.jpg *.jpeg *.tif *.tiff *.bmp *.pdf);;Text- und CSV-Dateien (*.txt *.csv *.tsv);;Bilder (*.png *.jpg *.jpeg *.tif *.tiff *.bmp);;PDF-Dateien (*.pdf);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>ImportWordsModel</name>
    <message>
        <source>(no word)</source>
        <translation>(kein Wort)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Definition</translation>
    </message>
    <message>
        <source>Sentence</source>
        <translation>Satz</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>ImportText</name>
    <message>
        <source>This text has %1 lines. Quillby imports at most %2 lines at a time: please split it into smaller parts.</source>
        <translation>Dieser Text hat %1 Zeilen. Quillby importiert höchstens %2 Zeilen auf einmal: Bitte teilen Sie ihn in kleinere Teile.</translation>
    </message>
    <message>
        <source>The file is empty: there are no words in it.</source>
        <translation>Die Datei ist leer: Sie enthält keine Wörter.</translation>
    </message>
    <message>
        <source>This file holds no text that Quillby can read. Open a text file, a CSV file or a picture of the word sheet.</source>
        <translation>Diese Datei enthält keinen Text, den Quillby lesen kann. Öffnen Sie eine Textdatei, eine CSV-Datei oder ein Bild des Wörterblatts.</translation>
    </message>
    <message>
        <source>There are no words in this text.</source>
        <translation>In diesem Text stehen keine Wörter.</translation>
    </message>
    <message>
        <source>No words could be read in this picture.</source>
        <translation>In diesem Bild konnten keine Wörter gelesen werden.</translation>
    </message>
    <message>
        <source>There is no word in this row.</source>
        <translation>In dieser Zeile steht kein Wort.</translation>
    </message>
    <message>
        <source>A word cannot hold a line break or a tab.</source>
        <translation>Ein Wort kann keinen Zeilenumbruch und keinen Tabulator enthalten.</translation>
    </message>
    <message>
        <source>A date, not a word.</source>
        <translation>Ein Datum, kein Wort.</translation>
    </message>
    <message>
        <source>A number, not a word.</source>
        <translation>Eine Zahl, kein Wort.</translation>
    </message>
    <message>
        <source>No letters: not a word.</source>
        <translation>Keine Buchstaben: kein Wort.</translation>
    </message>
    <message>
        <source>A line to fill in (such as &quot;Name: ____&quot;), not a word.</source>
        <translation>Eine Zeile zum Ausfüllen (wie „Name: ____“), kein Wort.</translation>
    </message>
    <message>
        <source>Too long for a word.</source>
        <translation>Zu lang für ein Wort.</translation>
    </message>
    <message>
        <source>A heading or a sentence, not a word.</source>
        <translation>Eine Überschrift oder ein Satz, kein Wort.</translation>
    </message>
    <message>
        <source>The same word is above.</source>
        <translation>Dasselbe Wort steht weiter oben.</translation>
    </message>
    <message>
        <source>Already in the list.</source>
        <translation>Schon in der Liste.</translation>
    </message>
    <message>
        <source>Hard to read in the picture: check the spelling.</source>
        <translation>Im Bild schwer lesbar: Prüfen Sie die Schreibweise.</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <source>Quillby's text reader could not be loaded: %1</source>
        <translation>Quillbys Texterkennung konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>This picture has %1 megapixels; Quillby reads pictures of up to %2 megapixels. Please make it smaller, or photograph the sheet again.</source>
        <translation>Dieses Bild hat %1 Megapixel; Quillby liest Bilder bis %2 Megapixel. Bitte verkleinern Sie es oder fotografieren Sie das Blatt noch einmal.</translation>
    </message>
    <message>
        <source>Quillby cannot read this picture: %1</source>
        <translation>Quillby kann dieses Bild nicht lesen: %1</translation>
    </message>
    <message>
        <source>Quillby cannot read this picture: %1 is not there.</source>
        <translation>Quillby kann dieses Bild nicht lesen: %1 ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>Quillby could not read the words of this picture: %1</source>
        <translation>Quillby konnte die Wörter dieses Bildes nicht lesen: %1</translation>
    </message>
</context>
<context>
    <name>ImportQueries</name>
    <message>
        <source>The word counter is behind the stored words: WORD_ID %1 is in use.</source>
        <translation>Der Wortzähler liegt hinter den gespeicherten Wörtern: WORD_ID %1 ist vergeben.</translation>
    </message>
    <message>
        <source>The list was deleted; the words were not stored. Use Create List instead.</source>
        <translation>Die Liste wurde gelöscht; die Wörter wurden nicht gespeichert. Verwenden Sie stattdessen „Liste anlegen“.</translation>
    </message>
</context>
<context>
    <name>frmBusy</name>
    <message>
        <source>Quillby</source>
        <translation>Quillby</translation>
    </message>
    <message>
        <source>Quillby is counting the answers of your past tests, once, so that they open quickly from now on.</source>
        <translation>Quillby zählt einmalig die Antworten der bisherigen Tests, damit sie von nun an schnell geöffnet werden.</translation>
    </message>
</context>
</TS>
