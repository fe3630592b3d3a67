#pragma once
#include <QImage>

// The shipped icons, drawn at any square size on a transparent background. Both are laid out
// on a 256-unit grid; outlines grow at small sizes so the shapes stay readable.
QImage DrawRobot(int size); // a friendly robot head
QImage DrawSkull(int size); // a cartoon skull
