#include "LineSocket.h"
#include "RaiseChannel.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// Runs the asking side on a thread of its own while this thread's event loop serves the
// running side, as two programs would; the result once it is there.
template <class F>
auto OffLoop(F ask)
{
    auto result = std::async(std::launch::async, ask);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
        20'000));
    return result.get();
}

// A client socket of the test's own, for clients that do not follow the protocol.
class RawClient {
public:
    explicit RawClient(const QString& path)
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~RawClient() { Close(); }
    bool connected() const { return connected_; }
    void Send(const QByteArray& bytes)
    {
        ASSERT_EQ(::send(fd_, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL),
                  ssize_t(bytes.size()));
    }
    void Close()
    {
        if (fd_ >= 0)
            ::close(std::exchange(fd_, -1));
    }
    // Whether the other side closes the connection (an end, or a reset when it left some of
    // what was sent unread) while its event loop runs.
    bool ClosedByServer(int withinMs)
    {
        return QTest::qWaitFor([this] {
            char byte;
            const ssize_t n = ::recv(fd_, &byte, 1, MSG_DONTWAIT);
            return n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
        }, withinMs);
    }

private:
    int fd_ = -1;
    bool connected_ = false;
};

// A socket file with no one listening, as a killed Quillby leaves it.
void LeaveStaleSocket(const QString& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

class RaiseChannelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousRuntime_ = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
        lockPath_ = runtime_.filePath(QStringLiteral("Quillby.mdb.lock"));
        path_ = RaiseChannel::PathFor(lockPath_);
    }
    void TearDown() override { qputenv("XDG_RUNTIME_DIR", previousRuntime_); }

    // A running side whose import handler takes files while `taking`, recording them.
    std::unique_ptr<RaiseChannel> Listening()
    {
        auto channel = std::make_unique<RaiseChannel>(lockPath_);
        channel->SetImportHandler([this](const QString& file) {
            if (taking_)
                imported_ << file;
            return taking_;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return channel->IsListening(); }, 3000));
        return channel;
    }
    ImportAnswer Import(const QString& file, int timeoutMs = 5000)
    {
        return OffLoop([&] { return AskToImport(lockPath_, file, timeoutMs); });
    }

    QTemporaryDir runtime_;
    QByteArray previousRuntime_;
    QString lockPath_;
    QString path_;
    bool taking_ = true;
    QStringList imported_;
};
} // namespace

// What was at the channel's path before the running side listened does not matter: a file
// left by a killed Quillby is replaced, and the socket made is this user's alone.
TEST_F(RaiseChannelTest, ListensOverWhatWasLeftAtItsPathForThisUserOnly)
{
    struct Case {
        const char* name;
        std::function<void(const QString&)> leave;
    };
    const std::vector<Case> cases = {
        {"nothing", [](const QString&) {}},
        {"a stale socket", LeaveStaleSocket},
        {"a plain file", [](const QString& path) {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.leave(path_);
        {
            const auto channel = Listening();
            struct stat made {};
            ASSERT_EQ(::lstat(QFile::encodeName(path_).constData(), &made), 0);
            EXPECT_TRUE(S_ISSOCK(made.st_mode));
            EXPECT_EQ(made.st_mode & (S_IRWXG | S_IRWXO), 0u);
            EXPECT_TRUE(OffLoop([&] { return AskToRaise(lockPath_); }));
            EXPECT_EQ(Import(QStringLiteral("/home/p/week 3 ü.txt")), ImportAnswer::Imported);
        }
        EXPECT_EQ(imported_, QStringList{QStringLiteral("/home/p/week 3 ü.txt")});
        imported_.clear();
        EXPECT_FALSE(QFile::exists(path_)) << "the socket file goes with the running side";
        // Nothing left in the runtime folder besides what the case put there.
        EXPECT_EQ(QDir(runtime_.path()).entryList(QDir::AllEntries | QDir::Hidden |
                                                  QDir::NoDotAndDotDot),
                  QStringList{});
    }
}

// Each line is answered as it comes: several in one write, an import while a task is open.
TEST_F(RaiseChannelTest, AnswersEachLineOfARequest)
{
    const auto channel = Listening();
    EXPECT_EQ(Import(QStringLiteral("/a.txt")), ImportAnswer::Imported);
    taking_ = false;
    EXPECT_EQ(Import(QStringLiteral("/b.txt")), ImportAnswer::Busy);
    taking_ = true;
    RawClient client(path_);
    ASSERT_TRUE(client.connected());
    client.Send("raise\nimport %2Fc.txt\nunknown\nimport %2Fd.txt\nimport");
    EXPECT_TRUE(QTest::qWaitFor([&] { return imported_.size() == 3; }, 3000));
    EXPECT_EQ(imported_, (QStringList{"/a.txt", "/c.txt", "/d.txt"}));
}

// Clients that do not follow the protocol neither hold up the running side nor make it keep
// what they send: the next second start is answered as usual.
TEST_F(RaiseChannelTest, ABadClientDoesNotStopTheNextSecondStart)
{
    struct Case {
        const char* name;
        QByteArray sent;
        bool hangUp;        // the client closes once it has sent
        bool closedByServer; // the running side closes the connection
    };
    const QByteArray tooLong = "import " + QByteArray(LineServer::kMaxLine + 10, 'x');
    const std::vector<Case> cases = {
        {"hangs up mid-line", "import %2Fhalf", true, true},
        {"says nothing and stays", "", false, false},
        {"a line that never ends", "import %2Fnever", false, false},
        {"a line longer than any request", tooLong, false, true},
    };
    const auto channel = Listening();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RawClient bad(path_);
        ASSERT_TRUE(bad.connected());
        if (!c.sent.isEmpty())
            OffLoop([&] { bad.Send(c.sent); return true; });
        if (c.hangUp)
            bad.Close();
        else
            EXPECT_EQ(bad.ClosedByServer(c.closedByServer ? 3000 : 300), c.closedByServer);
        QElapsedTimer answered;
        answered.start();
        EXPECT_EQ(Import(QStringLiteral("/next.txt")), ImportAnswer::Imported);
        EXPECT_LT(answered.elapsed(), 2000);
        EXPECT_EQ(imported_, QStringList{QStringLiteral("/next.txt")});
        imported_.clear();
    }
}

// The channel's file and lines are those older versions used (Qt's local sockets at the same
// path): a second start of either version reaches a running Quillby of the other.
TEST_F(RaiseChannelTest, OlderVersionsOnEitherSideUnderstandIt)
{
    {
        const auto channel = Listening();
        QLocalSocket older;
        older.connectToServer(path_);
        ASSERT_TRUE(older.waitForConnected(3000));
        older.write("import %2Folder.txt\n");
        EXPECT_TRUE(QTest::qWaitFor([&] { return older.canReadLine(); }, 3000));
        EXPECT_EQ(older.readLine(), "imported\n");
        EXPECT_EQ(imported_, QStringList{QStringLiteral("/older.txt")});
    }
    QLocalServer older;
    older.setSocketOptions(QLocalServer::UserAccessOption);
    ASSERT_TRUE(older.listen(path_));
    QByteArray heard;
    QObject::connect(&older, &QLocalServer::newConnection, [&] {
        QLocalSocket* socket = older.nextPendingConnection();
        QObject::connect(socket, &QLocalSocket::readyRead, [&heard, socket] {
            while (socket->canReadLine()) {
                heard += socket->readLine();
                if (heard.startsWith("import"))
                    socket->write("busy\n");
            }
        });
    });
    EXPECT_EQ(Import(QStringLiteral("/newer.txt")), ImportAnswer::Busy);
    EXPECT_EQ(heard, "import %2Fnewer.txt\n");
}

// With no running side to answer, the second start goes on by itself: at once when no one
// listens, after the time it allows when one listens but never answers.
TEST_F(RaiseChannelTest, NoAnswerWithinTheTimeGiven)
{
    struct Case {
        const char* name;
        std::function<int()> make; // a descriptor to close afterwards, or -1
        qint64 atLeastMs;
    };
    const auto deaf = [this] {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path_);
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(fd, 4); // queues the connection, never takes it
        return fd;
    };
    const std::vector<Case> cases = {
        {"no file", [] { return -1; }, 0},
        {"a stale socket", [this] { LeaveStaleSocket(path_); return -1; }, 0},
        {"a listener that never answers", deaf, 300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int fd = c.make();
        QElapsedTimer took;
        took.start();
        EXPECT_EQ(AskToImport(lockPath_, QStringLiteral("/x.txt"), 300), ImportAnswer::NoAnswer);
        EXPECT_GE(took.elapsed(), c.atLeastMs);
        EXPECT_LT(took.elapsed(), 1500);
        if (c.atLeastMs == 0)
            EXPECT_FALSE(AskToRaise(lockPath_, 300));
        if (fd >= 0)
            ::close(fd);
        QFile::remove(path_);
    }
}
