#include "ProgramIdentity.h"

#include <QGuiApplication>

void SetProgramIdentity(const QString& applicationName, const QString& desktopFileName)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Corvale"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("corvale.example"));
    QCoreApplication::setApplicationName(applicationName);
    if (!desktopFileName.isEmpty())
        QGuiApplication::setDesktopFileName(desktopFileName);
}

QIcon ProgramIcon(const QString& themeName, const QString& fallbackFile)
{
    return QIcon::fromTheme(themeName, QIcon(fallbackFile));
}
