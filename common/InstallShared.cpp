#include "InstallShared.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

namespace install {

void RunEnd::End(const std::function<void()>& closeWindows)
{
    m_Ended = true;
    if (closeWindows)
        closeWindows();
    if (m_Hook)
        m_Hook();
}

QString WithoutTrailingSeparator(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

bool CopyReplacing(const QString& from, const QString& to)
{
    if (!QFileInfo::exists(from))
        return false;
    QFile::remove(to);
    return QFile::copy(from, to) && QFileInfo::exists(to);
}

void DoEvents()
{
    QCoreApplication::processEvents();
}

QWidget* LoadedForm(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName().toUpper() == name.toUpper())
            return window;
    return nullptr;
}

void RestoreNormalPointer()
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

} // namespace install
