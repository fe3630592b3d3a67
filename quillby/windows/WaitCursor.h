#pragma once
#include <QApplication>
#include <QCursor>

// A wait cursor over the program for the lifetime of the object: put around an action that
// may take longer than a fifth of a second (deleting a list of years of tests, opening the
// past tests of a long history), so that the user sees the click was taken.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
