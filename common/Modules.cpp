#include "Modules.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibrary>
#include <QMutex>

namespace {
QMutex pathsLock;
QHash<QString, QString>& TestPaths()
{
    static QHash<QString, QString> paths;
    return paths;
}
} // namespace

QString ModulePath(const QString& name)
{
    {
        QMutexLocker locker(&pathsLock);
        const auto named = TestPaths().constFind(name);
        if (named != TestPaths().cend())
            return *named;
    }
    return QCoreApplication::applicationDirPath() + QStringLiteral("/plugins/lib") + name +
           QStringLiteral(".so");
}

QFunctionPointer ModuleFunction(const QString& name, const char* symbol, QString* error)
{
    // QLibrary loads a file once per process however many objects name it, and never unloads
    // it here: the object is not asked to unload when it goes.
    QLibrary library(ModulePath(name));
    const QFunctionPointer function = library.resolve(symbol);
    if (!function && error)
        *error = library.errorString();
    return function;
}

void SetModulePathForTesting(const QString& name, const QString& path)
{
    QMutexLocker locker(&pathsLock);
    TestPaths().insert(name, path);
}
