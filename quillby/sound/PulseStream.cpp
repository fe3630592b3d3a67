#include "PulseStream.h"

#include <QCoreApplication>
#include <optional>
#include <pulse/simple.h>

namespace {

// The server's buffer ahead of the speaker: short, so that a sound stopped or replaced goes
// quiet at once, long enough for a busy machine to keep it filled.
constexpr qint64 kBufferUs = 150 * 1000;

std::optional<pa_sample_spec> SpecOf(const QAudioFormat& format)
{
    pa_sample_spec spec{};
    switch (format.sampleFormat()) {
    case QAudioFormat::UInt8:
        spec.format = PA_SAMPLE_U8;
        break;
    case QAudioFormat::Int16:
        spec.format = PA_SAMPLE_S16NE;
        break;
    case QAudioFormat::Int32:
        spec.format = PA_SAMPLE_S32NE;
        break;
    case QAudioFormat::Float:
        spec.format = PA_SAMPLE_FLOAT32NE;
        break;
    default:
        return std::nullopt;
    }
    spec.rate = uint32_t(format.sampleRate());
    spec.channels = uint8_t(format.channelCount());
    if (format.channelCount() < 1 || !pa_sample_spec_valid(&spec))
        return std::nullopt;
    return spec;
}

} // namespace

PulseStream::~PulseStream()
{
    if (stream_)
        pa_simple_free(stream_);
}

bool PulseStream::Takes(const QAudioFormat& format) { return SpecOf(format).has_value(); }

bool PulseStream::Open(const QAudioFormat& format, const QString& name)
{
    const std::optional<pa_sample_spec> spec = SpecOf(format);
    if (stream_ || !spec)
        return false;
    pa_buffer_attr buffer;
    buffer.maxlength = uint32_t(-1);
    buffer.tlength = uint32_t(format.bytesForDuration(kBufferUs));
    buffer.prebuf = uint32_t(-1);
    buffer.minreq = uint32_t(-1);
    buffer.fragsize = uint32_t(-1);
    const QByteArray client = QCoreApplication::applicationName().toUtf8();
    stream_ = pa_simple_new(nullptr, client.isEmpty() ? "Quillby" : client.constData(),
                            PA_STREAM_PLAYBACK, nullptr, name.toUtf8().constData(), &*spec, nullptr,
                            &buffer, nullptr);
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
