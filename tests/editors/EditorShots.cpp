// Pictures of the editors for a person to look at: saved only when QUILLBY_SHOTS_DIR names a
// folder (run under Xvfb with QT_QPA_PLATFORM=xcb to see the real rendering).
#include "EditorFixture.h"

#include "TestQueries.h"
#include "ShownText.h"
#include "WavFiles.h"

#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using EditorShots = EditorTest;

// Pictures only in the shots program; the test suite keeps the checks below.
#ifdef QUILLBY_SHOTS_PROGRAM
TEST_F(EditorShots, WordEditorIdleAndRecordingAndListEditorWithWords)
{
    const QString dir = qEnvironmentVariable("QUILLBY_SHOTS_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "set QUILLBY_SHOTS_DIR to save the pictures";
    QDir().mkpath(dir);

    const int32_t list = AddList();
    AddWord(list, "because", {"for the reason that", ""});
    const int32_t their = AddWord(list, "their", {"belonging to them", ""});
    AddWord(list, "necessary", {"needed; essential", ""});
    WriteRecording(Wav("THEIR"), Samples(500, 90));
    const int32_t test = AddTest(list);
    RecordAttempt(test, list, their, "thier", "INCORRECT", 1);
    RecordAttempt(test, list, their, "their", "CORRECT", 2);
    auto* listEditor = OpenListEditor(list);
    listEditor->MSFlexGrid1->setCurrentCell(1, 0);
    QTest::qWait(200);
    EXPECT_TRUE(listEditor->grab().save(dir + "/editors-list.png"));

    listEditor->cmdEditWord->click();
    auto* editor = frmEditWord::instance();
    ASSERT_NE(editor, nullptr);
    editor->txtSentence->setPlainText("They left their coats at the door.");
    QTest::qWait(200);
    EXPECT_TRUE(editor->grab().save(dir + "/editors-word-idle.png"));
    Click(editor->cmdRecord);
    EXPECT_TRUE(QTest::qWaitFor([&] { return editor->IndicatorColor() == QColor(Qt::red); }, 1000));
    EXPECT_TRUE(editor->grab().save(dir + "/editors-word-recording.png"));
    Click(editor->cmdStop);
}
#endif

// In English and German, at the usual font and at 13 pt, neither editor cuts off a text.
TEST_F(EditorShots, BothEditorsFitTheirTexts)
{
    const int32_t list = AddList();
    AddWord(list, "because", {"for the reason that", ""});
    const int32_t their = AddWord(list, "their", {"belonging to them", ""});
    const int32_t test = AddTest(list);
    RecordAttempt(test, list, their, "thier", "INCORRECT", 1);
    RecordAttempt(test, list, their, "their", "CORRECT", 2);
    for (const ShownAs& as : kEveryShownAs) {
        ShownLanguage language(as.locale, "quillby");
        ShownFont font(as.points);
        auto* listEditor = OpenListEditor(list);
        listEditor->MSFlexGrid1->setCurrentCell(1, 0);
        EXPECT_EQ(CutTextsOfShownWindow(listEditor, "editors-list", as), QStringList());
        Click(listEditor->cmdEditWord);
        auto* editor = frmEditWord::instance();
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(CutTextsOfShownWindow(editor, "editors-word", as), QStringList());
        editor->close();
        listEditor->close();
        QCoreApplication::processEvents();
    }
}
