#include "RaiseChannel.h"

#include "LineSocket.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

namespace {
const QByteArray kRaise = QByteArrayLiteral("raise");
// "import <the file's absolute path, percent-encoded>", answered by one of the two below.
const QByteArray kImport = QByteArrayLiteral("import ");
const QByteArray kImported = QByteArrayLiteral("imported");
const QByteArray kBusy = QByteArrayLiteral("busy");
constexpr int kSecondRequestMs = 100;

// In the user's own runtime folder: other users cannot reach it, and it is gone after logout.
QString ChannelPath(const QString& lockPath)
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QLatin1Char('/') + RaiseChannelName(lockPath);
}

bool IsShownWindow(const QWidget* window)
{
    return window && window->isWindow() && window->isVisible() &&
           window->windowType() != Qt::Popup && window->windowType() != Qt::ToolTip;
}

// The main window when it shows (not hidden by a task), else any window that shows.
QWidget* FirstShownWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("frmLists") && IsShownWindow(window))
            return window;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (IsShownWindow(window))
            return window;
    return nullptr;
}
} // namespace

QString RaiseChannelName(const QString& lockPath)
{
    const QByteArray hash =
        QCryptographicHash::hash(lockPath.toUtf8(), QCryptographicHash::Sha1).toHex().left(20);
    return QStringLiteral("quillby-") + QString::fromLatin1(hash) + QStringLiteral(".raise");
}

QString RaiseChannel::PathFor(const QString& lockPath) { return ChannelPath(lockPath); }

RaiseChannel::RaiseChannel(const QString& lockPath, QObject* parent)
    : QObject(parent),
      server_(new LineServer([this](const QByteArray& line) { return AnswerLine(line); }, this))
{
    // Listening waits until the event loop runs: a second start cannot come sooner, and the
    // start-up goes on to the first window meanwhile. Only the holder of the lock listens: a
    // channel left behind by a Quillby that was killed is no one's, and is replaced.
    QTimer::singleShot(0, this, [this, path = ChannelPath(lockPath)] { server_->Listen(path); });
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { TrackActiveWindow(now); });
}

bool RaiseChannel::IsListening() const
{
    return server_->IsListening();
}

void RaiseChannel::TrackActiveWindow(QWidget* now)
{
    if (now && IsShownWindow(now->window()))
        lastActive_ = now->window();
}

void RaiseChannel::SetImportHandler(ImportHandler handler) { importHandler_ = std::move(handler); }

QByteArray RaiseChannel::AnswerLine(const QByteArray& line)
{
    if (line == kRaise) {
        RaiseProgramWindow(lastActive_);
        return {};
    }
    if (!line.startsWith(kImport))
        return {};
    const QString file =
        QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(kImport.size())));
    const bool taken = importHandler_ && !file.isEmpty() && importHandler_(file);
    if (!taken)
        RaiseProgramWindow(lastActive_);
    return (taken ? kImported : kBusy) + '\n';
}

bool AskToRaise(const QString& lockPath, int timeoutMs)
{
    return AskLine(ChannelPath(lockPath), kRaise + '\n', false, timeoutMs).has_value();
}

ImportAnswer AskToImport(const QString& lockPath, const QString& file, int timeoutMs)
{
    // The answer comes at once: the running Quillby opens the file after answering.
    const std::optional<QByteArray> answer = AskLine(
        ChannelPath(lockPath), kImport + file.toUtf8().toPercentEncoding() + '\n', true,
        timeoutMs);
    return answer == kImported ? ImportAnswer::Imported
           : answer == kBusy   ? ImportAnswer::Busy
                               : ImportAnswer::NoAnswer;
}

QWidget* RaiseProgramWindow(QWidget* lastActive)
{
    QWidget* window = QApplication::activeModalWidget();
    if (!IsShownWindow(window))
        window = IsShownWindow(lastActive) ? lastActive : FirstShownWindow();
    if (!window)
        return nullptr;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
    // X11 refuses a focus request older than the last change of focus, and the program's
    // idea of the time is that of the last X event it saw: the request itself brings a fresh
    // time back (a property of the window changes), so one more request then is granted.
    QTimer::singleShot(kSecondRequestMs, window, [window] {
        if (window->isVisible() && !window->isActiveWindow())
            window->activateWindow();
    });
    return window;
}
