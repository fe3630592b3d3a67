#include "PracticeFixture.h"

#include "GuiTestSupport.h"
#include "WavFiles.h"

#include "frmPastTests.h"
#include "frmRevealAnswer.h"
#include "frmTest.h"
#include "frmTestResults.h"
#include "frmTestSetup.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

void CloseTestWindows()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* test = qobject_cast<frmTest*>(w)) {
            // Closing as the program does, without the quit question.
            test->setAttribute(Qt::WA_DeleteOnClose);
            test->hide();
            test->deleteLater();
        }
    }
    for (QWidget* w : {static_cast<QWidget*>(frmTestResults::instance()),
                       static_cast<QWidget*>(frmPastTests::instance()),
                       static_cast<QWidget*>(frmTestSetup::instance())})
        if (w)
            w->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void PracticeTest::SetUp()
{
    OpenFolder();
    pump_.setInterval(5);
    QObject::connect(&pump_, &QTimer::timeout, [this] { Pump(); });
    pump_.start();
}

void PracticeTest::TearDown()
{
    pump_.stop();
    CloseTestWindows();
    CloseFolder();
}

// Answers the modal window in front. Reveal steps run from the event loop, not from inside
// the timer, so that the windows they open in turn are answered too.
void PracticeTest::Pump()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (modal->objectName() == QLatin1String("frmMessage")) {
        const auto* top = modal->findChild<QLabel*>(QStringLiteral("lblTop"));
        const auto* bottom = modal->findChild<QLabel*>(QStringLiteral("lblBottom"));
        tempMessages << (top ? top->text() : QString()) + QLatin1Char('|') +
                            (bottom ? bottom->text() : QString());
        modal->close();
        return;
    }
    auto* reveal = qobject_cast<frmRevealAnswer*>(modal);
    if (!reveal || stepPending_ || revealSteps.empty())
        return;
    stepPending_ = true;
    QTimer::singleShot(0, reveal, [this, reveal] {
        auto step = revealSteps.front();
        revealSteps.pop_front();
        ++revealsSeen;
        stepPending_ = false;
        step(reveal);
    });
}

frmTest* PracticeTest::Begin(int32_t listId, const TestSettings& settings)
{
    frmTest* test = tasks.StartTest(listId, settings);
    QApplication::processEvents();
    return test;
}

void PracticeTest::Answer(frmTest* test, const QString& text)
{
    test->txtWord->setText(text);
    QTest::keyClick(test->txtWord, Qt::Key_Return);
}

QString CellText(const QAbstractItemView* grid, int row, int column)
{
    return grid->model()->index(row, column).data().toString();
}

int RowCount(const QAbstractItemView* grid) { return grid->model()->rowCount(); }

void SelectRow(QAbstractItemView* grid, int row)
{
    grid->setCurrentIndex(grid->model()->index(row, 0));
}

int32_t PracticeTest::AddListOfLongWords()
{
    const int32_t list = AddList();
    AddWord(list, QStringLiteral("necessary"),
            {QStringLiteral("Needed; something you must have or do."),
             QStringLiteral("It is necessary to wear a coat when it snows.")});
    AddWord(list, QStringLiteral("Wednesday"),
            {QStringLiteral("The day after Tuesday."),
             QStringLiteral("We go swimming every Wednesday after school."), true});
    AddWord(list, QStringLiteral("beautiful"),
            {QStringLiteral("Very pretty."),
             QStringLiteral("The garden looks beautiful in the spring.")});
    QFile wav(WordWavFile(QStringLiteral("beautiful")));
    wav.open(QIODevice::WriteOnly);
    return list;
}
