#pragma once
#include <QList>
#include <QImage>
#include <QString>

// Writes images as one Windows icon (.ico) file at path, one entry per image, in the order
// given. Images up to 255 pixels wide are stored as 32-bit bitmaps with a transparency mask,
// which every icon reader understands; larger ones as PNG, as the format requires for 256.
// Every image must be square and at most 256 pixels. Returns false when nothing was written.
bool WriteIcoFile(const QString& path, const QList<QImage>& images);
