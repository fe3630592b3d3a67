// Quillby's OCR module: prepares a photographed or scanned page with Leptonica and reads its
// lines with Tesseract. The only entry points are QuillbyOcrRead and QuillbyOcrFree.
#include "OcrJob.h"

#include <leptonica/allheaders.h>
#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/resultiterator.h>

#include <algorithm>
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

struct PixDeleter {
    void operator()(Pix* pix) const { pixDestroy(&pix); }
};
using PixPtr = std::unique_ptr<Pix, PixDeleter>;

struct Monitor : tesseract::ETEXT_DESC {
    const QuillbyOcrJob* job = nullptr;
};

bool Cancelled(void* monitor, int)
{
    const QuillbyOcrJob* job = static_cast<Monitor*>(monitor)->job;
    return job->cancel && job->cancel->load();
}

bool Progressed(tesseract::ETEXT_DESC* monitor, int, int, int, int)
{
    const QuillbyOcrJob* job = static_cast<Monitor*>(monitor)->job;
    if (job->progress)
        job->progress->store(20 + monitor->progress * 8 / 10);
    return true;
}

void Report(const QuillbyOcrJob* job, int percent)
{
    if (job->progress)
        job->progress->store(percent);
}

PixPtr GreyPix(const QuillbyOcrJob* job)
{
    PixPtr pix(pixCreate(job->width, job->height, 8));
    if (!pix)
        return pix;
    l_uint32* data = pixGetData(pix.get());
    const int wpl = pixGetWpl(pix.get());
    for (int y = 0; y < job->height; ++y) {
        const unsigned char* source = job->pixels + static_cast<size_t>(y) * job->bytesPerLine;
        l_uint32* line = data + static_cast<size_t>(y) * wpl;
        for (int x = 0; x < job->width; ++x)
            SET_DATA_BYTE(line, x, source[x]);
    }
    return pix;
}

// Replaces pix by the result of a step; a step that fails leaves the page as it was.
void Apply(PixPtr& pix, Pix* result)
{
    if (result)
        pix.reset(result);
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

PixPtr PreparedPage(const QuillbyOcrJob* job)
{
    PixPtr pix = job->pixels ? GreyPix(job) : FilePix(job->path);
    if (!pix || !job->prepare)
        return pix;
    const int width = pixGetWidth(pix.get());
    const int height = pixGetHeight(pix.get());
    const double scale = kLongSide / std::max(width, height);
    if (scale > 1.15 || scale < 0.85)
        Apply(pix, pixScale(pix.get(), static_cast<float>(scale), static_cast<float>(scale)));
    Report(job, 5);
    // Straighten a tilted page (up to about 7 degrees).
    l_float32 angle = 0, confidence = 0;
    Apply(pix, pixFindSkewAndDeskew(pix.get(), 2, &angle, &confidence));
    Report(job, 10);
    // Even out the light of a photo: shadows and a lamp's gradient become white paper. After
    // the straightening, whose white corners would otherwise darken the page's edges.
    Apply(pix, pixBackgroundNormSimple(pix.get(), nullptr, nullptr));
    Report(job, 20);
    return pix;
}

char* Fail(char* error, int errorSize, const std::string& reason)
{
    if (error && errorSize > 0) {
        std::strncpy(error, reason.c_str(), static_cast<size_t>(errorSize) - 1);
        error[errorSize - 1] = '\0';
    }
    return nullptr;
}

char* Copy(const char* text)
{
    const size_t size = std::strlen(text) + 1;
    char* copy = static_cast<char*>(std::malloc(size));
    if (copy)
        std::memcpy(copy, text, size);
    return copy;
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

} // namespace

extern "C" __attribute__((visibility("default"))) char* QuillbyOcrRead(const QuillbyOcrJob* job,
                                                                      char* error, int errorSize)
{
    Fail(error, errorSize, "");
    PixPtr page = PreparedPage(job);
    if (!page)
        return Fail(error, errorSize, "the file is no picture that can be read, or it has "
                                      "more than 40 megapixels");
    tesseract::TessBaseAPI api;
    if (api.Init(nullptr, job->language, tesseract::OEM_LSTM_ONLY) != 0)
        return Fail(error, errorSize,
                    std::string("the language data \"") + job->language + "\" is not installed");
    api.SetVariable("debug_file", "/dev/null");
    // One block of lines: a sheet's numbers stay on the lines of their words, and the desk
    // around a photographed page does not split the page into columns.
    api.SetPageSegMode(tesseract::PSM_SINGLE_BLOCK);
    api.SetImage(page.get());
    api.SetSourceResolution(300);
    Monitor monitor;
    monitor.job = job;
    monitor.cancel = Cancelled;
    monitor.cancel_this = &monitor;
    monitor.progress_callback2 = Progressed;
    if (api.Recognize(&monitor) != 0 || (job->cancel && job->cancel->load()))
        return nullptr; // cancelled: no reason to show
    const std::string lines = Lines(api);
    Report(job, 100);
    return Copy(lines.c_str());
}

extern "C" __attribute__((visibility("default"))) void QuillbyOcrFree(char* text)
{
    std::free(text);
}
