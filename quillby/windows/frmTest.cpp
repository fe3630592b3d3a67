#include "frmTest.h"

#include "ErrorReport.h"
#include "FormHelpers.h"
#include "MsgBox.h"
#include "Pronounce.h"
#include "RevealedWord.h"
#include "SqlitePracticeStore.h"
#include "Sound.h"
#include "TaskNotices.h"
#include "Twips.h"
#include "frmMessage.h"
#include "frmRevealAnswer.h"

#include <QCloseEvent>
#include <algorithm>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace {
// Lengths of the centred frame, in twips.
constexpr int kFrameWidth = 10000;
constexpr int kInnerLeft = 200;
constexpr int kClueHeight = 2000;
constexpr int kBottomHeight = 1000;
// After the last word shows, its results are made ready once its paint and voice are under way.
constexpr int kLastWordDelayMs = 100;
// A finished test's window is deleted once its results are on screen, not before their paint.
constexpr int kDeleteAfterResultsMs = 500;

QPlainTextEdit* MakeClueBox(QGroupBox* frame, const char* name)
{
    auto* box = new QPlainTextEdit(frame);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus); // the keyboard stays in the answer box
    box->setAccessibleName(frame->title());
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(box);
    return box;
}
} // namespace

frmTest::frmTest(QWidget* parent)
    : QWidget(parent, Qt::Window), OneOpenWindow(this), store_(ProgramPracticeStore()),
      session_(*this, *store_)
{
    setObjectName(QStringLiteral("frmTest"));
    setWindowTitle(tr("Test"));
    BuildControls();
    PrepareSound(); // the first word is said as soon as the window shows
    AddCloseKeys(this, false); // Ctrl+W asks to quit, as the close box does; Escape below

    // The whole screen, less a strip at the bottom; the frame is centred in it. The position
    // is that of the outer frame, so that the title bar with its close box stays on screen.
    const QRect area = ScreenArea();
    move(area.topLeft());
    resize(area.size());
}

// The screen's work area less a strip at the bottom.
QRect frmTest::ScreenArea() const
{
    QRect area = screen()->availableGeometry();
    area.setHeight(area.height() - Twips(50));
    return area;
}

// Once the window manager has put its frame round the window, the window shrinks by the
// frame so that the whole window, title bar included, fits the screen area.
void frmTest::FitFrameToScreen()
{
    const QRect area = ScreenArea();
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    if (outer == inner || area.contains(outer))
        return;
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    setGeometry(area.marginsRemoved(frame));
}

void frmTest::BuildControls()
{
    frameMain = new QFrame(this);
    frameMain->setObjectName(QStringLiteral("frameMain"));
    frameMain->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frameMain->setLineWidth(2);
    QFont large = frameMain->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    frameMain->setFont(large);

    frameDefinition = new QGroupBox(tr("Definition"), frameMain);
    frameDefinition->setObjectName(QStringLiteral("frameDefinition"));
    txtDefinition = MakeClueBox(frameDefinition, "txtDefinition");
    frameContext = new QGroupBox(tr("Context Sentence"), frameMain);
    frameContext->setObjectName(QStringLiteral("frameContext"));
    txtContext = MakeClueBox(frameContext, "txtContext");

    frameBottom = new QFrame(frameMain);
    frameBottom->setObjectName(QStringLiteral("frameBottom"));
    lblWord = MakeLabel(frameBottom, "lblWord", tr("Word"));
    txtWord = new QLineEdit(frameBottom);
    txtWord->setObjectName(QStringLiteral("txtWord"));
    txtWord->setAccessibleName(tr("Word"));
    lblWord->setBuddy(txtWord);
    // The answer is the one thing the child types: large letters in a tall box, with the
    // label and buttons beside it of the same height.
    QFont answerFont = large;
    answerFont.setPointSizeF(large.pointSizeF() * 1.75);
    txtWord->setFont(answerFont);
    QFont wordLabelFont = large;
    wordLabelFont.setBold(true);
    lblWord->setFont(wordLabelFont);
    cmdNext = MakeButton(frameBottom, "cmdNext", tr("&Next"), tr("Next word"));
    cmdPronounce = MakeButton(frameBottom, "cmdPronounce", tr("&Pronounce"),
                              tr("Pronounce the current word"));
    for (QPushButton* button : {cmdNext, cmdPronounce})
        button->setMinimumHeight(txtWord->sizeHint().height());
    auto* bottom = new QHBoxLayout(frameBottom);
    bottom->addWidget(lblWord);
    bottom->addWidget(txtWord, 1);
    bottom->addWidget(cmdNext);
    bottom->addWidget(cmdPronounce);
    // A visible way out of the full-screen test besides the title bar's close box: it asks
    // the same question before the test is given up.
    cmdQuit = MakeButton(this, "cmdQuit", tr("&Quit"), tr("Quit this test"));
    cmdQuit->setFont(large);
    lblProgress = MakeLabel(this, "lblProgress", QString());
    lblProgress->setFont(large);
    setTabOrder(txtWord, cmdNext);
    setTabOrder(cmdNext, cmdPronounce);
    setTabOrder(cmdPronounce, cmdQuit);
    connect(cmdQuit, &QPushButton::clicked, this, &QWidget::close);

    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });
    connect(txtWord, &QLineEdit::returnPressed, this, [this] { cmdNext_Click(); });
    connect(cmdPronounce, &QPushButton::clicked, this, [this] {
        session_.Pronounce();
        txtWord->setFocus();
    });
}

frmTest::Busy::~Busy()
{
    if (--window->busy_ == 0)
        window->DeleteWhenIdle();
}

void frmTest::DeleteWhenIdle()
{
    if (!closed_ || busy_ != 0)
        return;
    if (closingByProgram_ && session_.TestComplete())
        QTimer::singleShot(kDeleteAfterResultsMs, this, &QObject::deleteLater);
    else
        deleteLater();
}

void frmTest::TellWhenLastWord()
{
    if (lastWordTold_ || session_.CurrentIndex() + 1 < session_.TestWords().size())
        return;
    lastWordTold_ = true;
    QTimer::singleShot(kLastWordDelayMs, this, [this] {
        if (!session_.TestComplete())
            emit LastWordAsked();
    });
}

bool frmTest::Start(int32_t listId, const TestSettings& settings)
{
    Busy busy(this);
    return session_.Start(listId, settings);
}

bool frmTest::StartPractice(int32_t listId, int32_t practisedTestId, const TestSettings& settings)
{
    Busy busy(this);
    return session_.StartPractice(listId, practisedTestId, settings);
}

void frmTest::ArrangeClues(const TestSettings& settings)
{
    cmdPronounce->setVisible(settings.Pronounce);
    // The lengths in twips are the least; a larger desktop font or longer captions get the
    // room their text needs: three lines of each clue, the answer box at its full height.
    const int innerWidth =
        std::max(Twips(kFrameWidth - 2 * kInnerLeft), frameBottom->minimumSizeHint().width());
    const int clueHeight =
        std::max(Twips(kClueHeight), frameDefinition->minimumSizeHint().height() +
                                         3 * txtDefinition->fontMetrics().lineSpacing());
    const int bottomHeight = std::max(Twips(kBottomHeight), frameBottom->sizeHint().height());
    const int defTop = Twips(100);
    frameDefinition->setGeometry(Twips(kInnerLeft), defTop, innerWidth, clueHeight);
    frameDefinition->setVisible(settings.ShowDefinition);
    const int contextTop =
        settings.ShowDefinition ? defTop + frameDefinition->height() + Twips(150) : defTop;
    frameContext->setGeometry(Twips(kInnerLeft), contextTop, innerWidth, clueHeight);
    frameContext->setVisible(settings.ShowContext);
    const int bottomTop =
        settings.ShowContext ? contextTop + frameContext->height() + Twips(150) : contextTop;
    frameBottom->setGeometry(Twips(kInnerLeft), bottomTop, innerWidth, bottomHeight);
    frameMain->resize(innerWidth + 2 * Twips(kInnerLeft),
                      bottomTop + frameBottom->height() + Twips(200));
    CentreFrame();
}

void frmTest::CentreFrame()
{
    frameMain->move(width() / 2 - frameMain->width() / 2, height() / 2 - frameMain->height() / 2);
    const QSize quit = cmdQuit->sizeHint();
    cmdQuit->setGeometry(width() - quit.width() - Twips(200), Twips(200), quit.width(),
                         quit.height());
    // Above the frame's left edge, or at the window's top when the frame leaves no room.
    lblProgress->adjustSize();
    lblProgress->move(frameMain->x(), std::max(Twips(200), frameMain->y() - lblProgress->height() -
                                                               Twips(100)));
}

void frmTest::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    CentreFrame();
}

void frmTest::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    CentreFrame();
    FocusAnswer();
    QTimer::singleShot(0, this, [this] { FitFrameToScreen(); });
}

// Escape asks to quit, as the close box does.
void frmTest::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmTest::ShowWord(const WordClues& clues)
{
    txtDefinition->setPlainText(clues.definition);
    txtContext->setPlainText(clues.sentence);
    cmdPronounce->setEnabled(clues.canPronounce);
    lblProgress->setText(tr("Word %1 of %2")
                             .arg(session_.CurrentIndex() + 1)
                             .arg(session_.TestWords().size()));
    CentreFrame();
    txtWord->clear();
    FocusAnswer();
    TellWhenLastWord();
}

void frmTest::ShowAnswer(const QString& answer) { txtWord->setText(answer); }

void frmTest::ClearAnswer() { txtWord->clear(); }

void frmTest::KeepAnswerForCorrection()
{
    txtWord->deselect();
    txtWord->end(false);
}

// After a feedback message or the reveal window the test window is active again with the
// keyboard in the answer box.
void frmTest::FocusAnswer()
{
    if (isVisible())
        activateWindow();
    txtWord->setFocus();
}

void frmTest::Play(const QString& wavFile) { PlayWave(wavFile); }
bool frmTest::CanSayWord(const QString& word) { return CanPlayOrSpeakWord(word); }
void frmTest::SayWord(const QString& word) { PlayOrSpeakWord(word); }

void frmTest::ShowFeedback(const QString& top, const QString& bottom)
{
    ShowTempMessage(top, bottom);
}

void frmTest::Reveal(const RevealedWord& word)
{
    frmRevealAnswer reveal(this);
    reveal.TakeInWordDetails(word);
    reveal.exec();
}

void frmTest::Tell(const QString& message)
{
    MsgBox(message, MsgButtons::OK, MsgIcon::None, this);
}

bool frmTest::Ask(const QString& question, bool yesLosesAnswers)
{
    return MsgBox(question, MsgButtons::YesNo, MsgIcon::None, this,
                  yesLosesAnswers ? MsgDefault::No : MsgDefault::First) == MsgResult::Yes;
}

void frmTest::ReportError(const QString& what) { ReportOperationError(what); }

// A stored test counts on the main window (a practice round does not) and its results
// follow; otherwise the user is back at the lists.
void frmTest::Ended(bool stored)
{
    if (!stored) {
        CloseByProgram();
        ReturnToLists();
        return;
    }
    if (session_.PracticeOf() == 0)
        TestStored(session_.ListID());
    CloseByProgram();
    emit Finished(session_.TestID());
}

void frmTest::cmdNext_Click()
{
    Busy busy(this);
    session_.Answer(txtWord->text());
}

void frmTest::CloseByProgram()
{
    closingByProgram_ = true;
    close();
}

void frmTest::closeEvent(QCloseEvent* event)
{
    if (!closingByProgram_) {
        if (!session_.Quit()) {
            event->ignore();
            return;
        }
        if (!session_.TestComplete())
            ReturnToLists();
    }
    event->accept();
    Forget();
    closed_ = true;
    DeleteWhenIdle();
}

// Out of line: the store is only declared in the header.
frmTest::~frmTest() = default;
