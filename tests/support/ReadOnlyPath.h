#pragma once
#include <QFile>
#include <QProcess>
#include <QString>
#include <unistd.h>

// Makes a file or folder read-only for the scope. The super-user ignores permissions, so for
// it the path is also made immutable, where the file system allows that.
class ReadOnlyPath {
public:
    explicit ReadOnlyPath(const QString& path) : path_(path), saved_(QFile::permissions(path))
    {
        QFile::setPermissions(path, saved_ & ~(QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup
                                               | QFile::WriteOther));
        if (geteuid() == 0)
            immutable_ = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path}) == 0;
    }
    ~ReadOnlyPath()
    {
        if (immutable_)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path_});
        QFile::setPermissions(path_, saved_);
    }
    ReadOnlyPath(const ReadOnlyPath&) = delete;
    ReadOnlyPath& operator=(const ReadOnlyPath&) = delete;

    // False when writing is still possible (the super-user without an immutable attribute).
    bool effective() const { return geteuid() != 0 || immutable_; }

private:
    QString path_;
    QFile::Permissions saved_;
    bool immutable_ = false;
};
