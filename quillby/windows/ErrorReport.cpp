#include "ErrorReport.h"

#include <QDebug>

void ReportOperationError(const QString& what)
{
    MsgBox(QStringLiteral("The operation could not be completed:\r") + what, MsgButtons::OK,
           MsgIcon::Critical);
}

void LogDbError(const DbError& error)
{
    qWarning().noquote() << "Quillby: database failure:" << error.userText();
}
