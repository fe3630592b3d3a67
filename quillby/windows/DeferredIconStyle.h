#pragma once

class QApplication;

// Makes the application's style the desktop's own, except that the icon of the overflow button
// every menu bar and tool bar builds at once (shown only when their entries do not fit) is
// read from its picture files when it is first drawn. Reading the first picture file loads
// every image plugin, which the first sight of the main window need not wait for.
void InstallDeferredIconStyle(QApplication& app);
