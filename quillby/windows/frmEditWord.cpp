#include "frmEditWord.h"

#include "ProcessEvents.h"
#include "StoredText.h"
#include "ErrorReport.h"
#include "FormHelpers.h"
#include "Globals.h"
#include "Ids.h"
#include "MsgBox.h"
#include "Pronounce.h"
#include "WordQueries.h"
#include "Sound.h"
#include "Speech.h"
#include "Twips.h"
#include "SoundFolder.h"
#include "WavFiles.h"
#include "WavReader.h"
#include "WindowPlacement.h"
#include "frmMessage.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kRed(0xFF, 0x00, 0x00);

} // namespace

QPlainTextEdit* MakeMultiLineBox(const char* name, QLabel* label)
{
    auto* box = new QPlainTextEdit;
    NameControl(box, name, PlainLabelText(label->text()));
    box->setTabChangesFocus(true);
    label->setBuddy(box);
    return box;
}

frmEditWord::frmEditWord(QWidget* owner) : QMainWindow(owner), OneOpenWindow(this)
{
    setObjectName(QStringLiteral("frmEditWord"));
    setAttribute(Qt::WA_DeleteOnClose);
    BuildControls();
    BuildMenu();
    SetTabOrder();
    setWindowTitle(tr("New Word"));
    AddCloseKeys(this, false); // Escape would drop what was typed
    // Loading: no working copy from an earlier session may pass for a recording.
    DeleteFileQuietly(TempWavPath());
    newRecording_ = false;
    UpdateSpeakButton();
    // Recording and Pronounce answer at once: sound gets ready while the word is typed.
    PrepareSound();
    if (speechOn_)
        WarmUpSpeech();
}

frmEditWord::~frmEditWord()
{
    if (Timer1->isActive())
        CloseRecorder();
}

QString frmEditWord::NoRecordingMessage()
{
    return tr(
        "This word can not have a recording: its text can not be used as the name of a sound "
        "file (it holds a character such as / or \\, or it is too long).\r"
        "The word can still be saved without a recording.");
}

QString frmEditWord::UnsavedWordQuestion()
{
    return tr("This word has not been saved.\rDo you want to save it before closing?");
}

QString frmEditWord::RecordingFailedMessage(const QString& path)
{
    return tr("The recording could not be saved to\r%1\r"
              "(the disk may be full or read-only). Please make room and record again.")
        .arg(QDir::toNativeSeparators(path));
}

QString frmEditWord::RecordingCutShortMessage()
{
    return tr("The recording could not be made, or it was cut short: the microphone or the "
              "sound system stopped answering.\r"
              "The word keeps the recording it had before, if any. Please record again.");
}

QString frmEditWord::RecordingNotStoredMessage(const QString& path)
{
    return tr("The word was saved, but its recording could not be written to\r%1\r"
                          "(the disk may be full or read-only). Any earlier recording is kept, "
                          "and the new recording stays here until you save again or close "
                          "this window.")
        .arg(QDir::toNativeSeparators(path));
}

void frmEditWord::BuildControls()
{
    auto* central = new QWidget;
    auto* grid = new QGridLayout(central);

    Label1 = MakeLabel(nullptr, "Label1", tr("Word"));
    txtWord = MakeTextBox(nullptr, "txtWord", Label1);
    chkCaseSensitive = MakeCheckBox(
        nullptr, "chkCaseSensitive", tr("C&ase Sensitive"),
        tr("Case sensitive indicates that the word must be typed exactly as it "
                       "appears to be counted as correct"));
    Label2 = MakeLabel(nullptr, "Label2", tr("Definition"));
    txtDefinition = MakeMultiLineBox("txtDefinition", Label2);
    Label3 = MakeLabel(nullptr, "Label3", tr("Context Sentence"));
    txtSentence = MakeMultiLineBox("txtSentence", Label3);
    cmdSaveWord = MakeButton(nullptr, "cmdSaveWord", tr("&Save"),
                             tr("Save this word"));
    cmdCancel = MakeButton(nullptr, "cmdCancel", tr("&Cancel"),
                           tr("Do not save changes"));

    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtWord, 1, 0);
    grid->addWidget(chkCaseSensitive, 1, 1);
    grid->addWidget(Label2, 2, 0, 1, 2);
    grid->addWidget(txtDefinition, 3, 0, 1, 2);
    grid->addWidget(Label3, 4, 0, 1, 2);
    grid->addWidget(txtSentence, 5, 0, 1, 2);
    grid->addWidget(BuildWavFrame(), 6, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSaveWord);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 7, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    setCentralWidget(central);
    resize(Twips(7200), Twips(6600));
    RememberWindowPlace(this);

    connect(cmdSaveWord, &QPushButton::clicked, this, &frmEditWord::cmdSaveWord_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(txtWord, &QLineEdit::textChanged, this,
            [this] { cmdSpeak->setEnabled(speechOn_ && !WordText().isEmpty()); });
}

QWidget* frmEditWord::BuildWavFrame()
{
    frameWav = new QGroupBox(tr("Pronounciation"));
    frameWav->setObjectName(QStringLiteral("frameWav"));
    cmdRecord = MakeButton(nullptr, "cmdRecord", tr("&Record"),
                           tr("Record the pronounciation"));
    cmdStop = MakeButton(nullptr, "cmdStop", tr("S&top"),
                         tr("Stop recording"));
    cmdStop->hide();
    cmdPlay = MakeButton(nullptr, "cmdPlay", tr("&Play"),
                         tr("Hear the current recording"));
    cmdDeleteWav = MakeButton(nullptr, "cmdDeleteWav", tr("&Delete"),
                              tr("Clear the current recording"));
    cmdSpeak = MakeButton(nullptr, "cmdSpeak", tr("Spea&k"),
                          tr("Hear the word as a practice test will say it: its "
                                         "recording, or else the computer's voice"));

    // The recording indicator: a round lamp that blinks while the microphone is open.
    Shape1 = new QFrame;
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFixedSize(Twips(300), Twips(300));
    Shape1->setAccessibleName(tr("Recording"));
    Shape1->setToolTip(tr("Recording"));
    SetIndicatorColor(kRed);
    Shape1->hide();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(250);

    auto* row = new QHBoxLayout(frameWav);
    row->addWidget(cmdRecord);
    row->addWidget(cmdStop);
    row->addWidget(Shape1);
    row->addStretch();
    row->addWidget(cmdPlay);
    row->addWidget(cmdDeleteWav);
    row->addWidget(cmdSpeak);

    connect(cmdRecord, &QPushButton::clicked, this, &frmEditWord::cmdRecord_Click);
    connect(cmdStop, &QPushButton::clicked, this, &frmEditWord::cmdStop_Click);
    connect(cmdPlay, &QPushButton::clicked, this, &frmEditWord::cmdPlay_Click);
    connect(cmdDeleteWav, &QPushButton::clicked, this, &frmEditWord::cmdDeleteWav_Click);
    connect(cmdSpeak, &QPushButton::clicked, this, &frmEditWord::cmdSpeak_Click);
    connect(Timer1, &QTimer::timeout, this, &frmEditWord::Timer1_Timer);
    return frameWav;
}

void frmEditWord::BuildMenu()
{
    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuSave = mnuFile->addAction(tr("&Save"));
    mnuSave->setObjectName(QStringLiteral("mnuSave"));
    mnuExit = mnuFile->addAction(tr("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuSave, &QAction::triggered, this, &frmEditWord::cmdSaveWord_Click);
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
}

void frmEditWord::SetTabOrder()
{
    QWidget* order[] = {txtWord, chkCaseSensitive, txtDefinition, txtSentence, cmdSaveWord,
                        cmdCancel, cmdRecord, cmdStop, cmdPlay, cmdDeleteWav, cmdSpeak};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

bool frmEditWord::IsRecording() const { return Timer1->isActive(); }

bool frmEditWord::HasUnsavedWord() const
{
    return newRecording_ || IsRecording() || WordText() != storedWord_ ||
           txtDefinition->toPlainText().trimmed() != storedDefinition_ ||
           txtSentence->toPlainText().trimmed() != storedSentence_ ||
           chkCaseSensitive->isChecked() != storedCaseSensitive_;
}

void frmEditWord::RememberStored()
{
    storedWord_ = wordId_ > 0 ? WordText() : QString();
    storedDefinition_ = txtDefinition->toPlainText().trimmed();
    storedSentence_ = txtSentence->toPlainText().trimmed();
    storedCaseSensitive_ = chkCaseSensitive->isChecked();
}

bool frmEditWord::ConfirmClose()
{
    if (!HasUnsavedWord())
        return true;
    raise();
    activateWindow();
    switch (MsgBox(UnsavedWordQuestion(), MsgButtons::YesNoCancel, MsgIcon::Question, this)) {
    case MsgResult::Yes:
        return SaveFromWindow();
    case MsgResult::No:
        return true;
    default:
        return false;
    }
}

QColor frmEditWord::IndicatorColor() const { return indicatorColor_; }

void frmEditWord::SetIndicatorColor(const QColor& color)
{
    indicatorColor_ = color;
    Shape1->setStyleSheet(QStringLiteral("QFrame#Shape1 { background-color: %1; border: 1px "
                                         "solid #606060; border-radius: %2px; }")
                              .arg(color.name())
                              .arg(Shape1->width() / 2));
}

QString frmEditWord::WordText() const { return txtWord->text().trimmed(); }

void frmEditWord::SetWavButtonsEnabled(bool enabled)
{
    cmdPlay->setEnabled(enabled);
    cmdDeleteWav->setEnabled(enabled);
}

void frmEditWord::ShowIdle()
{
    Timer1->stop();
    Shape1->hide();
    cmdStop->hide();
    cmdRecord->show();
}

// Ends a recording that is still running without keeping it.
void frmEditWord::DiscardRecording()
{
    if (!IsRecording())
        return;
    CloseRecorder();
    ShowIdle();
}

void frmEditWord::SetWordID(int32_t wordId)
{
    DiscardRecording();
    wordId_ = wordId;
    UpdateSpeakButton();
    if (wordId < 1) {
        setWindowTitle(tr("New Word"));
        SetWavButtonsEnabled(false);
        chkCaseSensitive->setChecked(false);
        txtDefinition->clear();
        txtSentence->clear();
        newRecording_ = false;
        DeleteFileQuietly(TempWavPath());
        RememberStored();
        return;
    }
    setWindowTitle(tr("Edit Word %1").arg(GetWordText(wordId)));
    LoadWordDetails();
}

void frmEditWord::LoadWordDetails()
{
    CloseRecorder();
    ShowIdle();
    DeleteFileQuietly(TempWavPath());
    // A recording made for the previous word is gone with the closed recorder.
    newRecording_ = false;
    if (const std::optional<WordDetails> details = ReadWordDetails(wordId_)) {
        txtWord->setText(details->word);
        txtDefinition->setPlainText(details->definition);
        txtSentence->setPlainText(details->sentence);
        chkCaseSensitive->setChecked(TextToCheckValue(details->caseSensitive) == 1);
        RestoreStoredRecording(txtWord->text());
    }
    RememberStored();
}

// The stored recording of the word's stored text becomes the working copy again; an empty or
// damaged file is no recording (it stays on the disk until a new take replaces it).
void frmEditWord::RestoreStoredRecording(const QString& storedText)
{
    const QString stored = wordId_ > 0 ? WordWavFile(storedText) : QString();
    SetWavButtonsEnabled(!stored.isEmpty() && WavFileHasSound(stored) &&
                         CopyFileReplacing(stored, TempWavPath()));
}

void frmEditWord::cmdRecord_Click()
{
    if (!WordText().isEmpty() && !WordCanHaveRecording(WordText())) {
        MsgBox(NoRecordingMessage(), MsgButtons::OK, MsgIcon::None, this);
        return;
    }
    newRecording_ = true;
    takeDeleted_ = false;
    DeleteFileQuietly(TempWavPath());
    SetWavButtonsEnabled(false);
    cmdRecord->hide();
    cmdStop->show();
    cmdStop->setFocus();
    Shape1->show();
    Timer1->start();
    StartRecording();
    // A microphone that is listed but does not open (the sound system went away) is said at
    // once rather than after the parent has spoken into nothing.
    if (!RecordingCutShort())
        return;
    CloseRecorder();
    ShowIdle();
    cmdRecord->setFocus();
    LoseTake(RecordingCutShortMessage());
}

void frmEditWord::cmdStop_Click()
{
    const bool written = StopRecording(TempWavPath());
    const bool cutShort = RecordingCutShort();
    ShowIdle();
    SetWavButtonsEnabled(true);
    cmdRecord->setFocus();
    if (cutShort)
        LoseTake(RecordingCutShortMessage());
    else if (!written)
        LoseTake(RecordingFailedMessage(TempWavPath()));
}

// The take is lost: saving must not take that for "no recording" and remove the stored one.
void frmEditWord::LoseTake(const QString& message)
{
    newRecording_ = false;
    Guarded([&] { RestoreStoredRecording(GetWordText(wordId_)); });
    MsgBox(message, MsgButtons::OK, MsgIcon::Exclamation, this);
}

void frmEditWord::Timer1_Timer()
{
    // A recording that broke off is stopped at once, so the lamp does not blink over nothing.
    if (RecordingBroke()) {
        cmdStop_Click();
        return;
    }
    SetIndicatorColor(indicatorColor_ == kWhite ? kRed : kWhite);
}

void frmEditWord::cmdPlay_Click() { PlayWave(TempWavPath()); }

void frmEditWord::cmdDeleteWav_Click()
{
    takeDeleted_ = true;
    DeleteFileQuietly(TempWavPath());
}

bool frmEditWord::HasNewTake() const
{
    return newRecording_ && (takeDeleted_ || QFile::exists(TempWavPath()));
}

// The working copy is what the word will keep when it is saved, so it is what a test plays.
void frmEditWord::cmdSpeak_Click() { PlayOrSpeakWord(WordText(), TempWavPath()); }

// Speak stays off while speech is off: then it would only repeat Play.
void frmEditWord::UpdateSpeakButton()
{
    speechOn_ = WillSpeakWords();
    cmdSpeak->setEnabled(speechOn_ && !WordText().isEmpty());
}

void frmEditWord::cmdSaveWord_Click() { SaveFromWindow(); }

bool frmEditWord::SaveFromWindow()
{
    // A save while the microphone is open first stops the recording and keeps it, so the
    // word is never stored with the microphone still running behind the window.
    if (IsRecording())
        cmdStop_Click();
    txtWord->setText(txtWord->text().trimmed());
    txtDefinition->setPlainText(txtDefinition->toPlainText().trimmed());
    txtSentence->setPlainText(txtSentence->toPlainText().trimmed());
    if (!ValidateForSave())
        return false;
    bool stored = false;
    Guarded([&] { stored = SaveWord(); });
    return stored;
}

bool frmEditWord::ValidateForSave()
{
    if (txtWord->text().isEmpty()) {
        MsgBox(tr(
                   "Can not save a blank word.  Please type the word in the box provided."),
               MsgButtons::OK, MsgIcon::None, this);
        txtWord->setFocus();
        return false;
    }
    const bool haveRecording = WavFileHasSound(TempWavPath());
    const bool canKeepRecording = haveRecording && WordCanHaveRecording(txtWord->text());
    if (haveRecording && !canKeepRecording)
        MsgBox(NoRecordingMessage(), MsgButtons::OK, MsgIcon::None, this);
    if (txtDefinition->toPlainText().isEmpty() && txtSentence->toPlainText().isEmpty() &&
        !canKeepRecording) {
        MsgBox(tr("At least one of the following items must be provided:\r"
                              "   1. A Definition\r"
                              "   2. A Context Sentence\r"
                              "or 3. A Recording of the word"),
               MsgButtons::OK, MsgIcon::None, this);
        txtDefinition->setFocus();
        return false;
    }
    return true;
}

bool frmEditWord::SaveWord()
{
    txtWord->setText(txtWord->text().trimmed());
    // Files before rows: a crash between the steps leaves an extra file, which the next start
    // removes, never a word whose recording is gone. A row that is not written (a locked
    // database) takes the file change back with it.
    SoundChangeMark mark;
    RecordingReplacement files;
    const bool recordingStored = StoreRecording(files);
    CrashPoint("word-recording-stored");
    const bool created = StoreWordRow(files);
    return AfterSave(created, recordingStored);
}

bool frmEditWord::StoreWordRow(RecordingReplacement& files)
{
    const bool created = wordId_ <= 0;
    const int32_t id = created ? GetNextID(IdCode::WORD_ID) : wordId_;
    // A renamed word's recording is copied to its new name before the row changes and the old
    // file removed after, so neither a failed write nor a crash detaches the recording.
    const QString oldText = created ? QString() : GetWordText(id);
    const bool renameRecording = !created && !HasNewTake();
    const bool moved = renameRecording && CopyRecording(oldText, txtWord->text(), files);
    CrashPoint("word-recording-copied");

    WriteWordRow(id);
    files.Commit();
    wordId_ = id;
    CrashPoint("word-row-stored");

    if (moved)
        RemoveRecordingIfUnused(oldText);
    return created;
}

void frmEditWord::WriteWordRow(int32_t id)
{
    StoreWord(id, listId_,
              {txtWord->text(), txtDefinition->toPlainText(), txtSentence->toPlainText(),
               CheckValueToText(chkCaseSensitive->isChecked() ? 1 : 0)});
}

// A new take replaces the stored recording; after Record, Stop and Delete it removes it.
// False when the new recording could not be written (it then stays in Temp.wav).
bool frmEditWord::StoreRecording(RecordingReplacement& files)
{
    if (!HasNewTake())
        return true;
    const QString target = WordWavFile(txtWord->text());
    if (target.isEmpty())
        return true;
    if (!QFile::exists(TempWavPath())) {
        files.Remove(target);
        return true;
    }
    // An empty or damaged take is never stored; the stored recording stays.
    if (!WavFileHasSound(TempWavPath()))
        return true;
    if (files.Replace(TempWavPath(), target))
        return true;
    MsgBox(RecordingNotStoredMessage(target), MsgButtons::OK, MsgIcon::Exclamation, this);
    return false;
}

bool frmEditWord::AfterSave(bool created, bool recordingStored)
{
    // From here on nothing may undo the save: failures of the notices are ignored.
    int32_t id = wordId_;
    try {
        ShowTempMessage(tr("Word Saved"), txtWord->text());
        if (created)
            emit NewWordSaved(id);
        else
            emit WordUpdated(id);
    } catch (...) {
    }
    // A recording that could not be written stays in the editor for another Save.
    if (!recordingStored) {
        setWindowTitle(tr("Edit Word %1").arg(txtWord->text()));
        RememberStored(); // the row is stored; the take still is not
        return false;
    }
    if (!created) {
        close();
        return true;
    }
    txtWord->clear();
    txtDefinition->clear();
    txtSentence->clear();
    chkCaseSensitive->setChecked(false);
    newRecording_ = false;
    DeleteFileQuietly(TempWavPath());
    SetWordID(0);
    txtWord->setFocus();
    return true;
}

void frmEditWord::ChangeWavNameIfNeeded()
{
    const QString oldText = GetWordText(wordId_);
    SoundChangeMark mark;
    RecordingReplacement files;
    const bool moved = CopyRecording(oldText, txtWord->text(), files);
    files.Commit();
    if (moved)
        RemoveRecordingIfUnused(oldText);
    newRecording_ = false;
}

bool frmEditWord::CopyRecording(const QString& oldText, const QString& newText,
                                RecordingReplacement& files)
{
    if (oldText.toUpper() == newText.toUpper())
        return false;
    const QString oldFile = WordWavFile(oldText);
    if (oldFile.isEmpty() || !QFile::exists(oldFile))
        return false;
    const QString newFile = WordWavFile(newText);
    // Without a place for the copy the recording stays where it is.
    if (newFile.isEmpty())
        return false;
    // Another word's recording of the new text is never replaced: the renamed word joins it.
    if (QFileInfo(newFile).isFile() && WordTextInUse(newText, wordId_))
        return true;
    if (!files.Replace(oldFile, newFile)) {
        MsgBox(RecordingNotStoredMessage(newFile), MsgButtons::OK, MsgIcon::Exclamation, this);
        return false;
    }
    ProcessEvents(9);
    return true;
}

void frmEditWord::RemoveRecordingIfUnused(const QString& oldText)
{
    // Another word of the old text still plays the old file.
    if (!WordTextInUse(oldText, wordId_))
        DeleteFileQuietly(WordWavFile(oldText));
}

void frmEditWord::closeEvent(QCloseEvent* event)
{
    // Closing while recording ends the recording and keeps nothing of it.
    DiscardRecording();
    DeleteFileQuietly(TempWavPath());
    Forget();
    event->accept();
    emit Closed();
}
