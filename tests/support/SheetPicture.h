#pragma once
#include <QImage>
#include <QString>
#include <QStringList>

// Printed word sheets as a school hands them out, photographed or scanned in several ways:
// the pictures the import's tests and benchmarks read. Needs a QGuiApplication (fonts).

struct SheetStyle {
    QString font = QStringLiteral("DejaVu Sans");
    int dpi = 300;          // of the printed A4 page
    double tiltDegrees = 0; // the page turned on the desk
    double softness = 1;    // > 1: out of focus (the page is shrunk by it and enlarged back)
    bool photo = false;     // a desk around the page and uneven light
    QSize frame;            // the picture's size in pixels (a phone's 4000 x 3000); the
                            // page's own size when empty
    int jpegQuality = -1;   // >= 0: saved as JPEG and read back
};

// A title line, a "Name:" line and the words numbered "1." to "n.".
QImage MakeSheet(const QString& title, const QStringList& words, const SheetStyle& style);
