#include "DatabaseFileLock.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {
// SQLite locks the bytes from 1 GiB up to 1 GiB + 512; this byte lies well past them.
constexpr off_t kLockByte = 0x40000000 + 0x10000;

struct flock WriteLockOnOwnByte()
{
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = kLockByte;
    lock.l_len = 1;
    return lock;
}
} // namespace

DatabaseFileLock::~DatabaseFileLock()
{
    Release();
}

DatabaseFileLock::Result DatabaseFileLock::Take(const QString& databasePath)
{
    Release();
    const int fd = ::open(QFile::encodeName(databasePath).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return Result::Unavailable;
    struct flock lock = WriteLockOnOwnByte();
    if (::fcntl(fd, F_OFD_SETLK, &lock) == 0) {
        fd_ = fd;
        return Result::Taken;
    }
    const int error = errno;
    ::close(fd);
    return error == EAGAIN || error == EACCES ? Result::HeldElsewhere : Result::Unavailable;
}

void DatabaseFileLock::Release()
{
    if (fd_ < 0)
        return;
    ::close(fd_);
    fd_ = -1;
}
