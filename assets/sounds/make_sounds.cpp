// Synthesises the two feedback sounds that ship beside Quillby:
//   Sound_Correct.wav    a short bright two-note chime, rising
//   Sound_Incorrect.wav  a short low buzz
// Both are 8-bit unsigned PCM, 11025 Hz, mono, written by the program's own WAV writer.
// Usage: make_sounds <output folder>

#include "WavWriter.h"

#include <QByteArray>
#include <QDir>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRate = kWavSampleRate;
// Partials above this are left out: they would fold back below the Nyquist limit as noise.
constexpr double kHighestPartial = 0.45 * kRate;

using Signal = std::vector<double>;

int SampleCount(double seconds)
{
    return int(std::lround(seconds * kRate));
}

// A straight rise over attack seconds, then a fall to silence over release seconds at the end,
// so neither end of the sound clicks.
double Edges(double t, double length, double attack, double release)
{
    const double in = std::min(1.0, t / attack);
    const double out = std::clamp((length - t) / release, 0.0, 1.0);
    return in * out;
}

// A struck bell-like note: a few harmonics, each dying away a little faster than the one below.
void AddChimeNote(Signal& signal, double start, double frequency, double decay, double level)
{
    static const double kHarmonicLevels[] = {1.0, 0.35, 0.12};
    const double length = double(signal.size()) / kRate - start;
    for (int i = SampleCount(start); i < int(signal.size()); ++i) {
        const double t = double(i) / kRate - start;
        double value = 0.0;
        for (int h = 0; h < 3; ++h) {
            const double f = frequency * (h + 1);
            if (f < kHighestPartial)
                value += kHarmonicLevels[h] * std::exp(-t * (h + 1) / decay) *
                         std::sin(2 * kPi * f * t);
        }
        signal[i] += level * value * Edges(t, length, 0.004, 0.03);
    }
}

// A band-limited square wave: odd harmonics at 1/n strength up to 2 kHz, buzzy but not shrill.
double Square(double frequency, double t)
{
    double value = 0.0;
    for (int n = 1; n * frequency < 2000.0; n += 2)
        value += std::sin(2 * kPi * n * frequency * t) / n;
    return value;
}

Signal CorrectChime()
{
    Signal signal(SampleCount(0.6), 0.0);
    AddChimeNote(signal, 0.00, 1318.5, 0.12, 0.8); // E6
    AddChimeNote(signal, 0.11, 1975.5, 0.16, 1.0); // B6
    return signal;
}

Signal IncorrectBuzz()
{
    const double length = 0.45;
    Signal signal(SampleCount(length), 0.0);
    for (size_t i = 0; i < signal.size(); ++i) {
        const double t = double(i) / kRate;
        // Two slightly mistuned low notes beat against each other: a rough, unmistakable "no".
        const double value = Square(110.0, t) + 0.8 * Square(116.5, t);
        signal[i] = value * Edges(t, length, 0.01, 0.08);
    }
    return signal;
}

// Scales the loudest point to peak and turns the signal into unsigned 8-bit samples.
QByteArray ToUnsigned8(const Signal& signal, double peak)
{
    double loudest = 0.0;
    for (double value : signal)
        loudest = std::max(loudest, std::abs(value));
    const double scale = loudest > 0.0 ? peak / loudest : 0.0;
    QByteArray samples;
    samples.reserve(int(signal.size()));
    for (double value : signal) {
        const long level = 128 + std::lround(value * scale * 127.0);
        samples.append(char(std::clamp(level, 0L, 255L)));
    }
    return samples;
}

bool Write(const QDir& folder, const char* name, const Signal& signal)
{
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (WriteWavFile(path, ToUnsigned8(signal, 0.9)))
        return true;
    std::fprintf(stderr, "make_sounds: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds <output folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "make_sounds: cannot create %s\n", argv[1]);
        return 1;
    }
    const bool ok = Write(folder, "Sound_Correct.wav", CorrectChime())
                    && Write(folder, "Sound_Incorrect.wav", IncorrectBuzz());
    return ok ? 0 : 1;
}
