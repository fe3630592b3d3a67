#pragma once
#include <QString>
#include <QTemporaryDir>
#include <ostream>

// Helpers for tests that need a real Quillby database file.

// The schema the build makes Quillby.mdb from.
QString SchemaPath();

// Makes folder/Quillby.mdb (empty tables) from the schema when it does not exist yet and
// returns its path. Throws std::runtime_error when the file cannot be made.
QString MakeTestDatabase(const QString& folder);

// Makes the database when missing and runs InitApplication on the folder, so that
// Globals::DbConnection(), AppPath, WavPath and the sound paths all point into it.
void InitTestApp(const QString& folder);

// A temporary application folder with a fresh database and the globals pointing at it.
// The destructor closes the connection before the folder goes away.
class TestAppFolder {
public:
    TestAppFolder();
    ~TestAppFolder();
    TestAppFolder(const TestAppFolder&) = delete;
    TestAppFolder& operator=(const TestAppFolder&) = delete;

    QString path() const { return dir_.path(); }
    QString dbPath() const { return dir_.path() + QStringLiteral("/Quillby.mdb"); }

private:
    QTemporaryDir dir_;
};

// Lets test failures print texts readably.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
