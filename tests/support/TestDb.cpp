#include "TestDb.h"

#include "Connection.h"
#include "DbMaker.h"
#include "Globals.h"
#include "InitApplication.h"

#include <QDir>
#include <stdexcept>

QString SchemaPath()
{
    return QStringLiteral(QUILLBY_SCHEMA_PATH);
}

QString MakeTestDatabase(const QString& folder)
{
    const QString path = folder + QStringLiteral("/Quillby.mdb");
    std::string error;
    if (MakeDatabaseFile(SchemaPath().toStdString(), path.toStdString(), error) ==
        MakeResult::Failed)
        throw std::runtime_error("cannot make the test database: " + error);
    return path;
}

void InitTestApp(const QString& folder)
{
    MakeTestDatabase(folder);
    InitApplication(folder);
}

TestAppFolder::TestAppFolder()
{
    if (!dir_.isValid())
        throw std::runtime_error("cannot make a temporary folder");
    InitTestApp(dir_.path());
}

TestAppFolder::~TestAppFolder()
{
    if (Globals::DbConnection().FilePath().startsWith(dir_.path()))
        Globals::DbConnection().Close();
}
