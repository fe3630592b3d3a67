#include "DbError.h"

#include <QDebug>

namespace {
QString Join(const QString& statement, const QString& message)
{
    if (statement.trimmed().isEmpty())
        return message;
    return message + QStringLiteral("\n") + statement.trimmed();
}
} // namespace

DbError::DbError(const QString& statement, const QString& message)
    : std::runtime_error(Join(statement, message).toStdString()),
      statement_(statement), message_(message)
{
}

QString DbError::userText() const
{
    return Join(statement_, message_);
}

void LogDbError(const DbError& error)
{
    qWarning().noquote() << "Quillby: database failure:" << error.userText();
}
