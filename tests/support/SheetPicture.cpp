#include "SheetPicture.h"

#include <QBuffer>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTransform>

#include <algorithm>

namespace {

QImage PrintedPage(const QString& title, const QStringList& words, const SheetStyle& style)
{
    const QSize page(qRound(8.27 * style.dpi), qRound(11.69 * style.dpi));
    QImage image(page, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor(20, 20, 20));
    const auto points = [&](double pt) { return qRound(pt * style.dpi / 72.0); };
    QFont font(style.font);
    font.setPixelSize(points(22));
    font.setBold(true);
    painter.setFont(font);
    const int left = points(72);
    int y = points(90);
    painter.drawText(left, y, title);
    font.setBold(false);
    font.setPixelSize(points(14));
    painter.setFont(font);
    y += points(44);
    painter.drawText(left, y, QStringLiteral("Name: ______________________"));
    font.setPixelSize(points(18));
    painter.setFont(font);
    y += points(30);
    // Up to 34 points a line, closer when the words would not fit on the page.
    const double lineStep = std::min(34.0, (780.0 - 164.0) / std::max<qsizetype>(1, words.size()));
    for (int i = 0; i < words.size(); ++i) {
        y += points(lineStep);
        painter.drawText(left, y, QStringLiteral("%1. %2").arg(i + 1).arg(words[i]));
    }
    return image;
}

// The page on a desk, turned, under a lamp that lights one corner more than the other.
QImage Photographed(const QImage& page, const SheetStyle& style)
{
    const QSize frame = style.frame.isEmpty() ? page.size() : style.frame;
    QImage photo(frame, QImage::Format_RGB32);
    photo.fill(style.photo ? QColor(120, 105, 90) : Qt::white);
    QPainter painter(&photo);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const double scale = 0.92 * std::min(double(frame.width()) / page.width(),
                                         double(frame.height()) / page.height());
    QTransform place;
    place.translate(frame.width() / 2.0, frame.height() / 2.0);
    place.rotate(style.tiltDegrees);
    place.scale(scale, scale);
    place.translate(-page.width() / 2.0, -page.height() / 2.0);
    painter.setTransform(place);
    painter.drawImage(0, 0, page);
    painter.resetTransform();
    if (style.photo) {
        QLinearGradient light(0, 0, frame.width(), frame.height());
        light.setColorAt(0, QColor(255, 255, 255, 0));
        light.setColorAt(1, QColor(60, 50, 40, 110));
        painter.fillRect(photo.rect(), light);
    }
    return photo;
}

QImage Softened(const QImage& image, double softness)
{
    if (softness <= 1)
        return image;
    const QSize small(qRound(image.width() / softness), qRound(image.height() / softness));
    return image.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage ThroughJpeg(const QImage& image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", quality);
    return QImage::fromData(bytes, "JPEG");
}

} // namespace

QImage MakeSheet(const QString& title, const QStringList& words, const SheetStyle& style)
{
    QImage image = PrintedPage(title, words, style);
    if (style.photo || style.tiltDegrees != 0 || !style.frame.isEmpty())
        image = Photographed(image, style);
    image = Softened(image, style.softness);
    return style.jpegQuality >= 0 ? ThroughJpeg(image, style.jpegQuality) : image;
}
