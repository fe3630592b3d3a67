// Draws the two icons that ship beside Quillby, Robot.ico and Skull.ico, each holding the
// image at 16, 32, 48 and 256 pixels. Usage: make_icons <output folder> [<png folder>]
// With a png folder, every image is also saved there as a PNG for looking at.

#include "IcoWriter.h"
#include "IconPainter.h"

#include <QDir>

#include <cstdio>
#include <functional>

namespace {

const int kSizes[] = {16, 32, 48, 256};

bool MakeIcon(const QDir& folder, const QString& name, const std::function<QImage(int)>& draw,
              const QString& pngFolder)
{
    QList<QImage> images;
    for (int size : kSizes) {
        images.append(draw(size));
        if (!pngFolder.isEmpty())
            images.last().save(QDir(pngFolder).filePath(QString("%1-%2.png").arg(name).arg(size)));
    }
    const QString path = folder.filePath(name + ".ico");
    if (WriteIcoFile(path, images))
        return true;
    std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: make_icons <output folder> [<png folder>]\n");
        return 2;
    }
    // Only shapes are drawn, no text: painting on an image needs neither fonts nor a screen,
    // so the tool runs without an application object on build machines without a display.
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString pngFolder = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (!folder.mkpath(".") || (!pngFolder.isEmpty() && !QDir().mkpath(pngFolder))) {
        std::fprintf(stderr, "make_icons: cannot create the output folder\n");
        return 1;
    }
    const bool ok = MakeIcon(folder, "Robot", DrawRobot, pngFolder)
                    && MakeIcon(folder, "Skull", DrawSkull, pngFolder);
    return ok ? 0 : 1;
}
