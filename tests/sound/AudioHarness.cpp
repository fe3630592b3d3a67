#include "AudioHarness.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace {

constexpr int kRate = 11025;
constexpr int kBytesPerSecond = kRate * 2;

// The program's trimmed output, or nothing when it fails or takes too long.
std::optional<QString> Run(const QString& program, const QStringList& args,
                           int timeoutMs = 20000)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        process.kill();
        process.waitForFinished(1000);
        return std::nullopt;
    }
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

int PeakOfS16(const QByteArray& raw)
{
    int peak = 0;
    for (qsizetype i = 0; i + 1 < raw.size(); i += 2)
        peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(raw.constData() + i))));
    return peak;
}

} // namespace

QString TestMicFifo()
{
    return qEnvironmentVariable("QUILLBY_TEST_MIC_FIFO");
}

void UseNoAudioServer()
{
    qputenv("PULSE_SERVER", "unix:/nonexistent/quillby-no-audio-server");
    qunsetenv("QUILLBY_TEST_MIC_FIFO");
}

QByteArray SpokenWord(const QString& word)
{
    QTemporaryDir dir;
    const QString wav = dir.filePath("spoken.wav");
    const QString raw = dir.filePath("spoken.raw");
    if (!Run("espeak-ng", {"-w", wav, word}))
        return {};
    if (!Run("sox", {wav, "-t", "raw", "-e", "signed-integer", "-b", "16", "-c", "1", "-r",
                     QString::number(kRate), "-L", raw}))
        return {};
    QFile file(raw);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

double RawSeconds(const QByteArray& raw)
{
    return double(raw.size()) / kBytesPerSecond;
}

MicFeeder::MicFeeder(QByteArray raw, int leadMs) : raw_(std::move(raw)), leadMs_(leadMs) {}

MicFeeder::~MicFeeder()
{
    cancel_ = true;
    if (thread_.joinable())
        thread_.join();
}

bool MicFeeder::Start(const QString& fifo)
{
    // Non-blocking open fails at once instead of waiting when no server reads the pipe.
    std::signal(SIGPIPE, SIG_IGN); // a server gone away is a failed write, not our end
    const int fd = fifo.isEmpty() ? -1 : ::open(QFile::encodeName(fifo).constData(),
                                                O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        finished_ = true;
        return false;
    }
    raw_.truncate(raw_.size() / 2 * 2);
    raw_.prepend(QByteArray(qsizetype(leadMs_) * kBytesPerSecond / 1000 / 2 * 2, '\0'));
    thread_ = std::thread([this, fd] { Feed(fd); });
    return true;
}

void MicFeeder::Feed(int fd)
{
    using Clock = std::chrono::steady_clock;
    // 20 ms in whole samples: the server's pipe source aborts on a partial sample, and writes
    // up to PIPE_BUF bytes reach it whole.
    constexpr qsizetype kChunk = kBytesPerSecond / 50 / 2 * 2;
    const auto start = Clock::now();
    const auto deadline = start + std::chrono::milliseconds(int(RawSeconds(raw_) * 1000) + 10000);
    qsizetype done = 0;
    while (done < raw_.size() && !cancel_ && Clock::now() < deadline) {
        // Pace the writes like a real microphone: no byte ahead of its time.
        const auto due = start + std::chrono::microseconds(done * 1000000 / kBytesPerSecond);
        std::this_thread::sleep_until(due);
        const qsizetype n = std::min(kChunk, raw_.size() - done);
        const ssize_t written = ::write(fd, raw_.constData() + done, size_t(n));
        if (written > 0)
            done += written;
        else if (written < 0 && errno != EAGAIN && errno != EINTR)
            break;
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ::close(fd);
    succeeded_ = done == raw_.size();
    finished_ = true;
}

bool RunEventsUntil(const std::function<bool()>& done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return done();
}

void RunEventsFor(int ms)
{
    RunEventsUntil([] { return false; }, ms);
}

SinkListener::SinkListener() = default;

SinkListener::~SinkListener()
{
    if (parec_.state() != QProcess::NotRunning) {
        parec_.kill();
        parec_.waitForFinished(2000);
    }
}

bool SinkListener::Start()
{
    const int before = SourceOutputCount();
    parec_.start("parec", {"-d", "spk.monitor", "--raw", "--format=s16le", "--channels=1",
                           "--rate=" + QString::number(kRate), "--latency-msec=20"});
    if (!parec_.waitForStarted(5000))
        return false;
    // The monitor stream takes a moment to connect.
    return RunEventsUntil([before] { return SourceOutputCount() > before; }, 15000);
}

int SinkListener::StopAndPeak()
{
    RunEventsFor(200);
    parec_.terminate();
    parec_.waitForFinished(5000);
    const int peak = PeakOfS16(parec_.readAllStandardOutput());
    // The server tells every client about the closed monitor stream; let that pass before a
    // test ends, since Qt's audio engine can abort on an event arriving during its exit.
    RunEventsFor(300);
    return peak;
}

namespace {
int StreamCount(const char* kind)
{
    QProcess pactl;
    pactl.start("pactl", {"list", "short", kind});
    if (!pactl.waitForFinished(10000) || pactl.exitCode() != 0)
        return -1;
    const QString out = QString::fromUtf8(pactl.readAllStandardOutput()).trimmed();
    return out.isEmpty() ? 0 : int(out.split('\n').size());
}
} // namespace

int SinkInputCount() { return StreamCount("sink-inputs"); }

int SourceOutputCount() { return StreamCount("source-outputs"); }

SoxInfo ReadSoxInfo(const QString& path)
{
    SoxInfo info;
    const auto channels = Run("soxi", {"-c", path});
    const auto rate = Run("soxi", {"-r", path});
    const auto bits = Run("soxi", {"-b", path});
    const auto samples = Run("soxi", {"-s", path});
    const auto encoding = Run("soxi", {"-e", path});
    if (!channels || !rate || !bits || !samples || !encoding)
        return info;
    info.valid = true;
    info.channels = channels->toInt();
    info.rate = rate->toInt();
    info.bits = bits->toInt();
    info.samples = samples->toLongLong();
    info.encoding = *encoding;
    return info;
}

int PeakOf8BitWav(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll().mid(44);
    int peak = 0;
    for (char c : bytes)
        peak = std::max(peak, std::abs(int(quint8(c)) - 128));
    return peak;
}

bool AudioServer(const char* action)
{
    return QProcess::execute(QStringLiteral("bash"), {QStringLiteral(QUILLBY_AUDIO_SERVER_SCRIPT),
                                                      QString::fromLatin1(action)}) == 0;
}
