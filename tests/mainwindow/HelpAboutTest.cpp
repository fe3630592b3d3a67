#include "GuiTestUtil.h"

#include "frmAbout.h"
#include "frmHelp.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QUrl>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

TEST(HelpWindow, ListsTheSixTopicsAndShowsTheIntroductionAtOnce)
{
    frmHelp help;
    EXPECT_EQ(help.windowTitle(), "Help");
    auto* topics = Child<QComboBox>(&help, "txtTopic");
    // The six first, in their order; the topics of the later features follow them.
    const QStringList expected{"Introduction", "Create a Word List", "Take a Practice Test",
                               "Test History", "Options (Test Defaults)", "Options (General)",
                               "The Computer's Voice", "Practise Missed Words",
                               "Chart and Hardest Words"};
    ASSERT_EQ(topics->count(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(topics->itemText(i), expected[i]);
    const QString shown = Child<QPlainTextEdit>(&help, "txtHelp")->toPlainText();
    EXPECT_TRUE(shown.startsWith("Quillby is a great way for children to leantheir weekly spelling words.  When your child"));
    EXPECT_TRUE(shown.endsWith("help get them ready for the school test."));
}

TEST(HelpWindow, TopicTextsKeepTheirExactWordingAndLineBreaks)
{
    const QString test = HelpTopicText(QStringLiteral("take a practice test"));
    EXPECT_TRUE(test.contains("the 'Practice Test' will begin.\r\n\r\nThe on-screen clues will tell "
                              "your child which word to type into the answer box.  If your child"));
    EXPECT_TRUE(test.endsWith("\r\n\r\nWhen the test has been completed, the result will be show to you automatically."));
    const QString word = HelpTopicText(QStringLiteral("Create a Word List"));
    EXPECT_TRUE(word.contains("in the foreground.  The smaller window"));
    EXPECT_TRUE(word.contains("into the smaller window.  When you have"));
    EXPECT_TRUE(HelpTopicText(QStringLiteral("Options (General)")).startsWith("Tempory Messages -- "));
    EXPECT_EQ(HelpTopicText(QStringLiteral("Glossary")), "");
}

// Each later feature is explained under its own topic, by the captions the user sees.
TEST(HelpWindow, LaterFeaturesHaveTopicsThatNameTheirControls)
{
    const struct {
        const char* topic;
        std::vector<const char*> mentions;
    } cases[] = {
        {"The Computer's Voice", {"no recording", "'Speak'", "'Pronounce'",
                                  "Speak words that have no recording", "'General Defaults'"}},
        {"Practise Missed Words", {"'Practise Missed Words'", "'Test Results'", "'Past Tests'",
                                   "'Missed words of test'", "default test settings"}},
        {"Chart and Hardest Words", {"chart of the scores", "'Hardest words'",
                                     "wrong spellings", "Click a word"}},
    };
    frmHelp help;
    auto* topics = Child<QComboBox>(&help, "txtTopic");
    auto* text = Child<QPlainTextEdit>(&help, "txtHelp");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.topic);
        topics->setCurrentText(QString::fromUtf8(c.topic));
        ASSERT_EQ(topics->currentText(), QString::fromUtf8(c.topic));
        const QString shown = text->toPlainText();
        EXPECT_EQ(shown, HelpTopicText(QString::fromUtf8(c.topic)).replace("\r\n", "\n"));
        for (const char* mention : c.mentions)
            EXPECT_TRUE(shown.contains(QString::fromUtf8(mention))) << mention;
    }
}

TEST(HelpWindow, ChoosingATopicShowsItsTextAndAnUnknownNameEmptiesTheBox)
{
    frmHelp help;
    auto* topics = Child<QComboBox>(&help, "txtTopic");
    auto* text = Child<QPlainTextEdit>(&help, "txtHelp");
    topics->setCurrentIndex(3);
    EXPECT_TRUE(text->toPlainText().startsWith("To view the test history"));
    help.ShowTopic(QStringLiteral("Nothing"));
    EXPECT_TRUE(text->toPlainText().isEmpty());
}

namespace {
void MoveOver(QWidget* widget)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}
QColor TextColour(QWidget* label) { return label->palette().color(QPalette::WindowText); }
} // namespace

TEST(AboutWindow, ShowsTheProgramItsVersionsAndTheLinks)
{
    frmAbout about;
    EXPECT_EQ(about.windowTitle(), "About Quillby...");
    EXPECT_EQ(Child<QLabel>(&about, "lblAppName")->text(), "Quillby");
    EXPECT_EQ(Child<QLabel>(&about, "lblVirtualVersion")->text(), "1.0");
    EXPECT_EQ(Child<QLabel>(&about, "lblHardVersion")->text(), QUILLBY_VERSION);
    EXPECT_EQ(Child<QLabel>(&about, "lblWebsite")->text(), "https://corvale.example/");
    EXPECT_EQ(Child<QLabel>(&about, "lblEmail")->text(), "support@corvale.example");
    EXPECT_EQ(frmAbout::SupportMailLink(), "mailto:support@corvale.example?subject=Quillby");
}

TEST(AboutWindow, LinksTurnWhileHoveredAndReturnOverTheBackground)
{
    frmAbout about;
    about.show();
    QWidget* web = Child<QLabel>(&about, "lblWebsite");
    QWidget* mail = Child<QLabel>(&about, "lblEmail");
    const QColor link = about.LinkColour();
    ASSERT_NE(link, QColor(Qt::white));
    MoveOver(web);
    MoveOver(mail); // straight from one link to the other: both white
    EXPECT_EQ(TextColour(web), QColor(Qt::white));
    EXPECT_EQ(TextColour(mail), QColor(Qt::white));
    MoveOver(Child<QLabel>(&about, "Label3")); // background
    EXPECT_EQ(TextColour(web), link);
    EXPECT_EQ(TextColour(mail), link);
}

namespace {
// Takes the addresses the about window asks the desktop to open, instead of a browser.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    OpenedUrls()
    {
        for (const char* scheme : {"https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
    }
    ~OpenedUrls() override
    {
        for (const char* scheme : {"https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QStringList urls;
public slots:
    void Open(const QUrl& url) { urls << url.toString(); }
};
} // namespace

TEST(AboutWindow, TheLinksAreReachedWithTabAndOpenWithEnterOrSpace)
{
    OpenedUrls opened;
    frmAbout about;
    about.show();
    about.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    auto* web = Child<QLabel>(&about, "lblWebsite");
    auto* mail = Child<QLabel>(&about, "lblEmail");
    ASSERT_TRUE(Child<QWidget>(&about, "cmdClose")->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(web->hasFocus());
    EXPECT_EQ(TextColour(web), QColor(Qt::white)); // shown as hovered while focused
    QTest::keyClick(web, Qt::Key_Return);
    QTest::keyClick(web, Qt::Key_Tab);
    ASSERT_TRUE(mail->hasFocus());
    EXPECT_EQ(TextColour(web), about.LinkColour());
    QTest::keyClick(mail, Qt::Key_Space);
    EXPECT_EQ(opened.urls, (QStringList{"https://corvale.example/", frmAbout::SupportMailLink()}));
    EXPECT_TRUE(about.isVisible()); // Enter on a link is not the Close button
}

TEST(HelpWindow, EscapeClosesIt)
{
    auto* help = new frmHelp;
    help->setAttribute(Qt::WA_DeleteOnClose);
    help->show();
    help->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    QPointer<frmHelp> alive(help);
    QTest::keyClick(Child<QComboBox>(help, "txtTopic"), Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
}

#include "HelpAboutTest.moc"
