#pragma once
#include <QWidget>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace setup {

// The folder page: the installation folder and the shortcuts to create.
class frmSecond : public QWidget {
    Q_OBJECT
public:
    explicit frmSecond(QWidget* parent = nullptr);

    // The folder text; setting it runs the rule that makes it end in a Quillby folder.
    QString InstallPathText() const;
    void SetInstallPathText(const QString& text);

    // The rule applied after every change of the folder text.
    static QString ApplyFolderRule(const QString& text);

    void ReadShortcutOptions();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void SetDefaultInstallPath();
    void SetShortcutOptions();
    void txtInstallPath_Change();
    // Widens the path box (and the page) so that the whole path shows.
    void FitInstallPath();
    void cmdBrowse_Click();
    void cmdContinue_Click();
    // Makes the folder path and checks it can be written; says why not and returns false.
    bool MakeWritableFolder(const QString& folder);
    // A folder that already holds things: says what Setup and the uninstaller will do with
    // them and asks. True to install there.
    bool ConfirmFolderWithContents(const QString& folder);

    QGroupBox* frameInstallPath;
    QLineEdit* txtInstallPath;
    QPushButton* cmdBrowse;
    QGroupBox* frameStartMenu;
    QRadioButton* optStartAllUsers;
    QRadioButton* optStartThisUser;
    QRadioButton* optStartNone;
    QGroupBox* frameDesktop;
    QRadioButton* optIconAllUsers;
    QRadioButton* optIconThisUser;
    QRadioButton* optIconNone;
    QPushButton* cmdContinue;
    QPushButton* cmdCancel;
};

} // namespace setup
