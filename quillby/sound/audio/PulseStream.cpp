#include "PulseStream.h"

#include <QCoreApplication>
#include <optional>
#include <pulse/simple.h>

namespace audio {

namespace {

// The server's buffer ahead of the speaker: short, so that a sound stopped or replaced goes
// quiet at once, long enough for a busy machine to keep it filled.
constexpr qint64 kBufferUs = 150 * 1000;

// PulseAudio's description of a sound's samples: their format, rate and channels.
using SampleLayout = pa_sample_spec;

pa_sample_format_t PulseFormatOf(QAudioFormat::SampleFormat format)
{
    switch (format) {
    case QAudioFormat::UInt8:
        return PA_SAMPLE_U8;
    case QAudioFormat::Int16:
        return PA_SAMPLE_S16NE;
    case QAudioFormat::Int32:
        return PA_SAMPLE_S32NE;
    case QAudioFormat::Float:
        return PA_SAMPLE_FLOAT32NE;
    default:
        return PA_SAMPLE_INVALID;
    }
}

// The layout of `format`, or none where PulseAudio cannot play it as it is.
std::optional<SampleLayout> LayoutOf(const QAudioFormat& format)
{
    SampleLayout layout{};
    layout.format = PulseFormatOf(format.sampleFormat());
    layout.rate = uint32_t(format.sampleRate());
    layout.channels = uint8_t(format.channelCount());
    if (format.channelCount() < 1 || !pa_sample_spec_valid(&layout))
        return std::nullopt;
    return layout;
}

} // namespace

PulseStream::~PulseStream()
{
    if (stream_)
        pa_simple_free(stream_);
}

bool PulseStream::Takes(const QAudioFormat& format) { return LayoutOf(format).has_value(); }

bool PulseStream::Open(const QAudioFormat& format, const QString& name)
{
    const std::optional<SampleLayout> layout = LayoutOf(format);
    if (stream_ || !layout)
        return false;
    pa_buffer_attr buffer;
    buffer.maxlength = uint32_t(-1);
    buffer.tlength = uint32_t(format.bytesForDuration(kBufferUs));
    buffer.prebuf = uint32_t(-1);
    buffer.minreq = uint32_t(-1);
    buffer.fragsize = uint32_t(-1);
    const QByteArray client = QCoreApplication::applicationName().toUtf8();
    stream_ = pa_simple_new(nullptr, client.isEmpty() ? "Quillby" : client.constData(),
                            PA_STREAM_PLAYBACK, nullptr, name.toUtf8().constData(), &*layout,
                            nullptr, &buffer, nullptr);
    return stream_ != nullptr;
}

bool PulseStream::Write(const char* data, qsizetype size)
{
    return stream_ && pa_simple_write(stream_, data, size_t(size), nullptr) == 0;
}

bool PulseStream::Drain() { return stream_ && pa_simple_drain(stream_, nullptr) == 0; }

void PulseStream::Discard()
{
    if (stream_)
        pa_simple_flush(stream_, nullptr);
}

} // namespace audio
