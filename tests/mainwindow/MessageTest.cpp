#include "GuiTestUtil.h"

#include "Globals.h"
#include "frmMessage.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <gtest/gtest.h>

namespace {
class TempMessage : public ::testing::Test {
protected:
    void TearDown() override { Globals::MessageTime = 6; }
};

// Shows a message and, once it is up, drives its ticks by hand (its own timer stopped) until
// it closes; returns the ticks it took.
int TicksUntilClosed(int messageTime)
{
    Globals::MessageTime = messageTime;
    int ticksSent = 0;
    ModalHandler driver("frmMessage", [&](QWidget* w) {
        auto* message = static_cast<frmMessage*>(w);
        message->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
        while (message->isVisible() && ticksSent < 1000) {
            message->Tick();
            ++ticksSent;
        }
    });
    ShowTempMessage(QStringLiteral("Top"), QStringLiteral("Bottom line"));
    return ticksSent;
}
} // namespace

TEST_F(TempMessage, ClosesOnTheTickAfterTheCounterReachesTheMessageTime)
{
    EXPECT_EQ(TicksUntilClosed(6), 7);
    EXPECT_EQ(frmMessage::LastTickCount(), 6);
    EXPECT_EQ(TicksUntilClosed(1), 2);
    EXPECT_EQ(TicksUntilClosed(200), 201);
}

TEST_F(TempMessage, NoMessagesReturnsAtOnceWithoutAWindow)
{
    Globals::MessageTime = 0;
    ModalHandler watcher("frmMessage", [](QWidget* w) { static_cast<QDialog*>(w)->accept(); });
    QElapsedTimer clock;
    clock.start();
    ShowTempMessage(QStringLiteral("Correct"), QString());
    // Far less than the shortest message stays up (two 500 ms ticks), even on a busy machine.
    EXPECT_LT(clock.elapsed(), 900);
    EXPECT_EQ(watcher.handled(), 0);
}

TEST_F(TempMessage, ItsOwnTimerClosesItAfterHalfSecondTicks)
{
    Globals::MessageTime = 1;
    QElapsedTimer clock;
    clock.start();
    ShowTempMessage(QStringLiteral("Word Saved"), QString());
    EXPECT_GE(clock.elapsed(), 900); // two 500 ms ticks
    EXPECT_LT(clock.elapsed(), 20000); // closed by its timer, not left open
    EXPECT_EQ(frmMessage::LastTickCount(), 1);
}

TEST_F(TempMessage, AboveTwoHundredItStaysUntilEnterOrSpaceAndIgnoresEscape)
{
    Globals::MessageTime = 201;
    {
    bool timerRunning = true;
    bool openAfterEscape = false;
    ModalHandler keys("frmMessage", [&](QWidget* w) {
        timerRunning = w->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive();
        QWidget* dummy = w->findChild<QWidget*>(QStringLiteral("txtDummy"));
        QTest::keyClick(dummy, Qt::Key_Escape);
        QTest::keyClick(dummy, Qt::Key_A);
        openAfterEscape = w->isVisible();
        QTest::keyClick(dummy, Qt::Key_Space);
    });
    ShowTempMessage(QStringLiteral("Testing"), QStringLiteral("Click To Close"));
    EXPECT_FALSE(timerRunning);
    EXPECT_TRUE(openAfterEscape);
    EXPECT_EQ(keys.handled(), 1);
    }

    ModalHandler enter("frmMessage", [](QWidget* w) {
        QTest::keyClick(w->findChild<QWidget*>(QStringLiteral("txtDummy")), Qt::Key_Return);
    });
    ShowTempMessage(QStringLiteral("Testing"), QString());
    EXPECT_EQ(enter.handled(), 1);
}

TEST_F(TempMessage, AClickOnEitherLineClosesItAndTheLinesAreShown)
{
    Globals::MessageTime = 9999;
    {
    QString top, bottom;
    ModalHandler click("frmMessage", [&](QWidget* w) {
        top = Child<QLabel>(w, "lblTop")->text();
        bottom = Child<QLabel>(w, "lblBottom")->text();
        QTest::mouseClick(Child<QLabel>(w, "lblBottom"), Qt::LeftButton);
    });
    ShowTempMessage(QStringLiteral("List Ignored"),
                    QStringLiteral("You will not be prompted to delete this list again."));
    EXPECT_EQ(top, "List Ignored");
    EXPECT_EQ(bottom, "You will not be prompted to delete this list again.");
    }

    ModalHandler clickTop("frmMessage", [](QWidget* w) {
        QTest::mouseClick(Child<QLabel>(w, "lblTop"), Qt::LeftButton);
    });
    ShowTempMessage(QString(), QString());
    EXPECT_EQ(clickTop.handled(), 1);
}

TEST_F(TempMessage, AVeryLongWordIsShortenedNotCutOff)
{
    Globals::MessageTime = 9999;
    const QString word(400, QChar('w'));
    int needed = 0, room = 0, windowWidth = 0;
    QString shown, spoken;
    ModalHandler look("frmMessage", [&](QWidget* w) {
        auto* bottom = Child<QLabel>(w, "lblBottom");
        needed = bottom->minimumSizeHint().width();
        room = bottom->width();
        windowWidth = w->width();
        shown = bottom->text();
        spoken = bottom->accessibleName();
        QTest::mouseClick(Child<QLabel>(w, "lblTop"), Qt::LeftButton);
    });
    ShowTempMessage(QStringLiteral("Word Saved"), word);
    ASSERT_EQ(look.handled(), 1);
    EXPECT_LE(needed, room) << "the line is not cut off at the window's edge";
    EXPECT_LE(windowWidth, QGuiApplication::primaryScreen()->availableGeometry().width());
    EXPECT_TRUE(shown.startsWith(QStringLiteral("www")) && shown.endsWith(QStringLiteral("www")))
        << "the word is shortened in its middle";
    EXPECT_EQ(spoken, word) << "its accessible name keeps the whole word";
}

// Words are shown as typed: markup stays text and nothing named in it is ever loaded (an
// <img> naming a pipe once froze the program as the message opened).
TEST_F(TempMessage, MarkupInAWordIsShownAsText)
{
    Globals::MessageTime = 9999;
    QTemporaryDir dir;
    const QString pipe = dir.path() + QStringLiteral("/pipe");
    ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    const QString word = QStringLiteral("<b>Bold</b><img src=\"%1\">").arg(pipe);
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    ModalHandler look("frmMessage", [&](QWidget* w) {
        auto* bottom = Child<QLabel>(w, "lblBottom");
        shown = bottom->text();
        format = bottom->textFormat();
        QTest::mouseClick(Child<QLabel>(w, "lblTop"), Qt::LeftButton);
    });
    ShowTempMessage(QStringLiteral("Word Saved"), word);
    ASSERT_EQ(look.handled(), 1);
    EXPECT_EQ(shown, word);
    EXPECT_EQ(format, Qt::PlainText);
}
