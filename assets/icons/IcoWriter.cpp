#include "IcoWriter.h"

#include <QBuffer>
#include <QSaveFile>
#include <QtEndian>

namespace {

constexpr int kHeaderSize = 6;
constexpr int kEntrySize = 16;
constexpr int kBitmapHeaderSize = 40;

void AppendU8(QByteArray& out, int value)
{
    out.append(char(value & 0xFF));
}

void AppendU16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void AppendU32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

QByteArray PngEntry(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return png;
}

// A bottom-up 32-bit BGRA bitmap of twice the height (the icon format's convention: colour
// rows, then the 1-bit AND mask that marks transparent pixels for readers without alpha).
QByteArray BitmapEntry(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int size = image.width();
    const int maskStride = ((size + 31) / 32) * 4;
    QByteArray out;
    AppendU32(out, kBitmapHeaderSize);
    AppendU32(out, quint32(size));
    AppendU32(out, quint32(size * 2));
    AppendU16(out, 1);  // planes
    AppendU16(out, 32); // bits per pixel
    AppendU32(out, 0);  // no compression
    AppendU32(out, quint32(size * size * 4 + maskStride * size));
    for (int i = 0; i < 4; ++i)
        AppendU32(out, 0); // resolution and palette: unused
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = image.pixel(x, y);
            AppendU8(out, qBlue(pixel));
            AppendU8(out, qGreen(pixel));
            AppendU8(out, qRed(pixel));
            AppendU8(out, qAlpha(pixel));
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < size; ++x) {
            if (qAlpha(image.pixel(x, y)) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

bool Storable(const QImage& image)
{
    return !image.isNull() && image.width() == image.height() && image.width() <= 256;
}

} // namespace

bool WriteIcoFile(const QString& path, const QList<QImage>& images)
{
    if (images.isEmpty() || images.size() > 0xFFFF)
        return false;
    QList<QByteArray> entries;
    for (const QImage& image : images) {
        if (!Storable(image))
            return false;
        entries.append(image.width() < 256 ? BitmapEntry(image) : PngEntry(image));
    }

    QByteArray out;
    AppendU16(out, 0); // reserved
    AppendU16(out, 1); // an icon, not a cursor
    AppendU16(out, quint16(images.size()));
    quint32 offset = kHeaderSize + kEntrySize * images.size();
    for (int i = 0; i < images.size(); ++i) {
        const int size = images[i].width();
        AppendU8(out, size % 256); // 256 is written as 0
        AppendU8(out, size % 256);
        AppendU8(out, 0); // no palette
        AppendU8(out, 0);
        AppendU16(out, 1);
        AppendU16(out, 32);
        AppendU32(out, quint32(entries[i].size()));
        AppendU32(out, offset);
        offset += quint32(entries[i].size());
    }
    for (const QByteArray& entry : entries)
        out.append(entry);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
