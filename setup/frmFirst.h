#pragma once
#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;

namespace setup {

// The welcome window with the requirement checks.
class frmFirst : public QWidget {
    Q_OBJECT
public:
    explicit frmFirst(QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void cmdContinue_Click();

    QFrame* Frame1;
    QLabel* Image1;
    QLabel* Label1;
    QLabel* lblMain;
    QLabel* lblWizzard;
    QLabel* Label2;
    QPushButton* cmdContinue;
    QPushButton* cmdCancel;
};

} // namespace setup
