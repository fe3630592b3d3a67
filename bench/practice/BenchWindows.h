#pragma once
// Closing the windows a benchmark opened, between samples, so that each sample starts from
// the main window alone.

#include <QApplication>
#include <QWidget>

namespace bench {

// Deletes what was left for deletion and runs what was posted; a few rounds, since a window's
// closing posts the deletion of its children.
inline void Flush()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

inline void CloseAll()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName().startsWith(QLatin1String("frm")))
            w->deleteLater();
    Flush();
}

} // namespace bench
