#pragma once
#include <QString>

namespace setup {
// The name of the local socket on which the check window of the installer process `pid`
// waits for the data-access test program's answer.
inline QString AdoTestServerName(qint64 pid)
{
    return QStringLiteral("quillby-setup-adotest-%1").arg(pid);
}
} // namespace setup
