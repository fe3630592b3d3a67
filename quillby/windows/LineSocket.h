#pragma once
#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QSocketNotifier;

// A Unix stream socket at a path of the file system, spoken line by line: what RaiseChannel
// needs between a running Quillby and a second start, on the C library's sockets alone.

// The listening side, on the event loop: each connection's lines are answered as they
// arrive, so that a slow or silent client never holds the loop up. A line longer than
// kMaxLine, a connection silent for kIdleMs and connections beyond kMaxConnections are
// closed, so that no client makes the program hold memory or descriptors without bound.
class LineServer : public QObject {
public:
    // Answers one line (without its newline); the bytes returned are sent back (none: nothing).
    using LineHandler = std::function<QByteArray(const QByteArray& line)>;

    static constexpr qsizetype kMaxLine = 64 * 1024;
    static constexpr int kIdleMs = 10'000;
    static constexpr int kMaxConnections = 16;

    explicit LineServer(LineHandler handler, QObject* parent = nullptr);
    ~LineServer() override;

    // Listens at path, reachable by this user only. A socket file there is replaced: the
    // caller is the only one meant to listen there (one left by a killed program is no one's).
    // False, with the reason in *error, when the socket cannot be made.
    bool Listen(const QString& path, QString* error = nullptr);
    bool IsListening() const { return listenFd_ >= 0; }
    int ConnectionCount() const { return int(connections_.size()); }

private:
    struct Connection;
    void Accept();
    void Read(int fd);
    bool AnswerLines(int fd);
    void Drop(int fd);

    LineHandler handler_;
    QString path_;
    int listenFd_ = -1;
    QSocketNotifier* listening_ = nullptr;
    std::map<int, std::unique_ptr<Connection>> connections_;
};

// The asking side: connects to the socket at path, sends request (one or more whole lines)
// and, when an answer is wanted, reads one line back (without its newline). Each step (the
// connection, the sending, the answer) is given timeoutMs. Nothing when no program answered
// within that time (none listens, or it is ending); with no answer wanted, an empty array
// once the request is sent.
std::optional<QByteArray> AskLine(const QString& path, const QByteArray& request,
                                  bool wantAnswer, int timeoutMs);
