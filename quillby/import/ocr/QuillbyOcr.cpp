// Quillby's OCR module: prepares a photographed or scanned page with Leptonica and reads its
// lines with Tesseract; a PDF's pages give their own text, or are rendered by Poppler and
// read. The only entry points are QuillbyOcrRead and QuillbyOcrFree.
#include "OcrJob.h"

#include <leptonica/allheaders.h>
#include <poppler/cpp/poppler-document.h>
#include <poppler/cpp/poppler-global.h>
#include <poppler/cpp/poppler-image.h>
#include <poppler/cpp/poppler-page-renderer.h>
#include <poppler/cpp/poppler-page.h>
#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/resultiterator.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

// The page is read at about this many pixels on its long side: an A4 page at 300 dpi.
// Small scans are enlarged to it (small letters read badly), big photos reduced (faster,
// and no worse).
constexpr double kLongSide = 3300.0;
// Larger pictures are refused (Quillby checks the ones Qt reads before they come here).
constexpr double kMaxPixels = 40e6;
// A PDF's first pages only: a word list is a page or two.
constexpr int kMaxPdfPages = 10;
constexpr double kPdfDpi = 300.0;

struct PixDeleter {
    void operator()(Pix* pix) const { pixDestroy(&pix); }
};
using PixPtr = std::unique_ptr<Pix, PixDeleter>;

// Tesseract's progress of one page, placed within the job's 0 to 100.
struct Monitor : tesseract::ETEXT_DESC {
    const QuillbyOcrJob* job = nullptr;
    int base = 0;
    int span = 100;
};

bool Cancelled(const QuillbyOcrJob* job) { return job->cancel && job->cancel->load(); }

bool CancelCallback(void* monitor, int) { return Cancelled(static_cast<Monitor*>(monitor)->job); }

bool Progressed(tesseract::ETEXT_DESC* monitor, int, int, int, int)
{
    const auto* own = static_cast<Monitor*>(monitor);
    if (own->job->progress)
        own->job->progress->store(own->base + monitor->progress * own->span / 100);
    return true;
}

void Report(const QuillbyOcrJob* job, int percent)
{
    if (job->progress)
        job->progress->store(percent);
}

PixPtr GreyPix(const unsigned char* pixels, int width, int height, int bytesPerLine)
{
    PixPtr pix(pixCreate(width, height, 8));
    if (!pix)
        return pix;
    l_uint32* data = pixGetData(pix.get());
    const int wpl = pixGetWpl(pix.get());
    for (int y = 0; y < height; ++y) {
        const unsigned char* source = pixels + static_cast<size_t>(y) * bytesPerLine;
        l_uint32* line = data + static_cast<size_t>(y) * wpl;
        for (int x = 0; x < width; ++x)
            SET_DATA_BYTE(line, x, source[x]);
    }
    return pix;
}

// A picture file as 8-bit grey (Leptonica reads the formats Qt has no reader for).
PixPtr FilePix(const char* path)
{
    l_int32 format = 0, width = 0, height = 0, bits = 0, samples = 0, colourMap = 0;
    if (pixReadHeader(path, &format, &width, &height, &bits, &samples, &colourMap) != 0 ||
        static_cast<double>(width) * height > kMaxPixels)
        return nullptr;
    PixPtr read(pixRead(path));
    if (!read)
        return read;
    return PixPtr(pixConvertTo8(read.get(), 0));
}

// Replaces pix by the result of a step; a step that fails leaves the page as it was.
void Apply(PixPtr& pix, Pix* result)
{
    if (result)
        pix.reset(result);
}

// Scaled to the size Tesseract reads best, straightened (up to about 7 degrees), and with
// its light evened out: shadows and a lamp's gradient become white paper. The light comes
// after the straightening, whose white corners would otherwise darken the page's edges.
PixPtr Prepared(PixPtr pix)
{
    const double scale = kLongSide / std::max(pixGetWidth(pix.get()), pixGetHeight(pix.get()));
    if (scale > 1.15 || scale < 0.85)
        Apply(pix, pixScale(pix.get(), static_cast<float>(scale), static_cast<float>(scale)));
    l_float32 angle = 0, confidence = 0;
    Apply(pix, pixFindSkewAndDeskew(pix.get(), 2, &angle, &confidence));
    Apply(pix, pixBackgroundNormSimple(pix.get(), nullptr, nullptr));
    return pix;
}

// Each line as "<confidence>\t<text>\n", the confidence (0 to 100) its words' mean.
std::string Lines(tesseract::TessBaseAPI& api)
{
    std::string lines;
    std::unique_ptr<tesseract::ResultIterator> it(api.GetIterator());
    if (!it)
        return lines;
    do {
        std::string line;
        float confidence = 0;
        int words = 0;
        do {
            std::unique_ptr<char[]> word(it->GetUTF8Text(tesseract::RIL_WORD));
            if (word && *word.get()) {
                line += (line.empty() ? "" : " ") + std::string(word.get());
                confidence += it->Confidence(tesseract::RIL_WORD);
                ++words;
            }
        } while (!it->IsAtFinalElement(tesseract::RIL_TEXTLINE, tesseract::RIL_WORD) &&
                 it->Next(tesseract::RIL_WORD));
        if (words > 0)
            lines += std::to_string(static_cast<int>(confidence / words)) + "\t" + line + "\n";
    } while (it->Next(tesseract::RIL_WORD));
    return lines;
}

class PageReader {
public:
    explicit PageReader(const QuillbyOcrJob* job) : job_(job) {}

    bool Init(std::string& error)
    {
        if (api_.Init(nullptr, job_->language, tesseract::OEM_LSTM_ONLY) == 0) {
            api_.SetVariable("debug_file", "/dev/null");
            // One block of lines: a sheet's numbers stay on the lines of their words, and
            // the desk around a photographed page does not split the page into columns.
            api_.SetPageSegMode(tesseract::PSM_SINGLE_BLOCK);
            return true;
        }
        error = std::string("the language data \"") + job_->language + "\" is not installed";
        return false;
    }

    // Reads one page into lines; progress goes from base to base + span. False when
    // cancelled.
    bool Read(PixPtr page, int base, int span, std::string& lines)
    {
        if (job_->prepare)
            page = Prepared(std::move(page));
        Report(job_, base + span / 5);
        api_.SetImage(page.get());
        api_.SetSourceResolution(300);
        Monitor monitor;
        monitor.job = job_;
        monitor.base = base + span / 5;
        monitor.span = span - span / 5;
        monitor.cancel = CancelCallback;
        monitor.cancel_this = &monitor;
        monitor.progress_callback2 = Progressed;
        if (api_.Recognize(&monitor) != 0 || Cancelled(job_))
            return false;
        lines += Lines(api_);
        return true;
    }

private:
    const QuillbyOcrJob* job_;
    tesseract::TessBaseAPI api_;
};

bool IsPdf(const char* path)
{
    if (!path)
        return false;
    std::string name(path);
    if (name.size() < 4)
        return false;
    std::string ending = name.substr(name.size() - 4);
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ending == ".pdf";
}

bool HasLetters(const std::string& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isalpha(c) || c >= 0x80; });
}

// A page's own text (a PDF made from a document), each line as read with full confidence.
std::string PageText(const poppler::page& page)
{
    const poppler::byte_array bytes = page.text().to_utf8();
    const std::string text(bytes.begin(), bytes.end());
    std::string lines;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        std::string line = text.substr(start, end - start);
        line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
        if (HasLetters(line) || line.find_first_of("0123456789") != std::string::npos)
            lines += "100\t" + line + "\n";
        start = end + 1;
    }
    return lines;
}

// A page drawn at 300 dpi (less for a page too large), 8-bit grey.
PixPtr RenderedPage(const poppler::page& page)
{
    const poppler::rectf box = page.page_rect();
    double dpi = kPdfDpi;
    const double pixels = box.width() * box.height() * (dpi / 72) * (dpi / 72);
    if (pixels > kMaxPixels)
        dpi *= std::sqrt(kMaxPixels / pixels);
    poppler::page_renderer renderer;
    renderer.set_render_hints(poppler::page_renderer::antialiasing |
                              poppler::page_renderer::text_antialiasing);
    renderer.set_image_format(poppler::image::format_gray8);
    const poppler::image image = renderer.render_page(&page, dpi, dpi);
    if (!image.is_valid())
        return nullptr;
    return GreyPix(reinterpret_cast<const unsigned char*>(image.const_data()), image.width(),
                   image.height(), image.bytes_per_row());
}

char* Fail(char* error, int errorSize, const std::string& reason)
{
    if (error && errorSize > 0) {
        std::strncpy(error, reason.c_str(), static_cast<size_t>(errorSize) - 1);
        error[errorSize - 1] = '\0';
    }
    return nullptr;
}

char* Copy(const std::string& text)
{
    char* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (copy)
        std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

void Quiet(const std::string&, void*) {}

char* ReadPdf(const QuillbyOcrJob* job, char* error, int errorSize)
{
    // A damaged file's complaints go to the message the window shows, not to the terminal.
    poppler::set_debug_error_function(Quiet, nullptr);
    std::unique_ptr<poppler::document> document(poppler::document::load_from_file(job->path));
    if (!document || document->is_locked())
        return Fail(error, errorSize, "the PDF file cannot be opened");
    const int pages = std::min(document->pages(), kMaxPdfPages);
    std::unique_ptr<PageReader> reader;
    std::string lines, reason;
    for (int number = 0; number < pages; ++number) {
        std::unique_ptr<poppler::page> page(document->create_page(number));
        if (!page)
            continue;
        const int base = number * 100 / pages;
        const std::string text = PageText(*page);
        if (!text.empty()) {
            lines += text;
            Report(job, base + 100 / pages);
            continue;
        }
        PixPtr picture = RenderedPage(*page);
        if (!picture)
            continue;
        if (!reader) {
            reader = std::make_unique<PageReader>(job);
            if (!reader->Init(reason))
                return Fail(error, errorSize, reason);
        }
        if (!reader->Read(std::move(picture), base, 100 / pages, lines))
            return nullptr; // cancelled: no reason to show
    }
    Report(job, 100);
    return Copy(lines);
}

} // namespace

extern "C" __attribute__((visibility("default"))) char* QuillbyOcrRead(const QuillbyOcrJob* job,
                                                                       char* error, int errorSize)
{
    Fail(error, errorSize, "");
    if (!job->pixels && IsPdf(job->path))
        return ReadPdf(job, error, errorSize);
    PixPtr page = job->pixels ? GreyPix(job->pixels, job->width, job->height, job->bytesPerLine)
                              : FilePix(job->path);
    if (!page)
        return Fail(error, errorSize,
                    "the file is no picture that can be read, or it has "
                    "more than 40 megapixels");
    PageReader reader(job);
    std::string reason, lines;
    if (!reader.Init(reason))
        return Fail(error, errorSize, reason);
    if (!reader.Read(std::move(page), 0, 100, lines))
        return nullptr; // cancelled: no reason to show
    Report(job, 100);
    return Copy(lines);
}

extern "C" __attribute__((visibility("default"))) void QuillbyOcrFree(char* text)
{
    std::free(text);
}
