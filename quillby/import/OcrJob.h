#pragma once
// The one call between Quillby and its OCR module (libquillby_ocr.so), which alone links
// Tesseract: the module is loaded at the first picture, so that starting Quillby never
// loads Tesseract and its libraries.
#include <atomic>

struct QuillbyOcrJob {
    const unsigned char* pixels = nullptr; // 8-bit grey, row after row
    const char* path = nullptr;            // without pixels: a picture file Leptonica reads (TIFF)
    int width = 0;
    int height = 0;
    int bytesPerLine = 0;
    const char* language = "eng";         // Tesseract's language names, e.g. "deu"
    std::atomic<int>* progress = nullptr; // 0 to 100, written while the module reads
    std::atomic<bool>* cancel = nullptr;  // set to stop the reading
    bool prepare = true;                  // even out the light, straighten and scale the page first
};

// Reads the text of the picture: its lines as "<confidence 0-100>\t<text>\n", in UTF-8, in a buffer
// the caller frees with QuillbyOcrFree. Returns nullptr, with the reason in error, on failure or
// when cancelled (an empty reason).
using QuillbyOcrReadFunction = char* (*)(const QuillbyOcrJob* job, char* error, int errorSize);
using QuillbyOcrFreeFunction = void (*)(char* text);
