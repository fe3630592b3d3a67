// Draws the icons that ship with Quillby: Robot.ico and Skull.ico beside the programs, each
// holding the image at 16, 32, 48 and 256 pixels, and, given a theme folder, Quillby's icon
// in the hicolor theme layout that desktops look up by name: PNG files at the usual sizes
// and one scalable SVG, all from the same drawing.
// Usage: make_icons <output folder> [<icon theme folder>]

#include "IcoWriter.h"
#include "IconPainter.h"

#include <QDir>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>
#include <functional>

namespace {

const int kIcoSizes[] = {16, 32, 48, 256};
const int kThemeSizes[] = {16, 32, 48, 64, 128, 256};
const QString kThemeIconName = QStringLiteral("quillby");

bool Fail(const QString& path)
{
    std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(path));
    return false;
}

bool MakeIcon(const QDir& folder, const QString& name, const std::function<QImage(int)>& draw)
{
    QList<QImage> images;
    for (int size : kIcoSizes)
        images.append(draw(size));
    const QString path = folder.filePath(name + ".ico");
    return WriteIcoFile(path, images) || Fail(path);
}

bool WriteSvg(const QString& path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Quillby"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    PaintRobot(painter, 256);
    return painter.end();
}

// <theme>/hicolor/<n>x<n>/apps/quillby.png and <theme>/hicolor/scalable/apps/quillby.svg
bool MakeThemeIcons(const QDir& theme)
{
    for (int size : kThemeSizes) {
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        const QString path = theme.filePath(folder + QLatin1Char('/') + kThemeIconName + ".png");
        if (!theme.mkpath(folder) || !DrawRobot(size).save(path, "PNG"))
            return Fail(path);
    }
    const QString folder = QStringLiteral("hicolor/scalable/apps");
    const QString path = theme.filePath(folder + QLatin1Char('/') + kThemeIconName + ".svg");
    return (theme.mkpath(folder) && WriteSvg(path)) || Fail(path);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: make_icons <output folder> [<icon theme folder>]\n");
        return 2;
    }
    // Only shapes are drawn, no text: painting on an image needs neither fonts nor a screen,
    // so the tool runs without an application object on build machines without a display.
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "make_icons: cannot create the output folder\n");
        return 1;
    }
    bool ok = MakeIcon(folder, "Robot", DrawRobot) && MakeIcon(folder, "Skull", DrawSkull);
    if (ok && argc == 3)
        ok = MakeThemeIcons(QDir(QString::fromLocal8Bit(argv[2])));
    return ok ? 0 : 1;
}
