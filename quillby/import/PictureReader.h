#pragma once
#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>

class QThread;

// Reading the words of a photographed or scanned sheet. The OCR module (OcrJob.h) is loaded
// at the first picture; the reading runs on a thread of its own, so the window stays usable
// and can stop it.

// The most pixels a picture may have (a 12-megapixel phone photo is well within).
inline constexpr qint64 kMaxPicturePixels = 40'000'000;

// Why the picture file cannot be read (unreadable, too large), "" when it can.
QString PictureFileProblem(const QString& path);
// Whether Quillby reads the file as a picture (by its name's ending); a PDF counts as one.
bool IsPictureFile(const QString& path);
// Tesseract's language for the desktop's: German for German, English otherwise.
QString OcrLanguage();
// Where the OCR module is; tests and benchmarks run from other folders.
void SetOcrModulePath(const QString& path);

// The lines of text in the picture (a file or an image), blank lines left out. progress
// goes from 0 to 100; setting cancel stops the reading (cancelled is then set, with no
// error). Runs on the calling thread. error says why nothing was read.
struct PictureText {
    QStringList lines;
    QList<int> confidences; // of each line, 0 to 100
    QString error;
    bool cancelled = false;
};
PictureText ReadPictureText(const QImage& image, const QString& path, const QString& language,
                            std::atomic<int>* progress, std::atomic<bool>* cancel,
                            bool prepare = true);

// Reads a picture on a thread of its own and says when it is done.
class PictureReader : public QObject {
    Q_OBJECT
public:
    explicit PictureReader(QObject* parent = nullptr);
    ~PictureReader() override; // stops a reading and waits for its thread

    // Starts reading a file, or an image (the clipboard's) when path is empty.
    void Start(const QString& path, const QImage& image = {});
    void Cancel();
    bool Running() const;
    int Progress() const { return progress_.load(); }

signals:
    void Finished(const PictureText& text);

private:
    QThread* thread_ = nullptr;
    std::atomic<int> progress_{0};
    std::atomic<bool> cancel_{false};
};
