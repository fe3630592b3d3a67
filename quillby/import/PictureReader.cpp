#include "PictureReader.h"

#include "Modules.h"
#include "OcrJob.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLocale>
#include <QMetaObject>
#include <QThread>
#include <array>
#include <mutex>

namespace {

// The texts shown to the parent, in the catalogue's "PictureReader" context (lupdate reads the
// Texts::tr calls).
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PictureReader)
};

const QString kModule = QStringLiteral("quillby_ocr");

struct OcrModule {
    QuillbyOcrReadFunction read = nullptr;
    QuillbyOcrFreeFunction free = nullptr;
    QString error;
};

// Loaded once, at the first picture, and kept for the rest of the run.
const OcrModule& Module()
{
    static OcrModule module;
    static std::once_flag loaded;
    std::call_once(loaded, [] {
        // Tesseract's OpenMP threads spin while they wait for each other: on a busy computer
        // one page reads faster on one thread, and leaves the other core to the desktop.
        // Read by the OpenMP library when the module brings it in.
        if (!qEnvironmentVariableIsSet("OMP_THREAD_LIMIT"))
            qputenv("OMP_THREAD_LIMIT", "1");
        QString error;
        module.read = reinterpret_cast<QuillbyOcrReadFunction>(
            ModuleFunction(kModule, "QuillbyOcrRead", &error));
        module.free = reinterpret_cast<QuillbyOcrFreeFunction>(
            ModuleFunction(kModule, "QuillbyOcrFree", &error));
        if (!module.read || !module.free)
            module.error = Texts::tr("Quillby's text reader could not be loaded: %1").arg(error);
    });
    return module;
}

// Qt reads the file when it has a reader for its kind (by its name); the others (TIFF) go to
// the OCR module as files.
bool QtReadsFile(const QString& path)
{
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    return QImageReader::supportedImageFormats().contains(suffix) ||
           !QImageReader::imageFormat(path).isEmpty();
}

QString TooLarge(qint64 pixels)
{
    return Texts::tr("This picture has %1 megapixels; Quillby reads pictures of up to %2 "
                     "megapixels. Please make it smaller, or photograph the sheet again.")
        .arg(pixels / 1'000'000)
        .arg(kMaxPicturePixels / 1'000'000);
}

QImage LoadImage(const QString& path, QString* error)
{
    QImageReader reader(path);
    reader.setAutoTransform(true); // a phone's photo turned as it was taken
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPicturePixels) {
        *error = TooLarge(qint64(size.width()) * size.height());
        return {};
    }
    const QImage image = reader.read();
    if (image.isNull())
        *error = Texts::tr("Quillby cannot read this picture: %1").arg(reader.errorString());
    return image;
}

} // namespace

QString PictureFileProblem(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return Texts::tr("Quillby cannot read this picture: %1 is not there.").arg(path);
    if (!QtReadsFile(path))
        return {}; // TIFF and others: the module reads and checks them
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid())
        return Texts::tr("Quillby cannot read this picture: %1").arg(reader.errorString());
    if (qint64(size.width()) * size.height() > kMaxPicturePixels)
        return TooLarge(qint64(size.width()) * size.height());
    return {};
}

bool IsPictureFile(const QString& path)
{
    static const QStringList endings = {"png", "jpg",  "jpeg", "tif", "tiff", "bmp",
                                        "gif", "webp", "pnm",  "pgm", "ppm",  "pdf"};
    return endings.contains(QFileInfo(path).suffix().toLower());
}

QString OcrLanguage()
{
    return QLocale().language() == QLocale::German ? QStringLiteral("deu") : QStringLiteral("eng");
}

void SetOcrModulePath(const QString& path) { SetModulePathForTesting(kModule, path); }

PictureText ReadPictureText(const QImage& given, const QString& path, const QString& language,
                            std::atomic<int>* progress, std::atomic<bool>* cancel, bool prepare)
{
    PictureText result;
    QImage image = given;
    const bool byModule = image.isNull() && !QtReadsFile(path);
    if (image.isNull() && !byModule)
        image = LoadImage(path, &result.error);
    if (!result.error.isEmpty())
        return result;
    const OcrModule& module = Module();
    if (!module.error.isEmpty()) {
        result.error = module.error;
        return result;
    }
    if (!byModule)
        image = image.convertToFormat(QImage::Format_Grayscale8);
    const QByteArray languageName = language.toLatin1();
    const QByteArray pathName = QFile::encodeName(path);
    QuillbyOcrJob job;
    job.pixels = byModule ? nullptr : image.constBits();
    job.path = byModule ? pathName.constData() : nullptr;
    job.width = image.width();
    job.height = image.height();
    job.bytesPerLine = static_cast<int>(image.bytesPerLine());
    job.language = languageName.constData();
    job.progress = progress;
    job.cancel = cancel;
    job.prepare = prepare;
    std::array<char, 512> error{};
    char* text = module.read(&job, error.data(), static_cast<int>(error.size()));
    if (!text) {
        result.cancelled = cancel && cancel->load();
        if (!result.cancelled)
            result.error = Texts::tr("Quillby could not read the words of this picture: %1")
                               .arg(QString::fromUtf8(error.data()));
        return result;
    }
    for (const QString& line : QString::fromUtf8(text).split(u'\n')) {
        const qsizetype tab = line.indexOf(u'\t');
        if (tab < 0 || line.mid(tab + 1).trimmed().isEmpty())
            continue;
        result.confidences << line.left(tab).toInt();
        result.lines << line.mid(tab + 1).trimmed();
    }
    module.free(text);
    return result;
}

PictureReader::PictureReader(QObject* parent) : QObject(parent)
{
    qRegisterMetaType<PictureText>("PictureText");
}

PictureReader::~PictureReader()
{
    Cancel();
    if (thread_)
        thread_->wait();
}

void PictureReader::Start(const QString& path, const QImage& image)
{
    if (Running())
        return;
    delete thread_;
    progress_ = 0;
    cancel_ = false;
    const QString language = OcrLanguage();
    thread_ = QThread::create([this, path, image, language] {
        PictureText text = ReadPictureText(image, path, language, &progress_, &cancel_);
        QMetaObject::invokeMethod(
            this, [this, text] { emit Finished(text); }, Qt::QueuedConnection);
    });
    thread_->start(QThread::LowPriority);
}

void PictureReader::Cancel() { cancel_ = true; }

bool PictureReader::Running() const { return thread_ && thread_->isRunning(); }
