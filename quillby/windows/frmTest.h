#pragma once
#include "OneOpenWindow.h"
#include "PracticeSession.h"
#include "PracticeView.h"

#include <QWidget>
#include <cstdint>
#include <memory>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The window of a running practice test: shows what its session says (the clues of each
// word, the feedback, the revealed word) and hands it the student's answers and clicks.
class frmTest : public QWidget, private PracticeView, public OneOpenWindow<frmTest> {
    Q_OBJECT
public:
    explicit frmTest(QWidget* parent = nullptr);
    ~frmTest() override;

    // Begins a test on a list with these settings. Returns false when no test runs: the list
    // has no words (said to the user) or the test could not begin; the window has then closed
    // and the main window is shown again.
    bool Start(int32_t listId, const TestSettings& settings);
    // Begins a practice round on the missed words of a stored test of the list, likewise.
    bool StartPractice(int32_t listId, int32_t practisedTestId, const TestSettings& settings);

    const PracticeSession& Session() const { return session_; }
    // What the window shows, as its session holds it.
    const QStringList& TestWords() const { return session_.TestWords(); }
    int32_t TestID() const { return session_.TestID(); }
    int32_t ListID() const { return session_.ListID(); }
    bool TestComplete() const { return session_.TestComplete(); }
    QString CurrentWord() const { return session_.CurrentWord(); }
    int32_t CurrentIndex() const { return session_.CurrentIndex(); }
    int32_t AttemptCount() const { return session_.AttemptCount(); }

    QFrame* frameMain;
    QGroupBox* frameDefinition;
    QPlainTextEdit* txtDefinition;
    QGroupBox* frameContext;
    QPlainTextEdit* txtContext;
    QFrame* frameBottom;
    QLabel* lblWord;
    QLineEdit* txtWord;
    QPushButton* cmdNext;
    QPushButton* cmdPronounce;
    QPushButton* cmdQuit;
    // How far the test has gone: "Word 3 of 12".
    QLabel* lblProgress;

signals:
    // The test has been stored and its window closed: its results are to show.
    void Finished(int32_t testId);
    // The last word is being asked (a moment after it showed): its results can be made ready.
    void LastWordAsked();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // What the session tells the window.
    void ArrangeClues(const TestSettings& settings) override;
    void ShowWord(const WordClues& clues) override;
    void ShowAnswer(const QString& answer) override;
    void ClearAnswer() override;
    void KeepAnswerForCorrection() override;
    void FocusAnswer() override;
    void Play(const QString& wavFile) override;
    bool CanSayWord(const QString& word) override;
    void SayWord(const QString& word) override;
    void ShowFeedback(const QString& top, const QString& bottom) override;
    void Reveal(const RevealedWord& word) override;
    void Tell(const QString& message) override;
    bool Ask(const QString& question, bool yesLosesAnswers) override;
    void ReportError(const QString& what) override;
    void Ended(bool stored) override;

    void BuildControls();
    void CentreFrame();
    QRect ScreenArea() const;
    void FitFrameToScreen();
    void cmdNext_Click();
    void CloseByProgram();
    void DeleteWhenIdle();
    void TellWhenLastWord();

    // The window may close while one of its own handlers runs (the last answer ends the
    // test); it is deleted only once no handler of it is on the stack.
    struct Busy {
        explicit Busy(frmTest* w) : window(w) { ++window->busy_; }
        ~Busy();
        frmTest* window;
    };
    int busy_ = 0;
    bool closed_ = false;
    bool closingByProgram_ = false;
    bool lastWordTold_ = false;
    std::unique_ptr<PracticeStore> store_; // the program's database
    PracticeSession session_;
};
