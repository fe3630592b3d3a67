#pragma once
#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace setup {

// Asks what to do when the database engine check failed: open the download page, go on
// without it, or abort.
class frmPromptADO : public QDialog {
    Q_OBJECT
public:
    explicit frmPromptADO(QWidget* parent = nullptr);

    // True once the user confirmed going on without the component.
    bool Skipped() const { return m_Skipped; }

    void LaunchInstallLink();
    static void OpenInternet(const QString& URL, const int& WindowStyle);
    static QString InstallLinkAddress();

protected:
    void reject() override; // closed only through its choices or by the end of the installer

private:
    void cmdContinue_Click();

    QLabel* Label1;
    QLabel* Label2;
    QGroupBox* Frame1;
    QRadioButton* optInstall;
    QRadioButton* optSkip;
    QRadioButton* optAbort;
    QPushButton* cmdContinue;
    bool m_Skipped = false;
};

} // namespace setup
