// Saves pictures of the practice windows into a folder, for looking at them:
//   xvfb-run -a -s "-screen 0 1280x1024x24" practice_shots <folder>
#include "PracticeFixture.h"

#include "Connection.h"
#include "Globals.h"
#include "GuiTestSupport.h"
#include "Sound.h"
#include "Options.h"
#include "Translation.h"
#include "WavFiles.h"
#include "frmOptions.h"
#include "frmPastTests.h"
#include "frmRevealAnswer.h"
#include "frmTest.h"
#include "frmTestResults.h"
#include "frmTestSetup.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QTableWidget>
#include <QScreen>
#include <QTabWidget>
#include <QPalette>
#include <QTest>

namespace {
QString g_folder;
QString g_suffix; // "-dark" for the pictures in a dark palette

void Settle()
{
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
        QTest::qWait(30);
    }
}

void SaveScreen(const QString& name)
{
    Settle();
    QGuiApplication::primaryScreen()->grabWindow(0).save(g_folder + "/" + name + ".png");
}

void SaveWindow(QWidget* w, const QString& name)
{
    Settle();
    w->grab().save(g_folder + "/" + name + ".png");
}
} // namespace

class Shots : public PracticeTest {
protected:
    int32_t FillList() { return AddListOfLongWords(); }
};

TEST_F(Shots, Windows)
{
    const int32_t list = FillList();
    tasks.OpenTestSetup(list);
    SaveWindow(frmTestSetup::instance(), "practice-setup");
    frmTestSetup::instance()->close();

    struct Variant { const char* name; bool def, context, pronounce; };
    for (const Variant v : {Variant{"all", true, true, true}, Variant{"no-definition", false, true, true},
                            Variant{"no-sentence", true, false, true},
                            Variant{"no-pronounce", true, true, false},
                            Variant{"sentence-only", false, true, false}}) {
        TestSettings s;
        s.ShowDefinition = v.def;
        s.ShowContext = v.context;
        s.Pronounce = v.pronounce;
        frmTest* test = Begin(list, s);
        test->txtWord->setText(QStringLiteral("beautifull"));
        SaveScreen(QStringLiteral("practice-test-") + v.name);
        CloseTestWindows();
    }

    TestSettings echo;
    echo.ForceEcho = true;
    frmRevealAnswer reveal;
    reveal.TakeInWordDetails(RevealedWord(QStringLiteral("Wednesday"), true, echo));
    reveal.txtEcho->setText(QStringLiteral("wednesday"));
    reveal.show();
    SaveWindow(&reveal, "practice-reveal");
    reveal.hide();

    const int32_t test = AddTest(list, 3, QDateTime(QDate(2026, 12, 7), QTime(16, 2, 10)),
                                 QDateTime(QDate(2026, 12, 7), QTime(16, 9, 40)));
    const int32_t necessary = 1, wednesday = 2, beautiful = 3; // in the order FillList adds
    AddAttempt(test, list, beautiful, "beutiful", false, 1);
    AddAttempt(test, list, beautiful, "beautiful", true, 2);
    AddAttempt(test, list, necessary, "necesary", false, 1);
    AddAttempt(test, list, necessary, "neccesary", false, 2);
    AddAttempt(test, list, necessary, "necessery", false, 3);
    AddAttempt(test, list, wednesday, "Wednesday", true, 1);
    auto* results = new frmTestResults;
    results->SetTestID(test);
    results->show();
    results->MSFlexGrid1->setCurrentCell(1, 0);
    SaveScreen("practice-results");
    CloseTestWindows();

    AddTest(list, 3, QDateTime(QDate(2026, 12, 8), QTime(17, 0)),
            QDateTime(QDate(2026, 12, 8), QTime(17, 6)));
    tasks.OpenPastTests(list);
    SaveScreen("practice-past-tests");
    CloseTestWindows();
}

// The results after a test with misses, offering to practise them, and Past Tests with a
// practice round of the missed words selected.
TEST_F(Shots, MissedWords)
{
    const int32_t list = FillList();
    const int32_t necessary = 1, wednesday = 2, beautiful = 3; // in the order FillList adds
    const QDateTime start(QDate(2026, 12, 7), QTime(16, 2, 10));
    const int32_t test = AddTest(list, 3, start, start.addSecs(420));
    AddAttempt(test, list, necessary, "necesary", false, 1);
    AddAttempt(test, list, necessary, "necessary", true, 2);
    AddAttempt(test, list, wednesday, "Wednesday", true, 1);
    for (int32_t n = 1; n <= 3; ++n)
        AddAttempt(test, list, beautiful, "beutiful", false, n);
    auto* results = new frmTestResults;
    results->SetTestID(test);
    results->SetOpener(ResultsOpener::Test);
    results->show();
    SaveScreen(QStringLiteral("missed-results") + g_suffix);
    CloseTestWindows();

    const int32_t round = AddTest(list, 3, start.addSecs(600), start.addSecs(780));
    Globals::DbConnection().Execute(
        QStringLiteral("UPDATE TESTS SET PRACTICE_OF = %1 WHERE TEST_ID = %2").arg(test).arg(round));
    AddAttempt(round, list, necessary, "necessary", true, 1);
    AddAttempt(round, list, beautiful, "beautifull", false, 1);
    AddAttempt(round, list, beautiful, "beautiful", true, 2);
    const int32_t next = AddTest(list, 3, start.addDays(1), start.addDays(1).addSecs(300));
    for (int32_t word : {necessary, wednesday, beautiful})
        AddAttempt(next, list, word, "right", true, 1);
    tasks.OpenPastTests(list);
    SelectRow(frmPastTests::instance()->MSFlexGrid1, 1);
    SaveScreen(QStringLiteral("missed-past-tests") + g_suffix);
    CloseTestWindows();
}

// Past Tests with its chart and hardest words, and the options window's general tab.
TEST_F(Shots, ProgressAndOptions)
{
    const int32_t list = FillList();
    const char* guesses[][3] = {{"necesary", "Wensday", "beutiful"},
                                {"neccesary", nullptr, "beautifull"},
                                {"necesary", "wednesday", nullptr},
                                {nullptr, nullptr, nullptr}};
    for (int day = 0; day < 4; ++day) {
        const QDateTime start(QDate(2026, 12, 1 + day), QTime(16, 0));
        const int32_t test = AddTest(list, 3, start, start.addSecs(360));
        for (int32_t word = 1; word <= 3; ++word) {
            const char* wrong = guesses[day][word - 1];
            if (wrong)
                AddAttempt(test, list, word, QString::fromLatin1(wrong), false, 1);
            AddAttempt(test, list, word, QStringLiteral("right"), true, wrong ? 2 : 1);
        }
    }
    tasks.OpenPastTests(list);
    SaveScreen(QStringLiteral("progress-past-tests") + g_suffix);
    CloseTestWindows();

    frmOptions options;
    options.show();
    options.findChild<QTabWidget*>(QStringLiteral("Tab1"))->setCurrentIndex(1);
    SaveWindow(&options, QStringLiteral("progress-options") + g_suffix);
}

// Past Tests of a list tested twice a week for years, with a practice round now and then: the
// chart thins its points, the grid scrolls, and its Test column fits the rounds' names of the
// last tests too once they are shown.
TEST_F(Shots, YearsOfPastTests)
{
    const int32_t list = FillList();
    Transaction batch(Globals::DbConnection());
    int32_t previous = 0;
    for (int day = 0; day < 1000; ++day) {
        const QDateTime start = QDateTime(QDate(2020, 1, 1), QTime(16, 0)).addDays(day * 3);
        const int32_t test = AddTest(list, 3, start, start.addSecs(300));
        if (day % 40 == 39 || day == 998) // a round, of a round near the end
            Globals::DbConnection().Execute(
                QStringLiteral("UPDATE TESTS SET PRACTICE_OF = %1 WHERE TEST_ID = %2")
                    .arg(previous)
                    .arg(test));
        previous = test;
        for (int32_t word = 1; word <= 3; ++word) {
            const bool missed = (day * 7 + word * 5) % (3 + day / 150) == 0;
            if (missed)
                AddAttempt(test, list, word, QStringLiteral("wrong"), false, 1);
            AddAttempt(test, list, word, QStringLiteral("right"), true, missed ? 2 : 1);
        }
    }
    batch.Commit();
    tasks.OpenPastTests(list);
    SaveScreen(QStringLiteral("progress-past-tests-years") + g_suffix);
    QTableView* grid = frmPastTests::instance()->MSFlexGrid1;
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
    SaveScreen(QStringLiteral("progress-past-tests-years-end") + g_suffix);
    CloseTestWindows();
}

int main(int argc, char** argv)
{
    InitSound();
    QApplication app(argc, argv);
    InstallTranslations(app, "quillby"); // the desktop's language, as the program shows it
    UseDarkPaletteIfAsked();
    if (qEnvironmentVariableIsSet("QUILLBY_SHOTS_DARK"))
        g_suffix = QStringLiteral("-dark");
    g_folder = argc > 1 ? QString::fromLocal8Bit(argv[argc - 1]) : QStringLiteral(".");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
