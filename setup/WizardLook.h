#pragma once
#include "InstallLook.h"

#include <QString>

class QFrame;
class QLabel;
class QWidget;

namespace setup {

using install::ButtonRow;
using install::MakeButton;
using install::MakeFrame;
using install::MakeLabel;
using install::MakeOption;

// The look the installer's pages share: a coloured side panel with a picture and a caption,
// a heading font and the buttons at the bottom right.
QFrame* MakeSidePanel(QWidget* parent, const char* frameName, const char* imageName,
                      const QString& iconFile, const QString& caption, QLabel** image,
                      QLabel** label);
void MakeHeading(QLabel* label);
// A fixed-size page of the given size, centred across the screen near its top.
void PlacePage(QWidget* page, int width, int height);

} // namespace setup
