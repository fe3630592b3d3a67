// Reading the words of a photographed sheet through the OCR module, and the pictures that are
// refused before any reading.
#include "ImportText.h"
#include "PictureReader.h"
#include "SheetPicture.h"

#include <QDataStream>
#include <QEventLoop>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QStringList kWords = {"because", "friend", "after", "again",  "could",  "every",
                            "great",   "house",  "laugh", "people", "school", "thought"};

std::vector<ImportRow> Candidates(const QImage& sheet, const QString& language = "eng")
{
    const PictureText text = ReadPictureText(sheet, {}, language, nullptr, nullptr);
    EXPECT_TRUE(text.error.isEmpty()) << text.error.toStdString();
    ImportResult result = ParseImportLines(text.lines, text.confidences);
    ClassifyRows(result.rows, {});
    return result.rows;
}

QStringList Ticked(const std::vector<ImportRow>& rows)
{
    QStringList words;
    for (const ImportRow& row : rows)
        if (row.ticked)
            words << row.word;
    return words;
}

// A BMP header that claims width x height pixels, without the pixels.
QByteArray BmpHeader(qint32 width, qint32 height)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(54 + 1000) << quint32(0) << quint32(54);
    out << quint32(40) << width << height << quint16(1) << quint16(24) << quint32(0) << quint32(0)
        << qint32(2835) << qint32(2835) << quint32(0) << quint32(0);
    return bytes + QByteArray(1000, '\0');
}

} // namespace

TEST(PictureReading, ATiltedSoftPhotoGivesTheWordsTickedAndTheHeadingsUnticked)
{
    SheetStyle photo;
    photo.tiltDegrees = 4;
    photo.softness = 2.2;
    photo.photo = true;
    photo.frame = QSize(4000, 3000);
    photo.jpegQuality = 75;
    const std::vector<ImportRow> rows = Candidates(
        MakeSheet("Spelling List - Week 12", kWords, photo));
    EXPECT_EQ(Ticked(rows), kWords);
    ASSERT_GE(rows.size(), 2u);
    EXPECT_FALSE(rows[0].ticked) << rows[0].word.toStdString();
    EXPECT_FALSE(rows[1].ticked) << rows[1].word.toStdString();
}

TEST(PictureReading, AGermanSheetKeepsItsUmlautsAndSharpS)
{
    const QStringList words = {"Bär", "über", "Straße", "müde", "Größe", "fröhlich"};
    EXPECT_EQ(Ticked(Candidates(MakeSheet("Wörter der Woche 7", words, {}), "deu")), words);
}

TEST(PictureReading, UnreadableAndHugePicturesAreRefusedBeforeReading)
{
    QTemporaryDir folder;
    const struct {
        const char* name;
        QByteArray bytes;
        const char* messageStart;
    } cases[] = {
        {"broken.png", "\x89PNG\r\n\x1a\n this is no picture", "Quillby cannot read this picture"},
        {"notes.jpg", "hello, I am text", "Quillby cannot read this picture"},
        {"huge.bmp", BmpHeader(8660, 5774), "This picture has 50 megapixels"},
    };
    for (const auto& c : cases) {
        const QString path = folder.filePath(c.name);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
        file.close();
        const QString problem = PictureFileProblem(path);
        EXPECT_TRUE(problem.startsWith(c.messageStart)) << c.name << ": " << problem.toStdString();
        EXPECT_FALSE(ReadPictureText({}, path, "eng", nullptr, nullptr).error.isEmpty()) << c.name;
    }
    EXPECT_TRUE(PictureFileProblem(QStringLiteral(":/no/such/file.png")).startsWith("Quillby"));
}

TEST(PictureReading, CancelStopsTheReadingOnItsThread)
{
    SheetStyle photo;
    photo.frame = QSize(4000, 3000);
    PictureReader reader;
    PictureText finished;
    bool done = false;
    QEventLoop loop;
    QObject::connect(&reader, &PictureReader::Finished, [&](const PictureText& text) {
        finished = text;
        done = true;
        loop.quit();
    });
    reader.Start({}, MakeSheet("Spelling List - Week 12", kWords, photo));
    EXPECT_TRUE(reader.Running());
    QTimer::singleShot(300, &reader, &PictureReader::Cancel);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    loop.exec();
    ASSERT_TRUE(done) << "the reading ends within 20 s of the cancel";
    EXPECT_TRUE(finished.cancelled);
    EXPECT_TRUE(finished.error.isEmpty());
    EXPECT_TRUE(finished.lines.isEmpty());
}

// A PDF of the sheet: its text as a document's, or only a scanned picture of it.
QString WritePdf(const QString& path, const QStringList& words, bool asPicture)
{
    QPdfWriter pdf(path);
    pdf.setResolution(300);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter(&pdf);
    if (asPicture) {
        SheetStyle scan;
        scan.jpegQuality = 80;
        painter.drawImage(QRect(QPoint(0, 0), QSize(pdf.width(), pdf.height())),
                          MakeSheet("Spelling List - Week 12", words, scan));
    } else {
        QFont font("DejaVu Sans");
        font.setPointSize(16);
        painter.setFont(font);
        painter.drawText(200, 300, "Spelling List - Week 12");
        painter.drawText(200, 500, "Name: ____________");
        for (int i = 0; i < words.size(); ++i)
            painter.drawText(200, 700 + 150 * i, QString("%1. %2").arg(i + 1).arg(words[i]));
    }
    painter.end();
    return path;
}

TEST(PictureReading, APdfGivesItsTextOrItsPagesRead)
{
    QTemporaryDir folder;
    for (const bool asPicture : {false, true}) {
        const QString path = WritePdf(folder.filePath(asPicture ? "scan.pdf" : "text.pdf"), kWords,
                                      asPicture);
        EXPECT_TRUE(IsPictureFile(path));
        EXPECT_EQ(PictureFileProblem(path), QString());
        const PictureText text = ReadPictureText({}, path, "eng", nullptr, nullptr);
        ASSERT_TRUE(text.error.isEmpty()) << text.error.toStdString();
        ImportResult result = ParseImportLines(text.lines, text.confidences);
        ClassifyRows(result.rows, {});
        EXPECT_EQ(Ticked(result.rows), kWords) << (asPicture ? "scanned" : "text") << " PDF";
    }
    const QString broken = folder.filePath("broken.pdf");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("%PDF-1.4 this is not a PDF");
    file.close();
    EXPECT_TRUE(ReadPictureText({}, broken, "eng", nullptr, nullptr)
                    .error.contains("the PDF file cannot be opened"));
}
