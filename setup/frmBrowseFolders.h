#pragma once
#include <QDialog>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTreeView;
class QAction;

namespace setup {

class frmSecond;

// Picks a folder for the folder page: the mounted volumes in Drive1, the folder tree of the
// chosen volume in Dir1.
class frmBrowseFolders : public QDialog {
    Q_OBJECT
public:
    explicit frmBrowseFolders(frmSecond* owner);

    // The folder selected in Dir1, "" when none.
    QString SelectedFolder() const;
    // Selects the folder in Dir1; false (and nothing changes) when it is no folder.
    bool SelectFolder(const QString& path);
    // Selects the volume whose mount point holds the path; false when there is none.
    bool SelectDrive(const QString& path);

    void cmdAccept_Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override; // the user moves in Dir1

private:
    void Drive1_Change();
    void Dir1_Change();
    void Dir1_ContextMenu(const QPoint& at);
    void KeepSelectionInSight();

    frmSecond* m_Owner;
    QLabel* Label1;
    QLineEdit* txtFolder;
    QComboBox* Drive1;
    QTreeView* Dir1;
    QFileSystemModel* m_Folders;
    QPushButton* cmdAccept;
    QPushButton* cmdCancel;
    QMenu* mnuPopUp;
    QAction* mnuAccept;
    bool m_FollowSelection = true;
};

} // namespace setup
