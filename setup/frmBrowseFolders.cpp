#include "frmBrowseFolders.h"

#include "SetupFunctions.h"
#include "WizardLook.h"
#include "frmSecond.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>

namespace setup {

namespace {
// The real volumes: pseudo file systems (proc, sysfs, ...) are left out.
QStringList MountedVolumes()
{
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString root = volume.rootPath();
        const QByteArray type = volume.fileSystemType();
        if (root != QStringLiteral("/") && (volume.bytesTotal() <= 0 || type == "proc"
                                            || type == "sysfs" || type == "devpts"
                                            || type == "cgroup2" || type == "mqueue"))
            continue;
        if (!roots.contains(root) && QFileInfo(root).isDir()) // not a file mounted on its own
            roots << root;
    }
    roots.sort();
    return roots;
}
} // namespace

frmBrowseFolders::frmBrowseFolders(frmSecond* owner) : QDialog(owner), m_Owner(owner)
{
    NameWindow(this, "frmBrowseFolders", tr("Locate Folder"));
    setAttribute(Qt::WA_DeleteOnClose);
    Label1 = MakeLabel(this, "Label1", tr("Install Folder"), false);
    txtFolder = new QLineEdit(this);
    txtFolder->setObjectName(QStringLiteral("txtFolder"));
    txtFolder->setAccessibleName(Label1->text());
    Label1->setBuddy(txtFolder);

    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setAccessibleName(tr("Drive"));
    Drive1->addItems(MountedVolumes());

    m_Folders = new QFileSystemModel(this);
    m_Folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_Folders->setRootPath(QStringLiteral("/"));
    Dir1 = new QTreeView(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setAccessibleName(tr("Folder"));
    Dir1->setModel(m_Folders);
    for (int column = 1; column < m_Folders->columnCount(); ++column)
        Dir1->hideColumn(column);
    Dir1->header()->hide();
    Dir1->setContextMenuPolicy(Qt::CustomContextMenu);

    cmdAccept = MakeButton(this, "cmdAccept", tr("Accept"));
    cmdCancel = MakeButton(this, "cmdCancel", tr("Cancel"));
    cmdAccept->setDefault(true);
    mnuPopUp = new QMenu(this);
    mnuPopUp->setObjectName(QStringLiteral("mnuPopUp"));
    mnuAccept = mnuPopUp->addAction(tr("Accept Folder"));
    mnuAccept->setObjectName(QStringLiteral("mnuAccept"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->addWidget(Label1);
    layout->addWidget(txtFolder);
    layout->addWidget(Drive1);
    layout->addWidget(Dir1, 1);
    layout->addLayout(ButtonRow(cmdCancel, cmdAccept));
    resize(380, 420);

    // The folder tree fills in and sorts itself while its folders are read, which moves the
    // selected folder down: the view keeps it in sight until the user moves around himself.
    connect(m_Folders, &QFileSystemModel::rowsInserted, this,
            &frmBrowseFolders::KeepSelectionInSight);
    connect(m_Folders, &QFileSystemModel::layoutChanged, this,
            &frmBrowseFolders::KeepSelectionInSight);
    connect(m_Folders, &QFileSystemModel::directoryLoaded, this,
            &frmBrowseFolders::KeepSelectionInSight);
    Dir1->installEventFilter(this);
    Dir1->viewport()->installEventFilter(this);
    connect(Dir1->verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this] { m_FollowSelection = false; });
    connect(Drive1, &QComboBox::currentIndexChanged, this, &frmBrowseFolders::Drive1_Change);
    connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &frmBrowseFolders::Dir1_Change);
    connect(Dir1, &QWidget::customContextMenuRequested, this, &frmBrowseFolders::Dir1_ContextMenu);
    connect(mnuAccept, &QAction::triggered, this, &frmBrowseFolders::cmdAccept_Click);
    connect(cmdAccept, &QPushButton::clicked, this, &frmBrowseFolders::cmdAccept_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::close);

    Drive1_Change();
    const QString current = owner ? owner->InstallPathText() : QString();
    if (!current.isEmpty() && SelectDrive(current))
        SelectFolder(current);
}

QString frmBrowseFolders::SelectedFolder() const
{
    const QModelIndex index = Dir1->currentIndex();
    return index.isValid() ? m_Folders->filePath(index) : QString();
}

bool frmBrowseFolders::SelectFolder(const QString& path)
{
    if (!QFileInfo(path).isDir())
        return false;
    const QModelIndex index = m_Folders->index(QFileInfo(path).absoluteFilePath());
    if (!index.isValid())
        return false;
    Dir1->setCurrentIndex(index);
    Dir1->scrollTo(index);
    return true;
}

bool frmBrowseFolders::SelectDrive(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    int best = -1;
    for (int i = 0; i < Drive1->count(); ++i) {
        const QString root = Drive1->itemText(i);
        const bool holds = absolute == root || root == QStringLiteral("/")
                           || absolute.startsWith(root + QLatin1Char('/'));
        if (holds && (best < 0 || root.size() > Drive1->itemText(best).size()))
            best = i;
    }
    if (best < 0)
        return false;
    Drive1->setCurrentIndex(best);
    Drive1_Change();
    return true;
}

void frmBrowseFolders::KeepSelectionInSight()
{
    if (!m_FollowSelection)
        return;
    QTimer::singleShot(0, this, [this] {
        if (m_FollowSelection && Dir1->currentIndex().isValid())
            Dir1->scrollTo(Dir1->currentIndex(), QAbstractItemView::PositionAtCenter);
    });
}

bool frmBrowseFolders::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::Wheel || type == QEvent::KeyPress)
        m_FollowSelection = false;
    return QDialog::eventFilter(watched, event);
}

void frmBrowseFolders::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    KeepSelectionInSight(); // once laid out, the view can centre it
}

void frmBrowseFolders::Drive1_Change()
{
    const QString root = Drive1->currentText();
    if (root.isEmpty())
        return;
    Dir1->setRootIndex(m_Folders->index(root));
    SelectFolder(root);
}

void frmBrowseFolders::Dir1_Change()
{
    txtFolder->setText(SelectedFolder());
}

void frmBrowseFolders::Dir1_ContextMenu(const QPoint& at)
{
    mnuPopUp->popup(Dir1->viewport()->mapToGlobal(at));
}

void frmBrowseFolders::cmdAccept_Click()
{
    const QString folder = txtFolder->text().isEmpty() ? SelectedFolder() : txtFolder->text();
    if (m_Owner)
        m_Owner->SetInstallPathText(folder);
    close();
}

} // namespace setup
