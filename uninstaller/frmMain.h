#pragma once
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace uninstaller {

// The uninstaller's one window.
class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The start-up: finds the log, then either restarts from the temporary folder or waits
    // for the user. Call once the window is up.
    void Load();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void cmdContinue_Click();

    QLabel* Image1;
    QLabel* lblMessage;
    QLabel* lblWorking;
    QPushButton* cmdContinue;
    QPushButton* cmdCancel;
    QLineEdit* txtDummy;
    bool m_Working = false;
};

} // namespace uninstaller
