#include "frmLists.h"

#include "ListQueries.h"
#include "ProcessEvents.h"
#include "BackupCommands.h"
#include "AfterFirstPaint.h"
#include "Connection.h"
#include "ErrorReport.h"
#include "FormHelpers.h"
#include "ListGridModel.h"
#include "Globals.h"
#include "DataFolder.h"
#include "DateTexts.h"
#include "InitApplication.h"
#include "HelpKey.h"
#include "MsgBox.h"
#include "Sound.h"
#include "RunningTests.h"
#include "SoundFolder.h"
#include "Startup.h"
#include "TaskNotices.h"
#include "Twips.h"
#include "WindowPlacement.h"
#include "WaitCursor.h"
#include "frmAbout.h"
#include "frmImportWords.h"
#include "frmBusy.h"
#include "frmNewList.h"
#include "frmOptions.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <QItemSelectionModel>
#include <vector>

namespace {
constexpr int kDateColumn = ListGridModel::DateColumn;
constexpr int kKeyColumn = ListGridModel::KeyColumn;
constexpr int kColumnWidths[ListGridModel::ColumnCount] = {2100, 1800, 1800, 1};
} // namespace

frmLists::frmLists(QWidget* parent) : QMainWindow(parent), OneOpenWindow(this)
{
    setObjectName(QStringLiteral("frmLists"));
    setWindowTitle(tr("Quillby"));
    setAccessibleName(windowTitle());
    BuildControls();
    BuildMenus();
    ConnectCommands();
    ClearGrid();
    RefreshListCommands();
    ListenToTasks();
    InstallHelpKey();
}

// The task windows say when a list's counts change and when they end.
void frmLists::ListenToTasks()
{
    TaskNoticeBoard& tasks = TaskNotices();
    connect(&tasks, &TaskNoticeBoard::ListChanged, this, &frmLists::UpdateList);
    connect(&tasks, &TaskNoticeBoard::TestStored, this, &frmLists::IncrementListTests);
    connect(&tasks, &TaskNoticeBoard::TaskEnded, this, &frmLists::SetFocusHere);
}

void frmLists::BuildControls()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    Label1 = MakeLabel(central, "Label1", tr("Existing Word Lists"));
    QFont heading = Label1->font();
    heading.setBold(true);
    Label1->setFont(heading);

    MSFlexGrid1 = new QTableView(central);
    gridRows = new ListGridModel(this);
    MSFlexGrid1->setModel(gridRows);
    NameControl(MSFlexGrid1, "MSFlexGrid1", tr("Existing Word Lists"));
    Label1->setBuddy(MSFlexGrid1);
    MSFlexGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    MSFlexGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    MSFlexGrid1->verticalHeader()->setVisible(false);
    MSFlexGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MSFlexGrid1->verticalHeader()->setDefaultSectionSize(MSFlexGrid1->fontMetrics().height() + 8);
    MSFlexGrid1->horizontalHeader()->setHighlightSections(false);
    MSFlexGrid1->horizontalHeader()->setStretchLastSection(true); // the last visible column
    MSFlexGrid1->setTabKeyNavigation(false);
    MSFlexGrid1->installEventFilter(this);
    MSFlexGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MSFlexGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ClearGrid(); // the columns' widths, which the grid's least width follows
    MSFlexGrid1->setMinimumSize(GridWidthForColumns(MSFlexGrid1), Twips(3600));

    lblFindDate = MakeLabel(central, "lblFindDate", tr("F&ind a list by date:"));
    txtFindDate = MakeTextBox(central, "txtFindDate", lblFindDate);
    txtFindDate->setToolTip(tr("Type a school test date and press Enter"));

    cmdNewList = MakeButton(central, "cmdNewList", tr("&New List"),
                            tr("Create a new word list"));
    cmdImport = MakeButton(central, "cmdImport", tr("&Import Words..."),
                           tr("Make a list from a text, a file or a photo of the word sheet"));
    cmdEditList = MakeButton(central, "cmdEditList", tr("&Edit List"),
                             tr("Edit an existing word list"));
    cmdTest = MakeButton(central, "cmdTest", tr("&Test"),
                         tr("Start a practice test"));
    cmdPastTests = MakeButton(central, "cmdPastTests", tr("&Past Tests"),
                              tr("View details of previous tests"));
    cmdDeleteList = MakeButton(central, "cmdDeleteList", tr("&Delete List"),
                               tr("Delete the selected word list"));
    cmdOptions = MakeButton(central, "cmdOptions", tr("&Options"),
                            tr("Change configurations, settings, and defaults"));
    cmdExit = MakeButton(central, "cmdExit", tr("E&xit"), tr("Exit Quillby"));

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b :
         {cmdNewList, cmdImport, cmdEditList, cmdTest, cmdPastTests, cmdDeleteList})
        buttons->addWidget(b);
    buttons->addSpacing(Twips(240));
    buttons->addWidget(cmdOptions);
    buttons->addStretch();
    buttons->addWidget(cmdExit);
    for (QPushButton* b : {cmdNewList, cmdImport, cmdEditList, cmdTest, cmdPastTests, cmdDeleteList,
                           cmdOptions, cmdExit})
        SetLeastWidth(b, 1500);

    auto* gridColumn = new QVBoxLayout;
    gridColumn->addWidget(Label1);
    gridColumn->addWidget(MSFlexGrid1, 1);
    auto* findRow = new QHBoxLayout;
    findRow->addWidget(lblFindDate);
    findRow->addWidget(txtFindDate, 1);
    gridColumn->addLayout(findRow);
    auto* layout = new QHBoxLayout(central);
    layout->addLayout(gridColumn, 1);
    layout->addLayout(buttons);
    setCentralWidget(central);
    resize(Twips(8400), Twips(6000));

    setTabOrder(MSFlexGrid1, txtFindDate);
    setTabOrder(txtFindDate, cmdNewList);
    setTabOrder(cmdNewList, cmdImport);
    setTabOrder(cmdImport, cmdEditList);
    setTabOrder(cmdEditList, cmdTest);
    setTabOrder(cmdTest, cmdPastTests);
    setTabOrder(cmdPastTests, cmdDeleteList);
    setTabOrder(cmdDeleteList, cmdOptions);
    setTabOrder(cmdOptions, cmdExit);
}

void frmLists::BuildMenus()
{
    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuLists = mnuFile->addMenu(tr("&Lists"));
    mnuLists->setObjectName(QStringLiteral("mnuLists"));
    mnuNewList = MakeMenuItem(mnuLists, "mnuNewList", tr("&New List"));
    mnuImport = MakeMenuItem(mnuLists, "mnuImport", tr("&Import Words..."));
    mnuImport->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    mnuEditList = MakeMenuItem(mnuLists, "mnuEditList", tr("&Edit List"));
    mnuTest = MakeMenuItem(mnuLists, "mnuTest", tr("&Test"));
    mnuPastTests = MakeMenuItem(mnuLists, "mnuPastTests", tr("&Past Tests"));
    mnuDeleteList = MakeMenuItem(mnuLists, "mnuDeleteList", tr("&Delete List"));
    mnuOptions = MakeMenuItem(mnuLists, "mnuOptions", tr("&Options"));
    mnuChildren = MakeMenuItem(mnuFile, "mnuChildren", tr("&Children..."));
    mnuSwitchChild = MakeMenuItem(mnuFile, "mnuSwitchChild", tr("&Switch Child"));
    mnuSwitchChild->setVisible(false);
    mnuFile->addSeparator();
    mnuBackUp = MakeMenuItem(mnuFile, "mnuBackUp", tr("&Back Up..."));
    mnuRestore = MakeMenuItem(mnuFile, "mnuRestore", tr("&Restore..."));
    mnuFile->addSeparator();
    mnuExit = MakeMenuItem(mnuFile, "mnuExit", tr("E&xit"));
    // Ctrl+N and Ctrl+Q on every desktop (the platform's Quit binding is empty on some).
    mnuNewList->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuH = menuBar()->addMenu(tr("&Help"));
    mnuH->setObjectName(QStringLiteral("mnuH"));
    mnuHelp = MakeMenuItem(mnuH, "mnuHelp", tr("&Show Help"));
    mnuHelp->setShortcut(QKeySequence::HelpContents);
    mnuD2 = mnuH->addSeparator();
    mnuD2->setObjectName(QStringLiteral("mnuD2"));
    mnuAbout = MakeMenuItem(mnuH, "mnuAbout", tr("&About"));
}

void frmLists::ConnectCommands()
{
    const std::pair<QPushButton*, QAction*> commands[] = {
        {cmdNewList, mnuNewList},     {cmdEditList, mnuEditList}, {cmdTest, mnuTest},
        {cmdPastTests, mnuPastTests}, {cmdDeleteList, mnuDeleteList}, {cmdOptions, mnuOptions}};
    const std::vector<void (frmLists::*)()> handlers = {
        &frmLists::NewListClicked,   &frmLists::EditListClicked,   &frmLists::TestClicked,
        &frmLists::PastTestsClicked, &frmLists::DeleteListClicked, &frmLists::OptionsClicked};
    for (size_t i = 0; i < handlers.size(); ++i) {
        connect(commands[i].first, &QPushButton::clicked, this, handlers[i]);
        connect(commands[i].second, &QAction::triggered, this, handlers[i]);
    }
    connect(cmdImport, &QPushButton::clicked, this, [this] { OpenImport(); });
    connect(mnuImport, &QAction::triggered, this, [this] { OpenImport(); });
    setAcceptDrops(true);
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(mnuChildren, &QAction::triggered, this, &frmLists::ChildrenClicked);
    connect(mnuSwitchChild, &QAction::triggered, this, &frmLists::SwitchChildClicked);
    connect(mnuHelp, &QAction::triggered, this, &frmLists::HelpClicked);
    connect(mnuBackUp, &QAction::triggered, this, [this] { BackUpNow(this); });
    connect(mnuRestore, &QAction::triggered, this, [this] {
        if (RestoreFromBackup(this))
            LoadWordLists();
    });
    connect(mnuAbout, &QAction::triggered, this, &frmLists::AboutClicked);
    connect(MSFlexGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { RefreshListCommands(); });
    connect(MSFlexGrid1, &QWidget::customContextMenuRequested, this, &frmLists::GridContextMenu);
    connect(txtFindDate, &QLineEdit::returnPressed, this, &frmLists::FindListByDate);
}

bool frmLists::LoadForm(const QString& appFolder)
{
    frmBusy::WatchTallyCount();
    try {
        InitApplication(appFolder);
    } catch (const DbError& e) {
        frmBusy::EndTallyCount();
        MsgBox(tr("Quillby cannot open its database %1.\r%2")
                   .arg(Connection::DataSource(ConnectionStringFor(Globals::DataPath)),
                        e.message()),
               MsgButtons::OK, MsgIcon::Critical);
        return false;
    }
    frmBusy::EndTallyCount();
    Guarded([] { CleanUpSoundFolder(); });
    Guarded([] { KeepUnfinishedTests(); });
    Guarded([] { LoadGeneralOptions(); });
    Guarded([] { CheckForOldLists(); });
    Guarded([this] { LoadWordLists(); });
    // What the start read is not read again soon; handing it back waits until the window has
    // painted itself.
    RunAfterFirstPaint(this, [] { ReleaseReadPages(); });
    RememberWindowPlace(this);
    return true;
}

void frmLists::ClearGrid()
{
    gridRows->Clear();
    for (int column = 0; column < ListGridModel::ColumnCount; ++column)
        SetColumnWidth(MSFlexGrid1, column, kColumnWidths[column]);
    MSFlexGrid1->setColumnHidden(kKeyColumn, true);
}

void frmLists::SelectRow(int dataRow)
{
    MSFlexGrid1->setCurrentIndex(gridRows->index(dataRow, kDateColumn));
}

void frmLists::LoadWordLists()
{
    ClearGrid();
    gridRows->Load();
    if (gridRows->rowCount() > 0)
        SelectRow(0);
    RefreshListCommands(); // also when there is no row to select
}

int frmLists::ListRowCount() const { return gridRows->AllRowCount(); }

QString frmLists::CellText(int dataRow, int column) const
{
    return gridRows->CellText(dataRow, column);
}

QString frmLists::RowKey(int dataRow) const { return CellText(dataRow, kKeyColumn); }

int frmLists::CurrentRow() const { return MSFlexGrid1->currentIndex().row(); }

bool frmLists::ListSelected() const
{
    return CurrentListID() != 0;
}

int32_t frmLists::CurrentListID() const { return gridRows->ListID(CurrentRow()); }

void frmLists::RefreshListCommands()
{
    const bool selected = ListSelected();
    for (QPushButton* b : {cmdEditList, cmdTest, cmdPastTests, cmdDeleteList})
        b->setEnabled(selected);
    for (QAction* a : {mnuEditList, mnuTest, mnuPastTests, mnuDeleteList})
        a->setEnabled(selected);
}

template <class F>
void frmLists::RunHiddenTask(F&& task)
{
    hide();
    if (!Guarded(std::forward<F>(task)))
        SetFocusHere();
}

void frmLists::HandOver(void (frmLists::*request)(int32_t listId))
{
    hide();
    emit(this->*request)(CurrentListID());
}

void frmLists::NewListClicked()
{
    RunHiddenTask([this] { LaunchNewList(); });
}

void frmLists::LaunchNewList()
{
    int32_t listId = 0;
    {
        frmNewList newList(this);
        newList.exec();
        listId = newList.CreatedListID();
    }
    if (listId == 0) {
        SetFocusHere();
        return;
    }
    // At the bottom until the next reload puts it first.
    const int row = gridRows->AppendList(listId, GetListTestDate(listId));
    // The new row becomes the highlighted one, so that the list the commands act on
    // (CurrentListID) is always the list the user sees selected.
    SelectRow(row);
    RefreshListCommands();
    emit EditListRequested(listId);
}

void frmLists::OpenImport(const QString& file)
{
    auto* import = findChild<frmImportWords*>(QString(), Qt::FindDirectChildrenOnly);
    if (!import) {
        import = new frmImportWords(ListSelected() ? CurrentListID() : 0, this);
        connect(import, &frmImportWords::ListEditorWanted, this, &frmLists::ImportStored);
    }
    import->show();
    import->raise();
    import->activateWindow();
    if (!file.isEmpty())
        import->ReadFile(file);
}

bool frmLists::CanImportNow() const
{
    const auto* import = findChild<frmImportWords*>(QString(), Qt::FindDirectChildrenOnly);
    return isVisible() && !QApplication::activeModalWidget() && !(import && import->Reading());
}

// The imported words are stored: the list shows its new count, and its editor opens so that
// the parent can record the words.
void frmLists::ImportStored(int32_t listId, bool /*created*/)
{
    Guarded([this] { LoadWordLists(); });
    const int row = gridRows->RowOf(listId);
    if (row >= 0)
        SelectRow(row);
    RefreshListCommands();
    hide();
    emit EditListRequested(listId);
}

void frmLists::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls() && event->mimeData()->urls().first().isLocalFile())
        event->acceptProposedAction();
}

void frmLists::dropEvent(QDropEvent* event)
{
    event->acceptProposedAction();
    OpenImport(event->mimeData()->urls().first().toLocalFile());
}

void frmLists::EditListClicked()
{
    if (!ListSelected()) {
        MsgBox(tr("Please select a list to edit."), MsgButtons::OK, MsgIcon::None, this);
        return;
    }
    HandOver(&frmLists::EditListRequested);
}

void frmLists::TestClicked()
{
    if (!ListSelected()) {
        MsgBox(tr("Please select a list to test."), MsgButtons::OK, MsgIcon::None, this);
        return;
    }
    HandOver(&frmLists::TestRequested);
}

void frmLists::PastTestsClicked()
{
    if (!ListSelected()) {
        MsgBox(tr("Please select a list."), MsgButtons::OK, MsgIcon::None, this);
        return;
    }
    const WaitCursor waiting;
    HandOver(&frmLists::PastTestsRequested);
}

void frmLists::DeleteListClicked()
{
    if (!ListSelected()) {
        MsgBox(tr("Please select a list to delete."), MsgButtons::OK, MsgIcon::None, this);
        return;
    }
    if (MsgBox(tr("Do you want to delete this list and all of it's words?"),
               MsgButtons::YesNo, MsgIcon::None, this, MsgDefault::No) != MsgResult::Yes)
        return;
    const int32_t listId = CurrentListID();
    const WaitCursor waiting;
    Guarded([&] { DeleteList(listId); });
    Guarded([this] { LoadWordLists(); });
}

void frmLists::OptionsClicked()
{
    frmOptions options(this);
    options.exec();
}

void frmLists::HelpClicked() { ShowHelp(); }

void frmLists::ShowSwitchChild(bool shown) { mnuSwitchChild->setVisible(shown); }

void frmLists::AboutClicked()
{
    frmAbout about(this);
    about.exec();
}

void frmLists::GridContextMenu(const QPoint& pos)
{
    if (gridRows->rowCount() == 0)
        return;
    const int row = MSFlexGrid1->rowAt(pos.y());
    if (row < 0)
        return;
    if (row != CurrentRow())
        SelectRow(row);
    ProcessEvents(4);
    mnuLists->exec(MSFlexGrid1->viewport()->mapToGlobal(pos));
}

void frmLists::FindListByDate()
{
    const QString typed = txtFindDate->text().trimmed();
    if (typed.isEmpty())
        return;
    QDate date = ParseDateText(typed);
    if (!date.isValid()) { // the grid's own form of a date
        date = QLocale().toDate(typed, QLocale::ShortFormat);
        if (date.isValid() && date.year() < 1950)
            date = date.addYears(100); // two-digit years mean this century
    }
    if (!date.isValid()) {
        MsgBox(tr("Please type a date, for example %1.").arg(DisplayDateText(QDate::currentDate())),
               MsgButtons::OK, MsgIcon::None, this);
        return;
    }
    int row = -1;
    bool read = false;
    {
        const WaitCursor waiting;
        read = Guarded([&] { row = gridRows->RowOfTestDate(date); });
    }
    if (!read)
        return;
    if (row < 0) {
        MsgBox(tr("No list has the school test date %1.").arg(DisplayDateText(date)),
               MsgButtons::OK, MsgIcon::None, this);
        return;
    }
    SelectRow(row);
    MSFlexGrid1->scrollTo(gridRows->index(row, kDateColumn), QAbstractItemView::PositionAtCenter);
    MSFlexGrid1->setFocus();
}

void frmLists::SetFocusHere()
{
    if (isHidden())
        show();
    ProcessEvents(5);
    MSFlexGrid1->setFocus();
}

void frmLists::UpdateList(int32_t listId)
{
    Guarded([&] { gridRows->Recount(gridRows->RowOf(listId)); });
}

void frmLists::IncrementListTests(int32_t listId)
{
    gridRows->IncrementTests(gridRows->RowOf(listId));
}

bool frmLists::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == MSFlexGrid1 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool homeOrEnd = key->key() == Qt::Key_Home || key->key() == Qt::Key_End;
        if (homeOrEnd && key->modifiers() == Qt::NoModifier) {
            QKeyEvent toRow(QEvent::KeyPress, key->key(), Qt::ControlModifier);
            QApplication::sendEvent(MSFlexGrid1, &toRow);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmLists::closeEvent(QCloseEvent* event)
{
    CloseRecorder();
    // The list editor stays open; every other window closes with the main window.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window == this || window->windowType() == Qt::Popup)
            continue;
        if (window->objectName().toUpper() == QLatin1String("FRMEDITLIST"))
            continue;
        if (window->isVisible())
            window->close();
    }
    event->accept();
    emit Closed();
}
