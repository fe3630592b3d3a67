#pragma once
#include <QDialog>

class QLabel;
class QLocalServer;
class QTimer;

namespace setup {

// The data-access check. It starts the test program ADO25Test from the Support folder and
// listens on a local socket; the test program answers with the window's new caption, which
// holds "SUCCESS" when the database engine works. The third tick of Timer1 decides.
class frmTestADO : public QDialog {
    Q_OBJECT
public:
    explicit frmTestADO(QWidget* parent = nullptr);
    ~frmTestADO() override;

    int TickCount() const { return m_TickCount; }
    bool TestStarted() const { return m_Activated; }

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override; // closed only by its own decision or by the end of the installer

private:
    void FirstActivation();
    void Timer1_Timer();
    void ReadCaption();

    QLabel* Label1;
    QTimer* Timer1;
    QLocalServer* m_Server;
    bool m_Activated = false;
    int m_TickCount = 0;
};

} // namespace setup
