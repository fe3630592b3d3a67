// The installer's database-engine check. It opens an in-memory SQLite database, writes and
// reads one row, and tells the installer's check window its new caption over a local socket:
// "ADO Test - SUCCESS" when all of that worked, "ADO Test - FAILED" otherwise.
#include "AdoTestChannel.h"

#include <QCoreApplication>
#include <QLocalSocket>
#include <sqlite3.h>
#include <unistd.h>

namespace {
bool DatabaseEngineWorks()
{
    sqlite3* db = nullptr;
    bool ok = sqlite3_open(":memory:", &db) == SQLITE_OK
              && sqlite3_exec(db, "CREATE TABLE T (X TEXT); INSERT INTO T VALUES ('Quillby');",
                              nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_stmt* statement = nullptr;
    ok = ok && sqlite3_prepare_v2(db, "SELECT X FROM T", -1, &statement, nullptr) == SQLITE_OK &&
         sqlite3_step(statement) == SQLITE_ROW &&
         QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))) == "Quillby";
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return ok;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const bool works = DatabaseEngineWorks();
    // The installer that started this program listens under a name made from its process id.
    QLocalSocket socket;
    socket.connectToServer(setup::AdoTestServerName(getppid()));
    if (!socket.waitForConnected(1500))
        return 2;
    socket.write(works ? "ADO Test - SUCCESS\n" : "ADO Test - FAILED\n");
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(1000);
    return works ? 0 : 1;
}
