#include "frmTestADO.h"

#include "SetupFunctions.h"
#include "WizardLook.h"
#include "frmPromptADO.h"

#include <QApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QProcess>
#include <QProgressBar>
#include <QTimer>

namespace setup {

frmTestADO::frmTestADO(QWidget* parent) : QDialog(parent)
{
    NameWindow(this, "frmTestADO", tr("ADO Test"));
    Label1 = MakeLabel(this, "Label1", tr("Checking For ADO Components..."), false);
    auto* busy = new QProgressBar(this);
    busy->setObjectName(QStringLiteral("barBusy"));
    busy->setAccessibleName(Label1->text());
    busy->setRange(0, 0);
    busy->setTextVisible(false);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &frmTestADO::Timer1_Timer);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(12);
    layout->addWidget(Label1);
    layout->addWidget(busy);
    setFixedSize(340, 110);
    install::FitWindow(this);

    m_Server = new QLocalServer(this);
    connect(m_Server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_Server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, &frmTestADO::ReadCaption);
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

frmTestADO::~frmTestADO() = default;

void frmTestADO::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_Activated)
        QTimer::singleShot(0, this, &frmTestADO::FirstActivation);
}

void frmTestADO::reject()
{
    if (InstallerEnded())
        QDialog::reject();
}

void frmTestADO::FirstActivation()
{
    if (m_Activated)
        return;
    DoEvents(); // painted before the test starts
    m_Activated = true;
    setWindowTitle(tr("ADO Test"));
    Timer1->stop();
    Timer1->setInterval(1000);
    m_TickCount = 0;

    const QString name = AdoTestServerName(QCoreApplication::applicationPid());
    QLocalServer::removeServer(name);
    m_Server->listen(name);
    // The test program outlives this window only briefly; it is owned by the application so
    // that closing the window does not kill it half-way.
    auto* test = new QProcess(qApp);
    connect(test, &QProcess::finished, test, &QObject::deleteLater);
    connect(test, &QProcess::errorOccurred, test, [test](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            test->deleteLater();
    });
    test->setWorkingDirectory(Globals::SupportPath);
    test->start(Globals::SupportPath + QStringLiteral("/ADO25Test"), {});
    Timer1->start();
}

void frmTestADO::ReadCaption()
{
    auto* socket = qobject_cast<QLocalSocket*>(sender());
    if (!socket)
        return;
    while (socket->canReadLine())
        setWindowTitle(QString::fromUtf8(socket->readLine()).trimmed());
}

void frmTestADO::Timer1_Timer()
{
    if (m_TickCount == 0 || m_TickCount == 1) {
        ++m_TickCount;
        return;
    }
    Timer1->stop();
    DoEvents();
    if (windowTitle().toUpper().contains(QStringLiteral("SUCCESS"))) {
        m_Server->close();
        done(QDialog::Accepted);
        return;
    }
    QPointer<frmTestADO> self(this);
    if (QWidget* welcome = install::LoadedForm(QStringLiteral("frmFirst")))
        welcome->hide();
    DoEvents();
    frmPromptADO prompt(this);
    prompt.exec();
    if (self && prompt.Skipped())
        done(QDialog::Accepted);
}

} // namespace setup
