#include "ErrorReport.h"

#include <QCoreApplication>

void ReportOperationError(const QString& what)
{
    MsgBox(QCoreApplication::translate("ErrorReport", "The operation could not be completed:\r%1")
               .arg(what),
           MsgButtons::OK, MsgIcon::Critical);
}
