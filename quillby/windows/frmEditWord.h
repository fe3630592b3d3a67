#pragma once
#include "OneOpenWindow.h"
#include <QColor>
#include <QMainWindow>
#include <QString>
#include <cstdint>

class QAction;
class RecordingReplacement;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// A multi-line box named by its label (the label's buddy); Tab leaves it.
QPlainTextEdit* MakeMultiLineBox(const char* name, QLabel* label);

// The word editor: one word with its definition, context sentence, case flag and recording.
// Modeless, owned by the window that opens it, which listens to its signals. Set ListID, then
// WordID (0 for a new word), then show it.
class frmEditWord : public QMainWindow, public OneOpenWindow<frmEditWord> {
    Q_OBJECT
public:
    explicit frmEditWord(QWidget* owner = nullptr);
    ~frmEditWord() override;

    int32_t ListID() const { return listId_; }
    void SetListID(int32_t listId) { listId_ = listId; }
    int32_t WordID() const { return wordId_; }
    // Below 1: an empty new word (the word box keeps its text). Otherwise loads that word.
    // Throws DbError when the database fails.
    void SetWordID(int32_t wordId);

    // Fills the window from the stored row of WordID and copies its recording to Temp.wav.
    void LoadWordDetails();
    // For an existing word whose text changed: moves its recording to the new name.
    void ChangeWavNameIfNeeded();

    bool IsRecording() const;
    // Whether the window holds typing or a take that is not stored.
    bool HasUnsavedWord() const;
    // Before the window goes with the window that owns it: asks about an unsaved word. Yes
    // saves it, No drops it, Cancel keeps it. True when the window may close (nothing unsaved,
    // saved, or dropped); false when the parent cancelled or the save did not go through.
    bool ConfirmClose();
    static QString UnsavedWordQuestion();
    bool NewRecording() const { return newRecording_; }

    // Shown when a word's text cannot name a sound file.
    static QString NoRecordingMessage();
    // Shown when Stop could not write what was recorded to the working file.
    static QString RecordingFailedMessage(const QString& path);
    // Shown when the microphone could not be opened or the recording broke off before Stop.
    static QString RecordingCutShortMessage();
    // Shown when a recording could not be written to its file.
    static QString RecordingNotStoredMessage(const QString& path);

    QLabel* Label1 = nullptr;
    QLineEdit* txtWord = nullptr;
    QCheckBox* chkCaseSensitive = nullptr;
    QLabel* Label2 = nullptr;
    QPlainTextEdit* txtDefinition = nullptr;
    QLabel* Label3 = nullptr;
    QPlainTextEdit* txtSentence = nullptr;
    QGroupBox* frameWav = nullptr;
    QPushButton* cmdRecord = nullptr;
    QPushButton* cmdStop = nullptr;
    QPushButton* cmdPlay = nullptr;
    QPushButton* cmdDeleteWav = nullptr;
    // Says the word in the word box as a test will: its recording, else the computer's voice.
    QPushButton* cmdSpeak = nullptr;
    QFrame* Shape1 = nullptr;
    QTimer* Timer1 = nullptr;
    QPushButton* cmdSaveWord = nullptr;
    QPushButton* cmdCancel = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuExit = nullptr;

    // The indicator's current fill colour.
    QColor IndicatorColor() const;

signals:
    // A new word was stored with this id.
    void NewWordSaved(int32_t wordId);
    // An existing word was stored; the editor is still open and holds the saved text.
    void WordUpdated(int32_t wordId);
    // The editor has closed.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    QWidget* BuildWavFrame();
    void BuildMenu();
    void SetTabOrder();

    void cmdRecord_Click();
    void cmdStop_Click();
    void cmdPlay_Click();
    void cmdDeleteWav_Click();
    void cmdSpeak_Click();
    void UpdateSpeakButton();
    void cmdSaveWord_Click();
    // Save: true when the word and its recording are stored.
    bool SaveFromWindow();
    // Record was pressed and the take came out or was deleted: Save then replaces the stored
    // recording. A take that captured nothing (no device) leaves it as it was.
    bool HasNewTake() const;
    // What the window shows now counts as stored.
    void RememberStored();
    void Timer1_Timer();
    bool ValidateForSave();
    bool SaveWord();
    // Stores the row (steps of the save up to the recording); returns whether a word was created.
    bool StoreWordRow(RecordingReplacement& files);
    void WriteWordRow(int32_t id);
    bool StoreRecording(RecordingReplacement& files);
    bool AfterSave(bool created, bool recordingStored);

    void SetWavButtonsEnabled(bool enabled);
    void RestoreStoredRecording(const QString& storedText);
    // Gives up the take, brings back the stored recording as the working copy and says why.
    void LoseTake(const QString& message);
    void ShowIdle();
    void DiscardRecording();
    void SetIndicatorColor(const QColor& color);
    QString WordText() const;
    // Copies the recording of oldText to the name of newText (texts differing beyond case),
    // through files so that a row that is not written takes it back. True when the new name
    // has the recording: copied, or another word's recording of the new text, which is never
    // replaced. The old file then goes with RemoveRecordingIfUnused once the row carries the
    // new text.
    bool CopyRecording(const QString& oldText, const QString& newText,
                       RecordingReplacement& files);
    void RemoveRecordingIfUnused(const QString& oldText);

    int32_t listId_ = 0;
    int32_t wordId_ = 0;
    bool newRecording_ = false;
    bool takeDeleted_ = false; // Delete was pressed after the last Record
    // The stored word as the window last showed it, to tell unsaved typing.
    QString storedWord_, storedDefinition_, storedSentence_;
    bool storedCaseSensitive_ = false;
    bool speechOn_ = false; // words without a recording are spoken (read per word shown)
    QColor indicatorColor_;
};
