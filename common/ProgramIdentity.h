#pragma once
#include <QIcon>
#include <QString>

// Names the program to the desktop: the maker, the application name (on X11 also the window
// class that a launcher's StartupWMClass matches) and, for a program with a launcher of its
// own, that launcher's desktop file name without ".desktop" (the Wayland app id). No display
// name is set: the platform would append it to every window title, and titles stay exactly
// their captions. Call it once the application object exists, before any window shows.
void SetProgramIdentity(const QString& applicationName, const QString& desktopFileName = QString());

// The icon theme's picture of that name (an installed package puts Quillby's in the hicolor
// theme), else the picture in fallbackFile, usually an icon file beside the program.
QIcon ProgramIcon(const QString& themeName, const QString& fallbackFile);
