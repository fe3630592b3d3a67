#pragma once
#include <QDateTime>
#include <QStringList>
#include <QWidget>
#include <cstdint>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The running practice test: asks every word of one list once, in the chosen order, shows the
// clues the settings allow, judges and stores each answer, and ends with the results window.
class frmTest : public QWidget {
    Q_OBJECT
public:
    explicit frmTest(QWidget* parent = nullptr);
    ~frmTest() override;

    // The open test window, or nullptr.
    static frmTest* instance();

    // Exactly one of these fills TestOptions before Start.
    void LoadCustomOptions();
    void LoadDefaultOptions();
    void UsePreviousTestOptions();

    // Begins a test on a list. Returns false when no test runs: the list has no words (said to
    // the user) or the test could not begin; the window has then closed and the main window
    // is shown again.
    bool Start(int32_t listId);
    void NextWord();
    void EndTest();
    void CheckAnswer();

    // The WORD_ID texts of the words in asking order.
    const QStringList& TestWords() const { return testWords_; }
    int32_t TestID() const { return testId_; }
    int32_t ListID() const { return listId_; }
    bool TestComplete() const { return testComplete_; }
    QString CurrentWord() const { return currentWord_; }
    int32_t CurrentIndex() const { return currentIndex_; }
    int32_t AttemptCount() const { return attemptCount_; }

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

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    void LoadTestWords();
    void ShuffleWords();
    void ArrangeFrames();
    void CentreFrame();
    QRect ScreenArea() const;
    void FitFrameToScreen();
    bool PresentWord(const QString& wordId);
    void SaveTest();
    // Saves the finished test, asking to try again while it fails; false when given up.
    bool SaveTestOrGiveUp();
    void StoreAttempt(const QString& result);
    void AnswerCorrect();
    void AnswerIncorrect();
    void PronounceWord();
    void FocusAnswerBox();
    void cmdNext_Click();
    void CloseByProgram();
    void DeleteWhenIdle();

    // The window may close while one of its own handlers runs (the last answer ends the
    // test); it is deleted only once no handler of it is on the stack.
    struct Busy {
        explicit Busy(frmTest* w) : window(w) { ++window->busy_; }
        ~Busy();
        frmTest* window;
    };
    int busy_ = 0;
    bool closed_ = false;

    int32_t testId_ = 0;
    int32_t listId_ = 0;
    int32_t currentIndex_ = -1;
    int32_t attemptCount_ = 0;
    QString currentWord_;
    int32_t currentWordId_ = 0;
    bool caseSensitive_ = false;
    bool testComplete_ = false;
    bool closingByProgram_ = false;
    QDateTime startTime_;
    QStringList testWords_;
};
