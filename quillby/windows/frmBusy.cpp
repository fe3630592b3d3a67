#include "frmBusy.h"

#include "FormHelpers.h"
#include "SchemaUpgrade.h"
#include "Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <memory>

frmBusy::frmBusy(const QString& doing, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmBusy"));
    setWindowTitle(tr("Quillby"));
    setAccessibleName(windowTitle());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    lblDoing = MakeLabel(this, "lblDoing", doing);
    lblDoing->setWordWrap(true);
    barProgress = new QProgressBar(this);
    NameControl(barProgress, "barProgress", doing);
    barProgress->setRange(0, 1000);
    barProgress->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblDoing);
    layout->addWidget(barProgress);
    setMinimumWidth(Twips(5400));
}

void frmBusy::ShowProgress(int perMille)
{
    barProgress->setValue(perMille);
    if (!isVisible())
        show();
    // Painted now, and the window system's requests answered; the user's input waits.
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void frmBusy::closeEvent(QCloseEvent* event) { event->ignore(); }

void frmBusy::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape)
        QDialog::keyPressEvent(event);
}

namespace {
void ShowTallyCount(int perMille)
{
    static std::unique_ptr<frmBusy> window;
    if (perMille >= 1000) {
        if (window)
            QApplication::restoreOverrideCursor();
        window.reset();
        return;
    }
    if (!window) {
        window = std::make_unique<frmBusy>(frmBusy::tr(
            "Quillby is counting the answers of your past tests, once, so that they "
            "open quickly from now on."));
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    window->ShowProgress(perMille);
}
} // namespace

void frmBusy::WatchTallyCount() { SetTallyCountListener(ShowTallyCount); }

void frmBusy::ShowTallyCountAhead()
{
    WatchTallyCount();
    ShowTallyCount(0);
}

void frmBusy::EndTallyCount() { ShowTallyCount(1000); }
