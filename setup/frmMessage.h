#pragma once
#include <QDialog>

class QLabel;
class QTimer;

namespace setup {

// "Installation Complete", shown for two seconds with a beep at the end of the run.
class frmMessage : public QDialog {
    Q_OBJECT
public:
    explicit frmMessage(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* Picture1;
    QLabel* Label1;
    QTimer* Timer1;
};

} // namespace setup
