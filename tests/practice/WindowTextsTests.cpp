// In English and German, at the usual font and at 13 pt, no practice window cuts off a text.
#include "PracticeFixture.h"

#include "Globals.h"
#include "ShownText.h"
#include "WavFiles.h"
#include "frmPastTests.h"
#include "frmRevealAnswer.h"
#include "frmTest.h"
#include "frmTestResults.h"
#include "frmTestSetup.h"

#include <QFile>
#include <QLineEdit>
#include <QTableWidget>

namespace {
class WindowTexts : public PracticeTest {
protected:
    // A list of three words, the longest a family might type, with a test of it that missed
    // two words and a round of practice of them.
    int32_t FillList()
    {
        const int32_t list = AddListOfLongWords();
        const QDateTime start(QDate(2026, 12, 7), QTime(16, 2, 10));
        for (int day = 0; day < 12; ++day) {
            test_ = AddTest(list, 3, start.addDays(day), start.addDays(day).addSecs(420));
            AddAttempt(test_, list, 1, QStringLiteral("necesary"), false, 1);
            AddAttempt(test_, list, 1, QStringLiteral("neccessary"), false, 2);
            AddAttempt(test_, list, 1, QStringLiteral("necessary"), true, 3);
            AddAttempt(test_, list, 2, QStringLiteral("Wednesday"), true, 1);
            for (int n = 1; n <= 3; ++n)
                AddAttempt(test_, list, 3, QStringLiteral("beutiful"), false, n);
        }
        return list;
    }

    QStringList CutTexts(int32_t list, const ShownAs& as)
    {
        QStringList cut;
        tasks.OpenTestSetup(list);
        cut << CutTextsOfShownWindow(frmTestSetup::instance(), "practice-setup", as);
        frmTestSetup::instance()->close();

        frmTest* test = Begin(list, TestSettings{});
        test->txtWord->setText(QStringLiteral("beautifull"));
        cut << CutTextsOfShownWindow(test, "practice-test", as);
        CloseTestWindows();

        TestSettings echo;
        echo.ForceEcho = true;
        frmRevealAnswer reveal;
        reveal.TakeInWordDetails(RevealedWord(QStringLiteral("Wednesday"), true, echo));
        reveal.show();
        cut << CutTextsOfShownWindow(&reveal, "practice-reveal", as);
        reveal.hide();

        auto* results = new frmTestResults;
        results->SetTestID(test_);
        results->SetOpener(ResultsOpener::Test);
        results->show();
        results->MSFlexGrid1->setCurrentCell(0, 0);
        cut << CutTextsOfShownWindow(results, "practice-results", as);
        cut << CutTextsOfShownWindow(results->WordDetails(), "practice-word-attempts", as);
        CloseTestWindows();

        tasks.OpenPastTests(list);
        cut << CutTextsOfShownWindow(frmPastTests::instance(), "practice-past-tests", as);
        CloseTestWindows();
        return cut;
    }

    int32_t test_ = 0;
};
} // namespace

TEST_F(WindowTexts, EveryPracticeWindowFitsItsTexts)
{
    const int32_t list = FillList();
    for (const ShownAs& as : kEveryShownAs) {
        ShownLanguage language(as.locale, "quillby");
        ShownFont font(as.points);
        EXPECT_EQ(CutTexts(list, as), QStringList());
    }
}
