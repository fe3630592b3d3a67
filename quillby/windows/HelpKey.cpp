#include "HelpKey.h"

#include "frmHelp.h"

#include <QApplication>
#include <QKeyEvent>

namespace {
// The open help window, also one that a modal window owns.
frmHelp* OpenHelp()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<frmHelp*>(window))
            return help;
    return nullptr;
}

// Catches the help key in whichever window has the keyboard.
class HelpKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::HelpContents)) {
            ShowHelp();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

void ShowHelp()
{
    frmHelp* help = OpenHelp();
    QWidget* modal = QApplication::activeModalWidget();
    if (!help) {
        help = new frmHelp(modal);
        help->setAttribute(Qt::WA_DeleteOnClose);
    } else if (modal && modal != help && !modal->isAncestorOf(help)) {
        help->setParent(modal, help->windowFlags()); // usable beside the modal window
    }
    help->show();
    help->raise();
    help->activateWindow();
}

void InstallHelpKey()
{
    static HelpKeyFilter* filter = nullptr;
    if (filter)
        return;
    filter = new HelpKeyFilter(qApp);
    qApp->installEventFilter(filter);
}
