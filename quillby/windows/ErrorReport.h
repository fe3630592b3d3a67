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

template <class F>
bool Guarded(F&& operation)
{
    return RunReported(std::forward<F>(operation), ReportOperationError);
}
