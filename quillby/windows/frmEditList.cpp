#include "frmEditList.h"

#include "CopyToChild.h"
#include "ListQueries.h"
#include "StoredText.h"
#include "ErrorReport.h"
#include "ImportQueries.h"
#include "ImportText.h"
#include "frmMessage.h"
#include "FormHelpers.h"
#include "Globals.h"
#include "MsgBox.h"
#include "Options.h"
#include "PrintCommands.h"
#include "Pronounce.h"
#include "RowKeys.h"
#include "Sound.h"
#include "Speech.h"
#include "TestGrids.h"
#include "Twips.h"
#include "WavFiles.h"
#include "WordQueries.h"
#include "WindowPlacement.h"
#include "frmEditWord.h"
#include "TaskNotices.h"

#include <algorithm>

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <exception>

namespace {
// A read-only box and its label, which names it.
QLineEdit* ReadOnlyBox(const char* name, QLabel* label, const QString& tip = QString())
{
    auto* box = MakeTextBox(nullptr, name, label);
    box->setReadOnly(true);
    box->setToolTip(tip);
    return box;
}

QPlainTextEdit* ReadOnlyText(const char* name, QLabel* label)
{
    auto* box = MakeMultiLineBox(name, label);
    box->setReadOnly(true);
    return box;
}
} // namespace

frmEditList::frmEditList(QWidget* parent) : QMainWindow(parent), OneOpenWindow(this)
{
    setObjectName(QStringLiteral("frmEditList"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Edit Word List"));
    AddCloseKeys(this);

    auto* central = new QWidget;
    auto* row = new QHBoxLayout(central);
    row->addWidget(BuildGridAndButtons(), 1);
    row->addWidget(BuildDetails());
    setCentralWidget(central);
    BuildMenus();
    ResetWordGrid();
    resize(Twips(11000), Twips(7000));
    RememberWindowPlace(this);
}

QWidget* frmEditList::BuildGridAndButtons()
{
    auto* panel = new QWidget;
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    MSFlexGrid1 = MakeGrid(nullptr, tr("Words"), 0);
    MSFlexGrid1->setMinimumWidth(Twips(5000) + MSFlexGrid1->frameWidth() * 2);
    MSFlexGrid1->viewport()->installEventFilter(this);
    connect(MSFlexGrid1, &QTableWidget::currentCellChanged, this,
            [this] { Guarded([&] { EnterCell(); }); });
    column->addWidget(MSFlexGrid1, 1);

    cmdAddWord = MakeButton(nullptr, "cmdAddWord", tr("&Add a word"),
                            tr("Add a word to this list"));
    cmdEditWord = MakeButton(
        nullptr, "cmdEditWord", tr("&Edit a word"),
        tr("Make changes to the definition, the context sentence, or pronounciation"));
    cmdDeleteWord = MakeButton(nullptr, "cmdDeleteWord", tr("&Delete a word"),
                               tr("Delete the selected word from this list"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdAddWord);
    buttons->addWidget(cmdEditWord);
    buttons->addWidget(cmdDeleteWord);
    // For a sibling who gets the same list: only when the family has another child.
    cmdCopyToChild = MakeButton(nullptr, "cmdCopyToChild", tr("Cop&y to Child..."),
                                tr("Copy this list with its words and recordings to another "
                                   "child"));
    cmdCopyToChild->setVisible(HasOtherChildren());
    buttons->addWidget(cmdCopyToChild);
    column->addLayout(buttons);
    cmdPrint = MakeButton(nullptr, "cmdPrint", tr("P&rint..."),
                          tr("Print this list with its definitions and sentences"));
    cmdPrintSheet = MakeButton(nullptr, "cmdPrintSheet", tr("Print Practice &Sheet..."),
                               tr("Print lines to write the words on, with their clues"));
    auto* printing = new QHBoxLayout;
    printing->addWidget(cmdPrint);
    printing->addWidget(cmdPrintSheet);
    column->addLayout(printing);
    connect(cmdPrint, &QPushButton::clicked, this, [this] { PrintWordList(this, listId_); });
    connect(cmdPrintSheet, &QPushButton::clicked, this,
            [this] { PrintPracticeSheet(this, listId_); });

    connect(cmdAddWord, &QPushButton::clicked, this, &frmEditList::cmdAddWord_Click);
    connect(cmdEditWord, &QPushButton::clicked, this, &frmEditList::cmdEditWord_Click);
    connect(cmdDeleteWord, &QPushButton::clicked, this, &frmEditList::cmdDeleteWord_Click);
    connect(cmdCopyToChild, &QPushButton::clicked, this,
            [this] { CopyToAnotherChild(listId_, this); });
    return panel;
}

QWidget* frmEditList::BuildDetails()
{
    frameDetails = new QGroupBox(tr("Word Details"));
    frameDetails->setObjectName(QStringLiteral("frameDetails"));
    auto* grid = new QGridLayout(frameDetails);

    auto* wordLabel = new QLabel(tr("Word"));
    auto* definitionLabel = new QLabel(tr("Definition"));
    auto* sentenceLabel = new QLabel(tr("Context Sentence"));
    auto* caseLabel = new QLabel(tr("Case Sensitive"));
    txtWord = ReadOnlyBox("txtWord", wordLabel);
    txtDefinition = ReadOnlyText("txtDefinition", definitionLabel);
    txtSentence = ReadOnlyText("txtSentence", sentenceLabel);
    txtCaseSensitive = ReadOnlyBox("txtCaseSensitive", caseLabel);
    cmdPronounce = MakeButton(nullptr, "cmdPronounce", tr("&Pronounce"),
                              tr("Hear the current recording"));
    cmdPronounce->setEnabled(false);
    connect(cmdPronounce, &QPushButton::clicked, this, &frmEditList::cmdPronounce_Click);

    grid->addWidget(wordLabel, 0, 0);
    grid->addWidget(txtWord, 1, 0);
    grid->addWidget(cmdPronounce, 1, 1);
    grid->addWidget(definitionLabel, 2, 0, 1, 2);
    grid->addWidget(txtDefinition, 3, 0, 1, 2);
    grid->addWidget(sentenceLabel, 4, 0, 1, 2);
    grid->addWidget(txtSentence, 5, 0, 1, 2);
    auto* caseRow = new QHBoxLayout;
    caseRow->addWidget(caseLabel);
    caseRow->addWidget(txtCaseSensitive);
    caseRow->addStretch();
    MakeRoomFor(txtCaseSensitive, tr("YES").size() > tr("NO").size() ? tr("YES") : tr("NO"));
    txtCaseSensitive->setMaximumWidth(std::max(Twips(900), txtCaseSensitive->minimumWidth()));
    grid->addLayout(caseRow, 6, 0, 1, 2);

    framePastTests = new QGroupBox(tr("Test Totals"));
    framePastTests->setObjectName(QStringLiteral("framePastTests"));
    auto* totals = new QFormLayout(framePastTests);
    const auto addTotal = [totals](const char* name, const QString& label, const QString& tip) {
        auto* caption = new QLabel(label);
        auto* box = ReadOnlyBox(name, caption, tip);
        box->setMaximumWidth(Twips(900));
        totals->addRow(caption, box);
        return box;
    };
    txtTests = addTotal("txtTests", tr("Total Tests"),
                        tr("The number of times this word has appeared on a Quillby "
                                       "test"));
    txtCorrect = addTotal("txtCorrect", tr("Correct on first attempt"),
                          tr("The number of times this word was spelled correctly on "
                                         "the first attempt on a test"));
    txtIncorrect = addTotal("txtIncorrect", tr("Incorrect Guesses"),
                            tr("The number of times this word has been misspelled on "
                                           "a test"));
    grid->addWidget(framePastTests, 7, 0, 1, 2);
    // At least its set width, wider when its captions need it.
    frameDetails->setMinimumWidth(std::max(Twips(4800), frameDetails->minimumSizeHint().width()));
    return frameDetails;
}

void frmEditList::BuildMenus()
{
    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuNewWord = mnuFile->addAction(tr("&New Word..."));
    mnuNewWord->setObjectName(QStringLiteral("mnuNewWord"));
    mnuExport = mnuFile->addAction(tr("E&xport List..."));
    mnuExport->setObjectName(QStringLiteral("mnuExport"));
    connect(mnuExport, &QAction::triggered, this, &frmEditList::mnuExport_Click);
    mnuExit = mnuFile->addAction(tr("&Close"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuNewWord, &QAction::triggered, this, &frmEditList::cmdAddWord_Click);
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);

    // The pop-up menu of the grid; it is not part of the menu bar.
    mnuPopUp = new QMenu(tr("PopUp"), this);
    mnuPopUp->setObjectName(QStringLiteral("mnuPopUp"));
    mnuEdit = mnuPopUp->addAction(tr("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuDelete = mnuPopUp->addAction(tr("&Delete"));
    mnuDelete->setObjectName(QStringLiteral("mnuDelete"));
    connect(mnuEdit, &QAction::triggered, this, &frmEditList::cmdEditWord_Click);
    connect(mnuDelete, &QAction::triggered, this, &frmEditList::cmdDeleteWord_Click);
}

void frmEditList::SetListID(int32_t listId)
{
    listId_ = listId;
    listTestCount_ = CountListTests(listId);
    LoadWords();
}

void frmEditList::ResetWordGrid()
{
    const QSignalBlocker blocker(MSFlexGrid1);
    ResetGrid(MSFlexGrid1, {tr("Word")}, {5000}, {Qt::AlignLeft | Qt::AlignVCenter});
}

void frmEditList::LoadWords()
{
    ResetWordGrid();
    SkippedRows skipped;
    for (const ListWord& word : ListWordsById(listId_, skipped))
        AddWordRow(word.wordId, word.word);
    if (!skipped.empty())
        MsgBox(skipped.Message(), MsgButtons::OK, MsgIcon::Exclamation, this);
    if (MSFlexGrid1->rowCount() > 0) {
        {
            const QSignalBlocker blocker(MSFlexGrid1);
            MSFlexGrid1->setCurrentCell(0, 0);
        }
        EnterCell();
    }
}

// Adds a word as the last row; the id travels as the row's item data.
int frmEditList::AddWordRow(int32_t wordId, const QString& text)
{
    const QSignalBlocker blocker(MSFlexGrid1);
    const int row = MSFlexGrid1->rowCount();
    MSFlexGrid1->insertRow(row);
    auto* item = new QTableWidgetItem(text);
    item->setData(Qt::UserRole, wordId);
    item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    MSFlexGrid1->setItem(row, 0, item);
    return row;
}

int32_t frmEditList::RowWordID(int row) const
{
    const auto* item = MSFlexGrid1->item(row, 0);
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

int frmEditList::RowOfWord(int32_t wordId) const
{
    for (int row = 0; row < MSFlexGrid1->rowCount(); ++row)
        if (RowWordID(row) == wordId)
            return row;
    return -1;
}

void frmEditList::EnterCell()
{
    const int row = MSFlexGrid1->currentRow();
    if (row >= 0 && RowWordID(row) > 0)
        ShowWordDetails(RowWordID(row));
    else
        cmdPronounce->setEnabled(false);
}

void frmEditList::ClearDetails()
{
    for (auto* box : {txtWord, txtCaseSensitive, txtTests, txtCorrect, txtIncorrect})
        box->clear();
    txtDefinition->clear();
    txtSentence->clear();
    cmdPronounce->setEnabled(false);
}

void frmEditList::ShowWordDetails(int32_t wordId)
{
    const std::optional<WordDetails> details = ReadWordDetails(wordId);
    if (!details) {
        ClearDetails();
        return;
    }
    txtWord->setText(details->word);
    txtWord->setCursorPosition(0);
    txtDefinition->setPlainText(details->definition);
    txtSentence->setPlainText(details->sentence);
    txtCaseSensitive->setText(TextToBoolean(details->caseSensitive) ? tr("YES") : tr("NO"));
    txtTests->setText(QString::number(listTestCount_));
    txtCorrect->setText(QString::number(CountFirstTryCorrect(wordId)));
    txtIncorrect->setText(QString::number(CountIncorrect(wordId)));
    cmdPronounce->setEnabled(CanPlayOrSpeakWord(txtWord->text()));
}

void frmEditList::cmdAddWord_Click() { OpenWordEditor(0); }

void frmEditList::cmdEditWord_Click()
{
    const int32_t wordId = RowWordID(MSFlexGrid1->currentRow());
    if (wordId > 0)
        OpenWordEditor(wordId);
}

// Loads the word editor (or takes the open one) for a word, 0 for a new one.
void frmEditList::OpenWordEditor(int32_t wordId)
{
    // An editor that cannot load the word stays as it was, with what it held.
    const auto load = [&](frmEditWord& word) {
        word.SetListID(listId_);
        word.SetWordID(wordId);
    };
    auto* editor = OpenOne<frmEditWord>([this] { return new frmEditWord(this); }, load,
                                        IfLoadFails::Keep);
    if (!editor)
        return;
    ListenTo(editor);
    editor->txtWord->setFocus();
}

// The word editor's notices come after the word is stored: a failure to show the word here
// is not reported, as the save itself went through.
void frmEditList::ListenTo(frmEditWord* editor)
{
    editor->disconnect(this);
    const auto quietly = [](auto&& show) {
        try {
            show();
        } catch (const std::exception&) {
        }
    };
    connect(editor, &frmEditWord::NewWordSaved, this,
            [this, quietly](int32_t id) { quietly([&] { TakeInNewWord(id); }); });
    connect(editor, &frmEditWord::WordUpdated, this,
            [this, quietly](int32_t id) { quietly([&] { TakeInUpdatedWord(id); }); });
    connect(editor, &frmEditWord::Closed, this, &frmEditList::SetFoucsHere);
}

void frmEditList::cmdDeleteWord_Click()
{
    const int row = MSFlexGrid1->currentRow();
    const int32_t wordId = RowWordID(row);
    if (wordId <= 0)
        return;
    const QString text = MSFlexGrid1->item(row, 0)->text();
    if (MsgBox(tr("Delete %1?").arg(text), MsgButtons::YesNo, MsgIcon::None, this,
               MsgDefault::No) != MsgResult::Yes)
        return;
    if (!Guarded([&] { DeleteWord(wordId); }))
        return;
    // A word editor still holding the deleted word must not bring it back with a save.
    if (auto* editor = frmEditWord::instance(); editor && editor->WordID() == wordId)
        editor->close();
    if (MSFlexGrid1->rowCount() >= 2) {
        MSFlexGrid1->removeRow(row); // the new current row shows its details
    } else {
        ResetWordGrid();
        ClearDetails(); // the deleted word's details must not stay on show
    }
}

void frmEditList::cmdPronounce_Click()
{
    PlayOrSpeakWord(txtWord->text());
    // An engine that has just failed turns speech off: the button shows it.
    cmdPronounce->setEnabled(CanPlayOrSpeakWord(txtWord->text()));
}

void frmEditList::TakeInNewWord(int32_t wordId)
{
    const int row = AddWordRow(wordId, GetWordText(wordId));
    {
        const QSignalBlocker blocker(MSFlexGrid1);
        MSFlexGrid1->setCurrentCell(row, 0);
    }
    EnterCell();
}

// Updates the row of that word (which need not be the selected one: the parent may have
// moved the selection while the word editor was open) and selects it.
void frmEditList::TakeInUpdatedWord(int32_t wordId)
{
    const QString text = GetWordText(wordId);
    int row = RowOfWord(wordId);
    if (row < 0)
        row = AddWordRow(wordId, text);
    MSFlexGrid1->item(row, 0)->setText(text);
    {
        const QSignalBlocker blocker(MSFlexGrid1);
        MSFlexGrid1->setCurrentCell(row, 0);
    }
    EnterCell();
}

void frmEditList::SetFoucsHere()
{
    raise();
    activateWindow();
    MSFlexGrid1->setFocus();
}

void frmEditList::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!firstActivation_)
        return;
    firstActivation_ = false;
    // Sound and the voice get ready while the parent looks at the list, so Pronounce answers
    // at once.
    PrepareSound();
    if (SpeakWordsSetting())
        WarmUpSpeech();
    // Once the window is up: a list without words goes straight to the word editor.
    QTimer::singleShot(0, this, &frmEditList::FirstActivation);
}

void frmEditList::FirstActivation()
{
    if (MSFlexGrid1->rowCount() == 0)
        cmdAddWord_Click();
}

bool frmEditList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == MSFlexGrid1->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            GridMouseDown(mouse);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// A right click on a word row selects it and offers Edit and Delete.
void frmEditList::GridMouseDown(QMouseEvent* event)
{
    const int row = MSFlexGrid1->rowAt(event->position().toPoint().y());
    if (row < 0 || RowWordID(row) <= 0)
        return;
    MSFlexGrid1->setCurrentCell(row, 0);
    mnuPopUp->popup(MSFlexGrid1->viewport()->mapToGlobal(event->position().toPoint()));
}

void frmEditList::closeEvent(QCloseEvent* event)
{
    // A word being typed is not dropped unasked.
    if (auto* editor = frmEditWord::instance(); editor && !editor->ConfirmClose()) {
        event->ignore();
        return;
    }
    Forget();
    // The word editor closes with the list editor; this window takes no more notices.
    if (auto* editor = frmEditWord::instance()) {
        editor->disconnect(this);
        editor->close();
    }
    event->accept();
    ListChanged(listId_);
    ReturnToLists();
}

// The list as a CSV file that the import reads back: to share it with another family, or
// with a younger child next year.
void frmEditList::mnuExport_Click()
{
    std::vector<ImportRow> rows;
    const bool read = Guarded([&] {
        for (const WordDetails& word : ListWordDetails(listId_))
            rows.push_back(
                {word.word,
                 word.definition,
                 word.sentence,
                 word.caseSensitive.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0,
                 true,
                 false,
                 {}});
    });
    if (!read)
        return;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export List"), QDir(folder).filePath(tr("Spelling words.csv")),
        tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(ListCsv(rows)) < 0 || !file.commit()) {
        MsgBox(tr("Quillby could not write %1: %2").arg(path, file.errorString()), MsgButtons::OK,
               MsgIcon::Exclamation, this);
        return;
    }
    ShowTempMessage(tr("List Exported"), QFileInfo(path).fileName());
}
