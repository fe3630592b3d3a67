#pragma once
#include <QWidget>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace setup {

// The licence agreement: the first window of the installer.
class frmLicense : public QWidget {
    Q_OBJECT
public:
    explicit frmLicense(QWidget* parent = nullptr);

    // The agreement, each line ended by CR LF.
    static QString AgreementText();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void chkAccept_Click();
    void cmdContinue_Click();

    QLabel* lblTop;
    QPlainTextEdit* txtLicense;
    QCheckBox* chkAccept;
    QLabel* lblCheckLeft;
    QPushButton* cmdContinue;
    QPushButton* cmdCancel;
};

} // namespace setup
