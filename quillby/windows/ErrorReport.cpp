#include "ErrorReport.h"

void ReportOperationError(const QString& what)
{
    MsgBox(QStringLiteral("The operation could not be completed:\r") + what, MsgButtons::OK,
           MsgIcon::Critical);
}
