#pragma once
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class LineServer;
class QWidget;

// The line between a running Quillby and a second start on the same database: the second
// start asks the running one to bring its window to the front before it ends. A Unix socket
// in the user's runtime folder, at the path older versions of Quillby use too, spoken in
// lines: "raise", or "import <file>" answered by "imported" or "busy".

// The channel's name for a database, made from the name of its lock (DatabaseLockPath), so
// that every path that meets one lock meets one channel.
QString RaiseChannelName(const QString& lockPath);

// The running side: listens while it lives (only the holder of the lock makes one). Each
// "raise" brings the program's window to the front (RaiseProgramWindow); a file to import is
// handed to the import handler, and the answer says whether it took it.
class RaiseChannel : public QObject {
public:
    // Takes a file to import; false when the program cannot import now (a task is open).
    using ImportHandler = std::function<bool(const QString& file)>;

    explicit RaiseChannel(const QString& lockPath, QObject* parent = nullptr);
    bool IsListening() const;
    void SetImportHandler(ImportHandler handler);

    // The socket file it listens at (or will, once the event loop runs).
    static QString PathFor(const QString& lockPath);

private:
    QByteArray AnswerLine(const QByteArray& line);
    void TrackActiveWindow(QWidget* now);

    LineServer* server_;
    QPointer<QWidget> lastActive_;
    ImportHandler importHandler_;
};

// The second start: asks the Quillby that holds lockPath to come to the front. False when none
// answered within timeoutMs (an older Quillby, or one that is ending).
bool AskToRaise(const QString& lockPath, int timeoutMs = 1000);

// The second start with a file to import (`--import FILE`): hands the file to the Quillby that
// holds lockPath. NoAnswer also when none answered within timeoutMs (an older Quillby, or one
// that is ending or still starting).
enum class ImportAnswer { Imported, Busy, NoAnswer };
ImportAnswer AskToImport(const QString& lockPath, const QString& file, int timeoutMs = 5000);

// The window a user of the running program expects in front: its modal window when one is
// open, else the window used last while it is still shown, else the main window, else any
// window shown. It is restored from the taskbar, raised and activated. Null when none shows.
QWidget* RaiseProgramWindow(QWidget* lastActive);
