#pragma once
#include <QString>
#include <stdexcept>

// The one exception the data layer raises: a statement (or an open) that SQLite refused.
// Windows catch it at the edge of a user operation and show what failed.
class DbError : public std::runtime_error {
public:
    DbError(const QString& statement, const QString& message);
    const QString& statement() const { return statement_; }
    const QString& message() const { return message_; }
    // "message" followed by the statement, for showing to the user.
    QString userText() const;

private:
    QString statement_;
    QString message_;
};

// Writes a database failure with its statement to the program's log (standard error).
void LogDbError(const DbError& error);

// Runs one operation; a failure that nothing below handled is handed to report as the text
// to show the user: a database failure in plain words, its statement going to the log only.
// Returns false when the operation failed.
template <class Operation, class Report>
bool RunReported(Operation&& operation, Report&& report)
{
    try {
        operation();
        return true;
    } catch (const DbError& e) {
        LogDbError(e);
        report(e.message());
    } catch (const std::exception& e) {
        report(QString::fromLocal8Bit(e.what()));
    }
    return false;
}
