#pragma once
#include <QString>

class QBoxLayout;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace setup {

// The look the installer's pages share: a coloured side panel with a picture and a caption,
// a heading font and a row of buttons at the bottom right.
QFrame* MakeSidePanel(QWidget* parent, const QString& frameName, const QString& imageName,
                      const QString& iconFile, const QString& caption, QLabel** image,
                      QLabel** label);
void MakeHeading(QLabel* label);
QBoxLayout* ButtonRow(QPushButton* left, QPushButton* right);
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption);
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption,
                  bool wrap = true);
// A fixed-size page of the given size, centred on the screen.
void PlacePage(QWidget* page, int width, int height);

} // namespace setup
