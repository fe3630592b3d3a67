#pragma once
#include <QImage>

class QPainter;

// The shipped icons, drawn at any square size on a transparent background. Both are laid out
// on a 256-unit grid; outlines grow at small sizes so the shapes stay readable.
QImage DrawRobot(int size); // a friendly robot head
QImage DrawSkull(int size); // a cartoon skull

// The same drawings on any painter already scaled to the 256-unit grid (an image, a vector
// file); `size` is the pixel size the picture is meant for and sets outlines and detail.
void PaintRobot(QPainter& painter, int size);
void PaintSkull(QPainter& painter, int size);
