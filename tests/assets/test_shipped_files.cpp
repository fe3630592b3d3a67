// The shipped sounds and icons, read back as the files a user receives. The checks parse the
// files themselves rather than trusting the writers that made them.

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace {

QString ShippedFile(const char* name)
{
    return QStringLiteral(QUILLBY_OUT_DIR "/") + QString::fromLatin1(name);
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint16 U16(const QByteArray& data, qsizetype at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}

quint32 U32(const QByteArray& data, qsizetype at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

// ---------------------------------------------------------------------------------------------
// Sounds

struct Wav {
    bool riffOk = false;
    quint16 format = 0, channels = 0, blockAlign = 0, bits = 0;
    quint32 rate = 0, byteRate = 0;
    QByteArray samples; // the data chunk
    bool hasFormat = false, hasData = false;
};

// Walks the RIFF chunks in order, as a strict reader would, and keeps fmt and data.
Wav ParseWav(const QByteArray& file)
{
    Wav wav;
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return wav;
    wav.riffOk = U32(file, 4) == quint32(file.size() - 8);
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const quint32 size = U32(file, at + 4);
        const qsizetype body = at + 8;
        if (body + qsizetype(size) > file.size())
            return Wav{}; // a chunk that runs past the end of the file
        if (id == "fmt " && size >= 16) {
            wav.hasFormat = true;
            wav.format = U16(file, body);
            wav.channels = U16(file, body + 2);
            wav.rate = U32(file, body + 4);
            wav.byteRate = U32(file, body + 8);
            wav.blockAlign = U16(file, body + 12);
            wav.bits = U16(file, body + 14);
        } else if (id == "data") {
            wav.hasData = true;
            wav.samples = file.mid(body, size);
        }
        at = body + size + (size % 2);
    }
    return wav;
}

int Deviation(char sample)
{
    return std::abs(int(quint8(sample)) - 128);
}

// Sign changes around the silent level per second: a rough measure of pitch.
double CrossingsPerSecond(const QByteArray& samples, double rate)
{
    int crossings = 0;
    for (qsizetype i = 1; i < samples.size(); ++i) {
        const bool before = quint8(samples[i - 1]) >= 128;
        const bool now = quint8(samples[i]) >= 128;
        crossings += before != now;
    }
    return crossings * rate / double(samples.size());
}

class ShippedSound : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        file = ReadAll(ShippedFile(GetParam()));
        ASSERT_FALSE(file.isEmpty()) << "missing or empty: " << GetParam();
        wav = ParseWav(file);
    }
    QByteArray file;
    Wav wav;
};

TEST_P(ShippedSound, IsEightBitMonoPcmAt11025Hz)
{
    EXPECT_TRUE(wav.riffOk) << "RIFF size does not match the file size";
    ASSERT_TRUE(wav.hasFormat);
    ASSERT_TRUE(wav.hasData);
    EXPECT_EQ(wav.format, 1);
    EXPECT_EQ(wav.channels, 1);
    EXPECT_EQ(wav.rate, 11025u);
    EXPECT_EQ(wav.bits, 8);
    EXPECT_EQ(wav.blockAlign, 1);
    EXPECT_EQ(wav.byteRate, 11025u);
}

TEST_P(ShippedSound, IsShortButAudible)
{
    const double seconds = wav.samples.size() / 11025.0;
    EXPECT_GE(seconds, 0.2);
    EXPECT_LE(seconds, 1.5); // feedback, not a tune: the child is waiting to go on

    int peak = 0;
    double energy = 0;
    int clipped = 0;
    for (char s : wav.samples) {
        peak = std::max(peak, Deviation(s));
        energy += Deviation(s) * Deviation(s);
        clipped += quint8(s) == 0 || quint8(s) == 255;
    }
    const double rms = std::sqrt(energy / std::max<qsizetype>(1, wav.samples.size()));
    EXPECT_GE(peak, 64) << "too quiet";
    EXPECT_GE(rms, 12.0) << "mostly silence";
    EXPECT_LT(clipped, wav.samples.size() / 100) << "clipped";
}

TEST_P(ShippedSound, StartsAndEndsAtSilenceWithoutAClick)
{
    ASSERT_GT(wav.samples.size(), 100);
    // A sound that starts or stops at full strength clicks in the speaker: the first samples
    // must rise from silence and the last millisecond must already be back at silence.
    for (int i = 0; i < 3; ++i)
        EXPECT_LE(Deviation(wav.samples[i]), 8) << "sample " << i;
    for (int i = 0; i < 11; ++i)
        EXPECT_LE(Deviation(wav.samples[wav.samples.size() - 1 - i]), 8) << "sample from end " << i;
}

INSTANTIATE_TEST_SUITE_P(Feedback, ShippedSound,
                         ::testing::Values("Sound_Correct.wav", "Sound_Incorrect.wav"),
                         [](const auto& info) {
                             return std::string(info.param).substr(6, info.param[6] == 'C' ? 7 : 9);
                         });

TEST(ShippedSounds, CorrectIsABrightChimeAndIncorrectALowBuzz)
{
    const Wav correct = ParseWav(ReadAll(ShippedFile("Sound_Correct.wav")));
    const Wav incorrect = ParseWav(ReadAll(ShippedFile("Sound_Incorrect.wav")));
    ASSERT_FALSE(correct.samples.isEmpty());
    ASSERT_FALSE(incorrect.samples.isEmpty());
    const double high = CrossingsPerSecond(correct.samples, 11025);
    const double low = CrossingsPerSecond(incorrect.samples, 11025);
    EXPECT_GT(high, 1500) << "the chime should sound above 750 Hz";
    EXPECT_LT(low, 600) << "the buzz should sound below 300 Hz";
    EXPECT_NE(correct.samples, incorrect.samples);
}

// ---------------------------------------------------------------------------------------------
// Icons

struct IcoEntry {
    int size = 0;
    quint32 bytes = 0, offset = 0;
};

// The directory of an .ico file; empty when the header or any entry is out of bounds.
std::vector<IcoEntry> ParseIcoDirectory(const QByteArray& file)
{
    if (file.size() < 6 || U16(file, 0) != 0 || U16(file, 2) != 1)
        return {};
    const int count = U16(file, 4);
    if (file.size() < 6 + 16 * count)
        return {};
    std::vector<IcoEntry> entries;
    for (int i = 0; i < count; ++i) {
        const qsizetype at = 6 + 16 * i;
        IcoEntry entry;
        const int width = quint8(file[at]), height = quint8(file[at + 1]);
        if (width != height)
            return {};
        entry.size = width == 0 ? 256 : width;
        entry.bytes = U32(file, at + 8);
        entry.offset = U32(file, at + 12);
        if (entry.bytes == 0 || entry.offset < quint32(6 + 16 * count)
            || qint64(entry.offset) + entry.bytes > file.size())
            return {};
        entries.push_back(entry);
    }
    return entries;
}

struct Coverage {
    double opaqueShare = 0;
    QColor meanOpaqueColour;
};

Coverage Measure(const QImage& image)
{
    long opaque = 0, red = 0, green = 0, blue = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) < 200)
                continue;
            ++opaque;
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
        }
    }
    Coverage c;
    c.opaqueShare = double(opaque) / (image.width() * image.height());
    if (opaque > 0)
        c.meanOpaqueColour = QColor(int(red / opaque), int(green / opaque), int(blue / opaque));
    return c;
}

// Every image of the icon, decoded by Qt's own icon reader, keyed by size.
std::map<int, QImage> DecodeIcon(const QString& path)
{
    std::map<int, QImage> images;
    QImageReader reader(path, "ico");
    for (int i = 0; i < reader.imageCount(); ++i) {
        if (!reader.jumpToImage(i))
            break;
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        if (!image.isNull())
            images[image.width()] = image;
    }
    return images;
}

class ShippedIcon : public ::testing::TestWithParam<const char*> {
protected:
    QString Path() const { return ShippedFile(GetParam()); }
};

TEST_P(ShippedIcon, DirectoryHoldsTheUsualSizesWithinTheFile)
{
    const QByteArray file = ReadAll(Path());
    ASSERT_FALSE(file.isEmpty());
    const std::vector<IcoEntry> entries = ParseIcoDirectory(file);
    ASSERT_GE(entries.size(), 4u) << "not a valid multi-size icon";
    std::set<int> sizes;
    std::vector<std::pair<quint32, quint32>> spans;
    for (const IcoEntry& e : entries) {
        sizes.insert(e.size);
        spans.emplace_back(e.offset, e.offset + e.bytes);
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32, 48, 256}));
    std::sort(spans.begin(), spans.end());
    for (size_t i = 1; i < spans.size(); ++i)
        EXPECT_LE(spans[i - 1].second, spans[i].first) << "image data overlaps";
}

TEST_P(ShippedIcon, EveryImageDecodesWithAShapeOnATransparentGround)
{
    const std::map<int, QImage> images = DecodeIcon(Path());
    ASSERT_EQ(images.size(), 4u) << "Qt's icon reader did not find four sizes";
    for (const auto& [size, image] : images) {
        SCOPED_TRACE(size);
        EXPECT_EQ(image.height(), size);
        EXPECT_EQ(qAlpha(image.pixel(0, size - 1)), 0) << "corner should be transparent";
        EXPECT_EQ(qAlpha(image.pixel(size - 1, size - 1)), 0);
        const Coverage c = Measure(image);
        EXPECT_GT(c.opaqueShare, 0.35) << "too little drawn";
        EXPECT_LT(c.opaqueShare, 0.95) << "a block, not a shape";
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedIcon, ::testing::Values("Robot.ico", "Skull.ico"),
                         [](const auto& info) {
                             return std::string(info.param).substr(0, 5);
                         });

TEST(ShippedIcons, RobotIsMetalBlueAndSkullIsBoneWhite)
{
    const auto robot = DecodeIcon(ShippedFile("Robot.ico"));
    const auto skull = DecodeIcon(ShippedFile("Skull.ico"));
    ASSERT_TRUE(robot.count(256) && skull.count(256));
    for (int size : {16, 48, 256}) {
        SCOPED_TRACE(size);
        ASSERT_TRUE(robot.count(size) && skull.count(size));
        const QColor metal = Measure(robot.at(size)).meanOpaqueColour;
        const QColor bone = Measure(skull.at(size)).meanOpaqueColour;
        EXPECT_GT(metal.blue(), metal.red() + 30);
        EXPECT_GE(bone.red(), bone.blue());
        EXPECT_GT(bone.lightness(), metal.lightness()) << "the skull should be the paler";
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
