// The keys of every window: access keys (Alt+letter) on every button and menu item without
// clashes, in English and in German; F1 and Ctrl+W; Enter on a question whose Yes deletes.
#include "PracticeFixture.h"

#include "AccessKeyButton.h"
#include "FormHelpers.h"
#include "GuiTestSupport.h"
#include "frmAbout.h"
#include "frmDeleteOldList.h"
#include "frmEditList.h"
#include "frmEditWord.h"
#include "frmHelp.h"
#include "frmLists.h"
#include "frmMessage.h"
#include "frmNewList.h"
#include "frmOptions.h"
#include "frmPastTests.h"
#include "frmRevealAnswer.h"
#include "frmTest.h"
#include "frmTestResults.h"
#include "frmTestSetup.h"
#include "frmTestWordDetails.h"
#include "Options.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTranslator>
#include <QVBoxLayout>

#include <functional>
#include <map>

namespace {
struct WindowCase {
    const char* name;
    std::function<QWidget*()> make;
};

template <class Window>
WindowCase Case(const char* name)
{
    return {name, [] { return static_cast<QWidget*>(new Window); }};
}

// Every window of the program, made as its opener makes it.
std::vector<WindowCase> AllWindows()
{
    return {Case<frmLists>("frmLists"),       Case<frmNewList>("frmNewList"),
            Case<frmDeleteOldList>("frmDeleteOldList"), Case<frmEditList>("frmEditList"),
            Case<frmEditWord>("frmEditWord"), Case<frmOptions>("frmOptions"),
            Case<frmTestSetup>("frmTestSetup"), Case<frmTest>("frmTest"),
            Case<frmRevealAnswer>("frmRevealAnswer"), Case<frmTestResults>("frmTestResults"),
            Case<frmTestWordDetails>("frmTestWordDetails"), Case<frmPastTests>("frmPastTests"),
            Case<frmHelp>("frmHelp"),         Case<frmAbout>("frmAbout"),
            Case<frmMessage>("frmMessage")};
}

// Whether a control belongs to this window rather than to a window it owns (the results that
// the past tests own, for instance). A menu belongs to the window of its menu bar or owner.
bool OwnedBy(const QWidget* control, const QWidget* window)
{
    for (const QWidget* w = control->parentWidget() ? control : nullptr; w; w = w->parentWidget()) {
        if (w == window)
            return true;
        if (w != control && w->isWindow() && !qobject_cast<const QMenu*>(w))
            return false;
    }
    return false;
}

// The access-key problems of one window: a caption without an access key, two captions with
// the same key where they are pressed together (the buttons and menu titles of a window; the
// items of one menu), an accessible name that is not the caption without its marker.
QStringList AccessKeyProblems(QWidget* window)
{
    QStringList problems;
    const QString where = window->objectName();
    const auto take = [&](std::map<QString, QString>& space, const QString& caption) {
        const QString key = QKeySequence::mnemonic(caption).toString();
        if (key.isEmpty())
            problems << where + ": no access key in \"" + caption + "\"";
        else if (const auto [it, fresh] = space.emplace(key, caption); !fresh)
            problems << where + ": " + key + " for \"" + it->second + "\" and \"" + caption + "\"";
    };
    std::map<QString, QString> alt;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty() || !OwnedBy(button, window))
            continue; // a grid's corner, a tab bar's arrows
        take(alt, button->text());
        if (SpokenName(button) != QString(button->text()).remove(QLatin1Char('&')))
            problems << where + ": \"" + button->text() + "\" is spoken as \"" +
                            SpokenName(button) + "\"";
    }
    for (QMenuBar* bar : window->findChildren<QMenuBar*>())
        if (OwnedBy(bar, window))
            for (QAction* title : bar->actions())
                take(alt, title->text());
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        if (!OwnedBy(menu, window))
            continue;
        std::map<QString, QString> items;
        for (QAction* item : menu->actions())
            if (!item->isSeparator())
                take(items, item->text());
    }
    return problems;
}

QWidget* ShownHelp()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<frmHelp*>(w) && w->isVisible())
            return w;
    return nullptr;
}

void Press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QApplication::setActiveWindow(window);
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, key, modifiers);
    QApplication::processEvents();
}

void DeleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Asks through a real message box and presses Enter on it as a person would: the key goes to
// the control that has the keyboard. Returns whether Enter's button was No.
bool EnterGivesNo(MessageBoxes& boxes, const std::function<void()>& ask)
{
    bool answeredNo = false;
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        answer.stop();
        QApplication::setActiveWindow(box);
        answeredNo = box->defaultButton() == box->button(QMessageBox::No) &&
                     (!box->focusWidget() || box->focusWidget() == box->button(QMessageBox::No));
        QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Return);
    });
    answer.start();
    boxes.ShowRealBoxesDuring(ask);
    return answeredNo;
}
} // namespace

class Keys : public PracticeTest {};

TEST_F(Keys, EveryButtonAndMenuItemHasItsOwnAccessKeyInEnglishAndGerman)
{
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral(":/i18n/quillby_de.qm")));
    for (const bool inGerman : {false, true}) {
        if (inGerman)
            QCoreApplication::installTranslator(&german);
        for (const WindowCase& window : AllWindows()) {
            std::unique_ptr<QWidget> shown(window.make());
            const QStringList problems = AccessKeyProblems(shown.get());
            EXPECT_TRUE(problems.isEmpty())
                << (inGerman ? "German: " : "English: ") << problems.join("\n").toStdString();
        }
        QCoreApplication::removeTranslator(&german);
    }
}

TEST_F(Keys, F1ShowsTheHelpAndCtrlWClosesEveryWindow)
{
    const int32_t list = AddList();
    AddWord(list, QStringLiteral("alpha"));
    for (WindowCase window : AllWindows()) {
        const QString name = QString::fromLatin1(window.name);
        // The help answers its own keys; a notice closes by itself.
        if (name == QLatin1String("frmHelp") || name == QLatin1String("frmMessage"))
            continue;
        if (name == QLatin1String("frmTest"))
            window.make = [&] { return static_cast<QWidget*>(Begin(list, Quiet())); };
        if (name == QLatin1String("frmEditList"))
            window.make = [&] {
                auto* editor = new frmEditList;
                editor->SetListID(list); // a list with a word: no word editor opens by itself
                return static_cast<QWidget*>(editor);
            };
        QPointer<QWidget> shown = window.make();
        shown->show();
        Press(shown, Qt::Key_F1);
        QPointer<QWidget> help = ShownHelp();
        EXPECT_NE(help, nullptr) << window.name << ": F1 shows the help";
        if (help)
            help->close();
        DeleteClosedWindows();
        // The main window ends the program with Ctrl+Q; the reveal window goes with its word.
        if (name == QLatin1String("frmLists") || name == QLatin1String("frmRevealAnswer")) {
            delete shown;
            continue;
        }
        messages.clear();
        Press(shown, Qt::Key_W, Qt::ControlModifier);
        EXPECT_TRUE(!shown || !shown->isVisible()) << window.name << ": Ctrl+W closes it";
        if (name == QLatin1String("frmTest"))
            EXPECT_TRUE(messages.join('|').contains("Do you really want to quit?"))
                << "Ctrl+W asks before the test is given up, as the close box does";
        DeleteClosedWindows();
        delete shown;
    }
}

TEST_F(Keys, CtrlWClosesTheRevealWindowAsEscapeDoes)
{
    const int32_t list = AddList();
    AddWord(list, QStringLiteral("alpha"));
    TestSettings settings = Quiet(1);
    settings.RevealAnswers = true;
    settings.ForceEcho = false;
    revealSteps.push_back([](frmRevealAnswer* reveal) {
        QApplication::setActiveWindow(reveal);
        QTest::keyClick(reveal, Qt::Key_W, Qt::ControlModifier);
    });
    Answer(Begin(list, settings), QStringLiteral("alfa"));
    EXPECT_EQ(revealsSeen, 1);
    EXPECT_EQ(frmTest::instance(), nullptr) << "the one word was revealed and the test ended";
    EXPECT_NE(frmTestResults::instance(), nullptr);
}

TEST_F(Keys, EnterOnAQuestionThatDeletesAnswersNo)
{
    const int32_t list = AddList();
    AddWord(list, QStringLiteral("alpha"));
    AddWord(list, QStringLiteral("beta"));
    SetSetting(Opt::MESSAGE_TIME, QStringLiteral("0"));
    const QString words = QStringLiteral("SELECT * FROM WORDS");

    frmLists lists;
    lists.LoadWordLists();
    lists.show();
    EXPECT_TRUE(EnterGivesNo(boxes, [&] {
        lists.findChild<QPushButton*>("cmdDeleteList")->click();
    })) << "deleting a list";
    EXPECT_EQ(StoredRowCount(words), 2);

    auto* editor = new frmEditList;
    editor->SetListID(list);
    editor->show();
    EXPECT_TRUE(EnterGivesNo(boxes, [&] {
        editor->findChild<QPushButton*>("cmdDeleteWord")->click();
    })) << "deleting a word";
    EXPECT_EQ(StoredRowCount(words), 2);
    delete editor;

    frmOptions options;
    options.show();
    auto* restore = options.findChild<QPushButton*>("cmdRestoreDefaults");
    EXPECT_TRUE(EnterGivesNo(boxes, [&] { restore->click(); })) << "restoring the defaults";
    EXPECT_EQ(Setting(Opt::MESSAGE_TIME), QStringLiteral("0"));
    options.close();

    frmTest* test = Begin(list, Quiet());
    ASSERT_NE(test, nullptr);
    EXPECT_TRUE(EnterGivesNo(boxes, [&] { test->close(); })) << "quitting a test";
    EXPECT_TRUE(test->isVisible()) << "the test goes on";
}

// A button pressed by its access key acts before the program waits for anything, as on a
// click: every button of every window, and a key shared by two buttons or a disabled
// button only moves the focus or does nothing, as on any button.
TEST_F(Keys, ButtonsActAtOnceOnTheirAccessKeys)
{
    for (const WindowCase& window : AllWindows()) {
        std::unique_ptr<QWidget> shown(window.make());
        for (QPushButton* button : shown->findChildren<QPushButton*>())
            if (!QKeySequence::mnemonic(button->text()).isEmpty() && OwnedBy(button, shown.get()))
                EXPECT_NE(dynamic_cast<AccessKeyButton*>(button), nullptr)
                    << window.name << ": " << button->text().toStdString();
    }

    struct Case {
        const char* what;
        QStringList captions;
        QList<bool> enabled;
        int clicks;       // on the first button, right after the key
        bool focusOnButton; // a button has taken the focus from the text box
    };
    const Case cases[] = {
        {"its own key", {"&Open", "&Close"}, {true, true}, 1, false},
        {"a key shared by two", {"&Open", "&Other"}, {true, true}, 0, true},
        {"a disabled button", {"&Open", "&Close"}, {false, true}, 0, false},
    };
    for (const Case& c : cases) {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        std::vector<QPushButton*> buttons;
        for (qsizetype i = 0; i < c.captions.size(); ++i) {
            buttons.push_back(MakeButton(&window, "cmd", c.captions[i]));
            buttons.back()->setEnabled(c.enabled[i]);
            layout->addWidget(buttons.back());
        }
        auto* other = new QLineEdit(&window);
        layout->addWidget(other);
        window.show();
        QApplication::setActiveWindow(&window);
        other->setFocus();
        QSignalSpy clicked(buttons[0], &QPushButton::clicked);
        QTest::keyClick(other, Qt::Key_O, Qt::AltModifier);
        EXPECT_EQ(clicked.count(), c.clicks) << c.what;
        EXPECT_EQ(!other->hasFocus(), c.focusOnButton) << c.what;
        EXPECT_FALSE(buttons[0]->isDown()) << c.what;
    }
}
