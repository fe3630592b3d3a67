#include "frmTest.h"

#include "AppFunctions.h"
#include "Connection.h"
#include "ErrorReport.h"
#include "Globals.h"
#include "Ids.h"
#include "FormHelpers.h"
#include "MsgBox.h"
#include "Recordset.h"
#include "RunningTests.h"
#include "Sound.h"
#include "Statements.h"
#include "TestOptions.h"
#include "Twips.h"
#include "WavFiles.h"
#include "frmLists.h"
#include "frmMessage.h"
#include "frmRevealAnswer.h"
#include "frmTestResults.h"
#include "frmTestSetup.h"

#include <QCloseEvent>
#include <QFileInfo>
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

namespace {
frmTest* g_instance = nullptr;

// Lengths of the centred frame, in twips.
constexpr int kFrameWidth = 10000;
constexpr int kInnerLeft = 200;
constexpr int kClueHeight = 2000;
constexpr int kBottomHeight = 1000;

QString Number(int32_t value) { return QString::number(value); }

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

void ShowMainWindow()
{
    if (auto* main = frmLists::instance())
        main->SetFocusHere();
}
} // namespace

frmTest::frmTest(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmTest"));
    setWindowTitle(QStringLiteral("Test"));
    g_instance = this;
    BuildControls();

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

frmTest::~frmTest()
{
    if (g_instance == this)
        g_instance = nullptr;
}

frmTest* frmTest::instance() { return g_instance; }

void frmTest::BuildControls()
{
    frameMain = new QFrame(this);
    frameMain->setObjectName(QStringLiteral("frameMain"));
    frameMain->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frameMain->setLineWidth(2);
    QFont large = frameMain->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    frameMain->setFont(large);

    frameDefinition = new QGroupBox(QStringLiteral("Definition"), frameMain);
    frameDefinition->setObjectName(QStringLiteral("frameDefinition"));
    txtDefinition = MakeClueBox(frameDefinition, "txtDefinition");
    frameContext = new QGroupBox(QStringLiteral("Context Sentence"), frameMain);
    frameContext->setObjectName(QStringLiteral("frameContext"));
    txtContext = MakeClueBox(frameContext, "txtContext");

    frameBottom = new QFrame(frameMain);
    frameBottom->setObjectName(QStringLiteral("frameBottom"));
    lblWord = MakeLabel(frameBottom, "lblWord", QStringLiteral("Word"));
    txtWord = new QLineEdit(frameBottom);
    txtWord->setObjectName(QStringLiteral("txtWord"));
    txtWord->setAccessibleName(QStringLiteral("Word"));
    lblWord->setBuddy(txtWord);
    // The answer is the one thing the child types: large letters in a tall box, with the
    // label and buttons beside it of the same height.
    QFont answerFont = large;
    answerFont.setPointSizeF(large.pointSizeF() * 1.75);
    txtWord->setFont(answerFont);
    QFont wordLabelFont = large;
    wordLabelFont.setBold(true);
    lblWord->setFont(wordLabelFont);
    cmdNext = MakeButton(frameBottom, "cmdNext", QStringLiteral("Next"), QStringLiteral("Next word"));
    cmdPronounce = MakeButton(frameBottom, "cmdPronounce", QStringLiteral("Pronounce"), QStringLiteral("Pronounce the current word"));
    for (QPushButton* button : {cmdNext, cmdPronounce})
        button->setMinimumHeight(txtWord->sizeHint().height());
    auto* bottom = new QHBoxLayout(frameBottom);
    bottom->addWidget(lblWord);
    bottom->addWidget(txtWord, 1);
    bottom->addWidget(cmdNext);
    bottom->addWidget(cmdPronounce);
    // A visible way out of the full-screen test besides the title bar's close box: it asks
    // the same question before the test is given up.
    cmdQuit = MakeButton(this, "cmdQuit", QStringLiteral("Quit"), QStringLiteral("Quit this test"));
    cmdQuit->setFont(large);
    setTabOrder(txtWord, cmdNext);
    setTabOrder(cmdNext, cmdPronounce);
    setTabOrder(cmdPronounce, cmdQuit);
    connect(cmdQuit, &QPushButton::clicked, this, &QWidget::close);

    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });
    connect(txtWord, &QLineEdit::returnPressed, this, [this] { cmdNext_Click(); });
    connect(cmdPronounce, &QPushButton::clicked, this, [this] {
        PronounceWord();
        txtWord->setFocus();
    });
}

void frmTest::LoadCustomOptions()
{
    if (auto* setup = frmTestSetup::instance())
        TestOptions = setup->ChosenSettings();
}

void frmTest::LoadDefaultOptions() { TestOptions = ReadDefaultTestSettings(); }

void frmTest::UsePreviousTestOptions() {}

frmTest::Busy::~Busy()
{
    if (--window->busy_ == 0)
        window->DeleteWhenIdle();
}

void frmTest::DeleteWhenIdle()
{
    if (closed_ && busy_ == 0)
        deleteLater();
}

bool frmTest::Start(int32_t listId)
{
    Busy busy(this);
    listId_ = listId;
    // The words are read before an identifier is taken, so that a list without words
    // neither starts a test nor uses up an identifier.
    bool ok = Guarded([&] { LoadTestWords(); });
    if (ok && testWords_.isEmpty()) {
        MsgBox(QStringLiteral("This list has no words yet.\r"
                              "Please add words to the list before taking a test."),
               MsgButtons::OK, MsgIcon::None, this);
        ok = false;
    }
    ok = ok && Guarded([&] {
        testId_ = GetNextID(QLatin1String(IdCode::TEST_ID));
        MarkTestRunning(testId_);
    });
    if (!ok) {
        CloseByProgram();
        ShowMainWindow();
        return false;
    }
    ArrangeFrames();
    testComplete_ = false;
    startTime_ = QDateTime::currentDateTime();
    startTime_.setTime(QTime(startTime_.time().hour(), startTime_.time().minute(),
                             startTime_.time().second()));
    currentIndex_ = -1;
    NextWord();
    return !testComplete_;
}

void frmTest::LoadTestWords()
{
    const WordOrder order = OrderOf(TestOptions.TestOrder);
    QString sql = QLatin1String(Sql::SELECT_WORDS_NO_LEADING_BLANK) + Sql::WHERE_LIST_ID +
                  Number(listId_) + Sql::VALUE_END;
    if (order == WordOrder::Created)
        sql += QLatin1String(Sql::ORDER_BY_WORD_ID);
    else if (order == WordOrder::Alphabetical)
        sql += QLatin1String(Sql::ORDER_BY_WORD);
    testWords_.clear();
    Recordset rs(sql, Globals::DbConnection());
    for (; !rs.Eof(); rs.MoveNext())
        testWords_.append(rs.Field(QStringLiteral("WORD_ID")).toText());
    rs.Close();
    if (order == WordOrder::Random)
        ShuffleWords();
}

// Between 32 and 51 exchanges of two randomly drawn positions.
void frmTest::ShuffleWords()
{
    if (testWords_.isEmpty())
        return;
    const int32_t last = static_cast<int32_t>(testWords_.size()) - 1;
    int32_t rounds = 0;
    while (rounds <= 30)
        rounds = RandomNumber(50);
    for (int32_t i = 0; i <= rounds; ++i) {
        const int32_t a = RandomNumber(last);
        const int32_t b = RandomNumber(last);
        testWords_.swapItemsAt(a, b);
    }
}

void frmTest::ArrangeFrames()
{
    const int innerWidth = Twips(kFrameWidth - 2 * kInnerLeft);
    const int defTop = Twips(100);
    cmdPronounce->setVisible(TestOptions.Pronounce);
    frameDefinition->setGeometry(Twips(kInnerLeft), defTop, innerWidth, Twips(kClueHeight));
    frameDefinition->setVisible(TestOptions.ShowDefinition);
    const int contextTop =
        TestOptions.ShowDefinition ? defTop + frameDefinition->height() + Twips(150) : defTop;
    frameContext->setGeometry(Twips(kInnerLeft), contextTop, innerWidth, Twips(kClueHeight));
    frameContext->setVisible(TestOptions.ShowContext);
    const int bottomTop =
        TestOptions.ShowContext ? contextTop + frameContext->height() + Twips(150) : contextTop;
    frameBottom->setGeometry(Twips(kInnerLeft), bottomTop, innerWidth, Twips(kBottomHeight));
    frameMain->resize(Twips(kFrameWidth), bottomTop + frameBottom->height() + Twips(200));
    CentreFrame();
}

void frmTest::CentreFrame()
{
    frameMain->move(width() / 2 - frameMain->width() / 2, height() / 2 - frameMain->height() / 2);
    const QSize quit = cmdQuit->sizeHint();
    cmdQuit->setGeometry(width() - quit.width() - Twips(200), Twips(200), quit.width(),
                         quit.height());
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
    FocusAnswerBox();
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

void frmTest::NextWord()
{
    attemptCount_ = 0;
    if (currentIndex_ >= static_cast<int32_t>(testWords_.size()) - 1) {
        EndTest();
        return;
    }
    ++currentIndex_;
    bool present = false;
    // A word that cannot be read is reported; like a deleted word, it ends the test with
    // what has been answered so far, rather than judging answers against the previous word.
    Guarded([&] { present = PresentWord(testWords_.at(currentIndex_)); });
    if (!present) {
        EndTest();
        return;
    }
    txtWord->clear();
    FocusAnswerBox();
    if (cmdPronounce->isEnabled() && TestOptions.Pronounce)
        PronounceWord();
}

// After a feedback message or the reveal window the test window is active again with the
// keyboard in the answer box.
void frmTest::FocusAnswerBox()
{
    if (isVisible())
        activateWindow();
    txtWord->setFocus();
}

// Shows the clues of one word; false when the word is no longer stored.
bool frmTest::PresentWord(const QString& wordId)
{
    Recordset rs(QLatin1String(Sql::SELECT_WORDS) + Sql::WHERE_WORD_ID + wordId + Sql::VALUE_END,
                 Globals::DbConnection());
    if (rs.Eof()) {
        rs.Close();
        return false;
    }
    currentWordId_ = rs.Field(QStringLiteral("WORD_ID")).toLong();
    currentWord_ = rs.Field(QStringLiteral("WORD")).toText();
    txtDefinition->setPlainText(rs.Field(QStringLiteral("DEFINITION")).toText());
    txtContext->setPlainText(rs.Field(QStringLiteral("SENTENCE")).toText());
    const QString wav = WordWavFile(currentWord_);
    cmdPronounce->setEnabled(!wav.isEmpty() && QFileInfo::exists(wav));
    caseSensitive_ = TextToBoolean(rs.Field(QStringLiteral("CASE_SENSITIVE")).toText());
    rs.Close();
    return true;
}

void frmTest::PronounceWord()
{
    const QString wav = WordWavFile(currentWord_);
    if (!wav.isEmpty())
        PlayWave(wav);
}

void frmTest::cmdNext_Click()
{
    // A key press that arrives while an answer is being handled (pending window events run
    // while the test is stored) must not judge the same answer again or store the test twice.
    if (testComplete_ || busy_ > 0)
        return;
    Busy busy(this);
    txtWord->setText(txtWord->text().trimmed());
    if (txtWord->text().isEmpty()) {
        txtWord->setFocus();
        return;
    }
    Guarded([&] { CheckAnswer(); });
}

void frmTest::CheckAnswer()
{
    txtWord->setText(txtWord->text().trimmed());
    const QString answer = txtWord->text();
    const bool correct = caseSensitive_ ? answer == currentWord_
                                        : answer.toUpper() == currentWord_.toUpper();
    ++attemptCount_;
    if (correct)
        AnswerCorrect();
    else
        AnswerIncorrect();
}

// An answer counts as an attempt only once it is stored: when storing fails the error
// reaches the user and the same word is asked again with the same attempt number.
void frmTest::StoreAttempt(const QString& result)
{
    try {
        RecordAttempt(testId_, listId_, currentWordId_, txtWord->text(), result, attemptCount_);
    } catch (...) {
        --attemptCount_;
        txtWord->setFocus();
        throw;
    }
}

void frmTest::AnswerCorrect()
{
    StoreAttempt(QStringLiteral("CORRECT"));
    if (TestOptions.PlayCorrectSound)
        PlayWave(Globals::CorrectSoundPath);
    ShowTempMessage(QStringLiteral("Correct"), currentWord_);
    NextWord();
}

void frmTest::AnswerIncorrect()
{
    StoreAttempt(QStringLiteral("INCORRECT"));
    if (TestOptions.PlayIncorrectSound)
        PlayWave(Globals::IncorrectSoundPath);
    if (attemptCount_ >= TestOptions.MoveOnAfter) {
        ShowTempMessage(QStringLiteral("Incorrect"), QString());
        if (TestOptions.RevealAnswers) {
            frmRevealAnswer reveal(this);
            reveal.TakeInWordDetails(currentWord_, caseSensitive_);
            reveal.exec();
        }
        NextWord();
        return;
    }
    ShowTempMessage(QStringLiteral("Incorrect"), QStringLiteral("Try Again"));
    if (TestOptions.ClearWrongAnswer) {
        txtWord->clear();
    } else {
        txtWord->deselect();
        txtWord->end(false);
    }
    if (cmdPronounce->isEnabled() && TestOptions.Pronounce)
        PronounceWord();
    FocusAnswerBox();
}

void frmTest::SaveTest()
{
    // The row and the end of the running mark go together: a crash between them can neither
    // lose a stored test's answers nor leave answers counted for ever.
    Transaction transaction(Globals::DbConnection());
    Recordset rs(QLatin1String(Sql::SELECT_TESTS) + Sql::WHERE_TEST_ID + Number(testId_) +
                     Sql::VALUE_END,
                 Globals::DbConnection());
    rs.AddNew();
    rs.SetField(QStringLiteral("TEST_ID"), Variant(testId_));
    rs.SetField(QStringLiteral("LIST_ID"), Variant(listId_));
    rs.SetField(QStringLiteral("MOVE_ON_AFTER"), Variant(TestOptions.MoveOnAfter));
    rs.SetField(QStringLiteral("START_TIME"), Variant(startTime_));
    rs.SetField(QStringLiteral("END_TIME"), Variant(QDateTime::currentDateTime()));
    rs.Update();
    rs.Close();
    MarkTestEnded(testId_);
    transaction.Commit();
    ProcessEvents(3);
}

bool frmTest::SaveTestOrGiveUp()
{
    for (;;) {
        QString problem;
        try {
            SaveTest();
            return true;
        } catch (const DbError& e) {
            LogDbError(e);
            problem = e.message();
        } catch (const std::exception& e) {
            problem = QString::fromLocal8Bit(e.what());
        }
        // A finished test is not thrown away at the first refusal (a full disk can be cleared).
        if (MsgBox(QStringLiteral("The test could not be saved.\r") + problem +
                       QStringLiteral("\rYour answers are kept. Try to save the test again?"),
                   MsgButtons::YesNo, MsgIcon::Exclamation, this) == MsgResult::No)
            break;
    }
    // Given up: its answers go now, and a clean-up that fails is said, never silent.
    Guarded([&] {
        DeleteTest(testId_);
        MarkTestEnded(testId_);
    });
    return false;
}

void frmTest::EndTest()
{
    testComplete_ = true;
    if (!SaveTestOrGiveUp()) {
        CloseByProgram();
        ShowMainWindow();
        return;
    }
    if (auto* main = frmLists::instance())
        main->IncrementListTests(listId_);
    CloseByProgram();

    auto* results = new frmTestResults;
    Guarded([&] { results->SetTestID(testId_); });
    results->SetParentForm(QStringLiteral("frmTest"));
    results->show();
}

void frmTest::CloseByProgram()
{
    closingByProgram_ = true;
    close();
}

void frmTest::closeEvent(QCloseEvent* event)
{
    if (!closingByProgram_ && !testComplete_) {
        if (MsgBox(QStringLiteral("You have not completed the test.\rDo you really want to quit?"),
                   MsgButtons::YesNo, MsgIcon::None, this) != MsgResult::Yes) {
            event->ignore();
            txtWord->setFocus();
            return;
        }
        Guarded([&] {
            DeleteTest(testId_);
            MarkTestEnded(testId_);
        });
        ShowMainWindow();
    }
    event->accept();
    if (g_instance == this)
        g_instance = nullptr;
    closed_ = true;
    DeleteWhenIdle();
}
