#include "frmImportWords.h"

#include "ErrorReport.h"
#include "FormHelpers.h"
#include "ImportQueries.h"
#include "ImportWordsModel.h"
#include "TickBoxDelegate.h"
#include "ListQueries.h"
#include "MsgBox.h"
#include "PictureReader.h"
#include "SchoolWeek.h"
#include "Startup.h"
#include "Twips.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// A word list is small; a larger file is no list.
constexpr qint64 kMaxTextFileBytes = 20 * 1024 * 1024;
constexpr int kColumnWidths[ImportWordsModel::ColumnCount] = {900, 2200, 2400, 2400, 4000};

QString FileFilters()
{
    return QCoreApplication::translate("frmImportWords",
                                       "Word lists and pictures (*.txt *.csv *.tsv *.png *.jpg "
                                       "*.jpeg *.tif *.tiff *.bmp *.pdf);;Text and CSV files "
                                       "(*.txt *.csv *.tsv);;Pictures (*.png *.jpg *.jpeg *.tif "
                                       "*.tiff *.bmp);;PDF files (*.pdf);;All files (*)");
}
} // namespace

frmImportWords::frmImportWords(int32_t targetListId, QWidget* parent)
    : QWidget(parent, Qt::Window), targetListId_(targetListId)
{
    setObjectName(QStringLiteral("frmImportWords"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Import Words"));
    setAccessibleName(windowTitle());
    setAcceptDrops(true);
    AddCloseKeys(this, false);
    if (targetListId_ > 0)
        Guarded([this] { listWords_ = ListWordsByWord(targetListId_); });
    reader_ = new PictureReader(this);
    connect(reader_, &PictureReader::Finished, this, &frmImportWords::PictureRead);
    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(100);
    connect(progressTimer_, &QTimer::timeout, this,
            [this] { prgReading->setValue(reader_->Progress()); });
    BuildControls();
    SetReading(false);
    ShowSource(tr("Open a file, paste, or drop a file here: a text or CSV file, or a photo "
                  "or scan of the word sheet."));
    resize(Twips(15000), Twips(7000));
}

frmImportWords::~frmImportWords() = default;

void frmImportWords::BuildControls()
{
    lblSource = MakeLabel(this, "lblSource", QString());
    lblSource->setWordWrap(true);
    cmdOpenFile = MakeButton(this, "cmdOpenFile", tr("&Open File..."),
                             tr("Read words from a text, CSV or picture file"));
    cmdPaste = MakeButton(this, "cmdPaste", tr("&Paste"),
                          tr("Read the words on the clipboard: text or a picture"));
    rows_ = new ImportWordsModel(this);
    grdWords = new QTableView(this);
    grdWords->setModel(rows_);
    NameControl(grdWords, "grdWords", tr("Words to import"));
    grdWords->verticalHeader()->setVisible(false);
    grdWords->horizontalHeader()->setStretchLastSection(true);
    grdWords->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
    grdWords->setWordWrap(false);
    grdWords->setItemDelegateForColumn(ImportWordsModel::TickColumn, new TickBoxDelegate(grdWords));
    for (int column = 0; column < ImportWordsModel::ColumnCount; ++column)
        SetColumnWidth(grdWords, column, kColumnWidths[column]);

    lblReading = MakeLabel(this, "lblReading", tr("Reading the picture..."));
    prgReading = new QProgressBar(this);
    NameControl(prgReading, "prgReading", tr("Reading the picture"));
    prgReading->setRange(0, 100);
    cmdStopReading = MakeButton(this, "cmdStopReading", tr("&Stop Reading"),
                                tr("Stop reading the picture"));
    cmdCreateList = MakeButton(this, "cmdCreateList", tr("&Create List"),
                               tr("Make a new list of the ticked words"));
    cmdAddToList = MakeButton(this, "cmdAddToList", tr("&Add to List"),
                              tr("Add the ticked words to the list chosen in the main window"));
    cmdCancel = MakeButton(this, "cmdCancel", tr("Cancel"), tr("Close without storing words"));

    auto* sources = new QHBoxLayout;
    sources->addWidget(cmdOpenFile);
    sources->addWidget(cmdPaste);
    sources->addWidget(lblSource, 1);
    auto* reading = new QHBoxLayout;
    reading->addWidget(lblReading);
    reading->addWidget(prgReading, 1);
    reading->addWidget(cmdStopReading);
    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(cmdCreateList);
    commands->addWidget(cmdAddToList);
    commands->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sources);
    layout->addWidget(grdWords, 1);
    layout->addLayout(reading);
    layout->addLayout(commands);

    connect(cmdOpenFile, &QPushButton::clicked, this, &frmImportWords::OpenFileClicked);
    connect(cmdPaste, &QPushButton::clicked, this, &frmImportWords::ReadClipboard);
    connect(cmdStopReading, &QPushButton::clicked, reader_, &PictureReader::Cancel);
    connect(cmdCreateList, &QPushButton::clicked, this, &frmImportWords::CreateListClicked);
    connect(cmdAddToList, &QPushButton::clicked, this, &frmImportWords::AddToListClicked);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
}

void frmImportWords::ShowSource(const QString& text)
{
    lblSource->setText(text);
    lblSource->setAccessibleName(text);
}

bool frmImportWords::Reading() const { return reader_->Running(); }

void frmImportWords::SetReading(bool reading)
{
    for (QWidget* control : {static_cast<QWidget*>(lblReading), static_cast<QWidget*>(prgReading),
                             static_cast<QWidget*>(cmdStopReading)})
        control->setVisible(reading);
    for (QPushButton* button : {cmdOpenFile, cmdPaste, cmdCreateList})
        button->setEnabled(!reading);
    cmdAddToList->setEnabled(!reading && targetListId_ > 0);
    setAcceptDrops(!reading);
    if (reading) {
        prgReading->setValue(0);
        progressTimer_->start();
        cmdStopReading->setFocus();
    } else {
        progressTimer_->stop();
    }
}

void frmImportWords::OpenFileClicked()
{
    const QString start = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString path = QFileDialog::getOpenFileName(this, tr("Open File"), start, FileFilters());
    if (!path.isEmpty())
        ReadFile(path);
}

void frmImportWords::ReadFile(const QString& path)
{
    if (Reading())
        return;
    const QFileInfo info(path);
    if (IsPictureFile(path)) {
        ReadPicture(path, {});
        return;
    }
    if (info.size() > kMaxTextFileBytes) {
        MsgBox(tr("%1 is too large to be a list of words.").arg(info.fileName()), MsgButtons::OK,
               MsgIcon::Exclamation, this);
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MsgBox(tr("Quillby cannot open %1: %2").arg(path, file.errorString()), MsgButtons::OK,
               MsgIcon::Exclamation, this);
        return;
    }
    ImportResult result = ParseImportBytes(file.readAll());
    if (result.error.isEmpty())
        ShowSource(tr("Words from %1").arg(info.fileName()));
    ShowResult(std::move(result));
}

void frmImportWords::ReadText(const QString& text, const QString& source)
{
    ImportResult result = ParseImportText(text);
    if (result.error.isEmpty())
        ShowSource(source);
    ShowResult(std::move(result));
}

void frmImportWords::ReadClipboard()
{
    if (Reading())
        return;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (data && data->hasImage()) {
        ReadPicture(QString(), qvariant_cast<QImage>(data->imageData()));
    } else if (data && data->hasUrls() && data->urls().first().isLocalFile()) {
        ReadFile(data->urls().first().toLocalFile());
    } else if (data && data->hasText() && !data->text().trimmed().isEmpty()) {
        ReadText(data->text(), tr("Words from the clipboard"));
    } else {
        MsgBox(tr("The clipboard holds no text and no picture. Copy the words (or a picture "
                  "of them) first."),
               MsgButtons::OK, MsgIcon::None, this);
    }
}

// Bad input leaves the rows shown so far as they were.
void frmImportWords::ShowResult(ImportResult result)
{
    if (!result.error.isEmpty()) {
        MsgBox(result.error, MsgButtons::OK, MsgIcon::Exclamation, this);
        return;
    }
    rows_->SetRows(std::move(result.rows), listWords_);
    grdWords->setFocus();
    grdWords->setCurrentIndex(rows_->index(0, ImportWordsModel::TickColumn));
}

void frmImportWords::ReadPicture(const QString& path, const QImage& image)
{
    if (!path.isEmpty()) {
        const QString problem = PictureFileProblem(path);
        if (!problem.isEmpty()) {
            MsgBox(problem, MsgButtons::OK, MsgIcon::Exclamation, this);
            return;
        }
    }
    ShowSource(path.isEmpty() ? tr("Reading the picture on the clipboard")
                              : tr("Reading %1").arg(QFileInfo(path).fileName()));
    pictureName_ = path.isEmpty() ? tr("the picture on the clipboard") : QFileInfo(path).fileName();
    SetReading(true);
    reader_->Start(path, image);
}

void frmImportWords::PictureRead(const PictureText& text)
{
    SetReading(false);
    if (text.cancelled) {
        ShowSource(tr("Reading was stopped; nothing was read."));
        return;
    }
    if (!text.error.isEmpty()) {
        ShowSource(QString());
        MsgBox(text.error, MsgButtons::OK, MsgIcon::Exclamation, this);
        return;
    }
    ImportResult result = ParseImportLines(text.lines, text.confidences);
    if (result.error.isEmpty())
        ShowSource(tr("Words read from %1: check them before you import them.").arg(pictureName_));
    ShowResult(std::move(result));
}

bool frmImportWords::TakeTickedWords(std::vector<WordDetails>& words)
{
    const std::vector<ImportRow> ticked = rows_->TickedRows();
    if (ticked.empty()) {
        MsgBox(tr("No word is ticked. Tick the words to import."), MsgButtons::OK, MsgIcon::None,
               this);
        return false;
    }
    for (const ImportRow& row : ticked) {
        if (row.word.trimmed().isEmpty()) {
            MsgBox(tr("Can not save a blank word.  Please type the word in the box provided."),
                   MsgButtons::OK, MsgIcon::None, this);
            return false;
        }
        words.push_back(EditorWord(row.word, row.definition, row.sentence, row.caseSensitive));
    }
    return true;
}

void frmImportWords::CreateListClicked()
{
    std::vector<WordDetails> words;
    if (!TakeTickedWords(words))
        return;
    int32_t listId = 0;
    if (!Guarded([&] { listId = CreateListWithWords(ProposedListDates(AppToday()), words); }))
        return;
    emit ListEditorWanted(listId, true);
    close();
}

void frmImportWords::AddToListClicked()
{
    std::vector<WordDetails> words;
    if (targetListId_ <= 0 || !TakeTickedWords(words))
        return;
    if (!Guarded([&] { AddWordsToList(targetListId_, words); }))
        return;
    emit ListEditorWanted(targetListId_, false);
    close();
}

void frmImportWords::dragEnterEvent(QDragEnterEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (data->hasUrls() || data->hasText() || data->hasImage())
        event->acceptProposedAction();
}

void frmImportWords::dropEvent(QDropEvent* event)
{
    const QMimeData* data = event->mimeData();
    event->acceptProposedAction();
    if (data->hasUrls() && data->urls().first().isLocalFile())
        ReadFile(data->urls().first().toLocalFile());
    else if (data->hasImage())
        ReadPicture(QString(), qvariant_cast<QImage>(data->imageData()));
    else if (data->hasText())
        ReadText(data->text(), tr("Words dropped here"));
}

// Closing stops a reading: its thread ends before the window goes.
void frmImportWords::closeEvent(QCloseEvent* event)
{
    reader_->Cancel();
    event->accept();
}
