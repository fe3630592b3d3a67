#include "LineSocket.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <algorithm>
#include <utility>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;

constexpr int kRetryMs = 10;
constexpr int kReadChunk = 4096;

// The address of a socket file; false when the path does not fit in one.
bool AddressOf(const QByteArray& path, sockaddr_un& address)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return true;
}

int NewSocket() { return ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0); }

// A descriptor closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

int MsLeft(Clock::time_point deadline)
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return int(std::max<long long>(0, left.count()));
}

// Waits until fd is ready for events (or hung up) before the deadline.
bool WaitFor(int fd, short events, Clock::time_point deadline)
{
    for (;;) {
        pollfd watched{fd, events, 0};
        const int ready = ::poll(&watched, 1, MsLeft(deadline));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

bool Connect(int fd, const sockaddr_un& address, Clock::time_point deadline)
{
    for (;;) {
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            return true;
        if (errno == EINTR)
            continue;
        if (errno == EINPROGRESS) {
            int failure = 0;
            socklen_t size = sizeof failure;
            return WaitFor(fd, POLLOUT, deadline) &&
                   ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &failure, &size) == 0 && failure == 0;
        }
        // The listener's queue is full: it may take us shortly. Anything else (no file, a file
        // no one listens at) means no program answers.
        if (errno != EAGAIN || Clock::now() >= deadline)
            return false;
        ::poll(nullptr, 0, kRetryMs);
    }
}

bool SendAll(int fd, const QByteArray& bytes, Clock::time_point deadline)
{
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.constData() + sent, size_t(bytes.size() - sent),
                                 MSG_NOSIGNAL);
        if (n >= 0)
            sent += n;
        else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            if (!WaitFor(fd, POLLOUT, deadline))
                return false;
        } else if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

std::optional<QByteArray> ReadLine(int fd, Clock::time_point deadline)
{
    QByteArray received;
    char chunk[kReadChunk];
    while (!received.contains('\n')) {
        if (received.size() > LineServer::kMaxLine || !WaitFor(fd, POLLIN, deadline))
            return std::nullopt;
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n > 0)
            received.append(chunk, n);
        else if (n == 0 || (errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK))
            return std::nullopt; // hung up before the end of the answer
    }
    return received.left(received.indexOf('\n'));
}
} // namespace

// One client of the server: what it sent that is not a whole line yet.
struct LineServer::Connection {
    QSocketNotifier* notifier = nullptr;
    QTimer* idle = nullptr;
    QByteArray pending;
};

LineServer::LineServer(LineHandler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler))
{
}

LineServer::~LineServer()
{
    while (!connections_.empty())
        Drop(connections_.begin()->first);
    if (listenFd_ >= 0) {
        ::close(listenFd_);
        ::unlink(QFile::encodeName(path_).constData());
    }
}

bool LineServer::Listen(const QString& path, QString* error)
{
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (listenFd_ >= 0)
        return fail(QStringLiteral("already listening"));
    const QByteArray target = QFile::encodeName(path);
    // Made in a folder only this user reaches, given its rights there, and then moved to its
    // place in one step: no other user can connect in between, and a socket file left there
    // is replaced.
    QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath()) + "/.qXXXXXX";
    sockaddr_un address;
    if (!AddressOf(target, address))
        return fail(QString::fromLocal8Bit(std::strerror(ENAMETOOLONG)));
    if (!::mkdtemp(folder.data()))
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    const QByteArray made = folder + "/s";
    Descriptor fd(NewSocket());
    bool listening = fd.get() >= 0 && AddressOf(made, address) &&
                     ::bind(fd.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                     ::chmod(made.constData(), S_IRUSR | S_IWUSR) == 0 &&
                     ::listen(fd.get(), kMaxConnections) == 0 &&
                     ::rename(made.constData(), target.constData()) == 0;
    const int reason = errno;
    ::unlink(made.constData());
    ::rmdir(folder.constData());
    if (!listening)
        return fail(QString::fromLocal8Bit(std::strerror(reason)));
    path_ = path;
    listenFd_ = fd.release();
    listening_ = new QSocketNotifier(listenFd_, QSocketNotifier::Read, this);
    connect(listening_, &QSocketNotifier::activated, this, &LineServer::Accept);
    return true;
}

void LineServer::Accept()
{
    for (;;) {
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0 && errno == EINTR)
            continue;
        if (fd < 0) {
            // Out of descriptors: the waiting client stays queued; look again a moment later
            // instead of being woken for it at once, over and over.
            if (errno == EMFILE || errno == ENFILE) {
                listening_->setEnabled(false);
                QTimer::singleShot(100, listening_, [this] { listening_->setEnabled(true); });
            }
            return;
        }
        if (int(connections_.size()) >= kMaxConnections) {
            ::close(fd);
            continue;
        }
        auto connection = std::make_unique<Connection>();
        connection->notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(connection->notifier, &QSocketNotifier::activated, this, [this, fd] { Read(fd); });
        connection->idle = new QTimer(this);
        connection->idle->setSingleShot(true);
        connect(connection->idle, &QTimer::timeout, this, [this, fd] { Drop(fd); });
        connection->idle->start(kIdleMs);
        connections_[fd] = std::move(connection);
    }
}

void LineServer::Read(int fd)
{
    const auto found = connections_.find(fd);
    if (found == connections_.end())
        return;
    found->second->idle->start(kIdleMs);
    char chunk[kReadChunk];
    // At most a line's worth at a time: a client that never stops sending does not keep the
    // event loop here; the notifier calls again for the rest.
    for (qsizetype taken = 0; taken < kMaxLine;) {
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        if (n <= 0) { // hung up: a line it did not end is not answered
            Drop(fd);
            return;
        }
        taken += n;
        connections_.at(fd)->pending.append(chunk, n);
        if (!AnswerLines(fd))
            return;
    }
}

bool LineServer::AnswerLines(int fd)
{
    for (;;) {
        const auto found = connections_.find(fd);
        if (found == connections_.end())
            return false;
        QByteArray& pending = found->second->pending;
        const qsizetype end = pending.indexOf('\n');
        if (end < 0) {
            if (pending.size() <= kMaxLine)
                return true;
            Drop(fd); // no request is that long: not a client of ours
            return false;
        }
        const QByteArray line = pending.left(end);
        pending.remove(0, end + 1);
        const QByteArray answer = handler_(line);
        // The answers are a few bytes: one that does not fit at once goes to a client that
        // does not read them.
        if (!answer.isEmpty() && connections_.count(fd) &&
            ::send(fd, answer.constData(), size_t(answer.size()), MSG_NOSIGNAL | MSG_DONTWAIT) !=
                ssize_t(answer.size())) {
            Drop(fd);
            return false;
        }
    }
}

void LineServer::Drop(int fd)
{
    const auto found = connections_.find(fd);
    if (found == connections_.end())
        return;
    // Called from the notifier's own signal too: it goes once control is back in the loop.
    found->second->notifier->setEnabled(false);
    found->second->notifier->deleteLater();
    found->second->idle->stop();
    found->second->idle->deleteLater();
    connections_.erase(found);
    ::close(fd);
}

std::optional<QByteArray> AskLine(const QString& path, const QByteArray& request,
                                  bool wantAnswer, int timeoutMs)
{
    sockaddr_un address;
    if (!AddressOf(QFile::encodeName(path), address))
        return std::nullopt;
    const Descriptor fd(NewSocket());
    const auto step = std::chrono::milliseconds(std::max(0, timeoutMs));
    if (fd.get() < 0 || !Connect(fd.get(), address, Clock::now() + step) ||
        !SendAll(fd.get(), request, Clock::now() + step))
        return std::nullopt;
    if (!wantAnswer)
        return QByteArray();
    return ReadLine(fd.get(), Clock::now() + step);
}
