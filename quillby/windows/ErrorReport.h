#pragma once
#include "DbError.h"
#include "MsgBox.h"

#include <exception>
#include <utility>

// Runs one user operation. A database failure (or any other error) that nothing below
// handled ends the operation with one message saying what failed, in plain words; the
// failed statement goes to the program's log (standard error), never to the screen. The
// program keeps running. Returns false when the operation failed.
void ReportOperationError(const QString& what);
void LogDbError(const DbError& error);

template <class F>
bool Guarded(F&& operation)
{
    try {
        std::forward<F>(operation)();
        return true;
    } catch (const DbError& e) {
        LogDbError(e);
        ReportOperationError(e.message());
    } catch (const std::exception& e) {
        ReportOperationError(QString::fromLocal8Bit(e.what()));
    }
    return false;
}
