#pragma once
#include "ErrorReport.h"

#include <QPointer>

// Windows of which at most one is open at a time (the main window, the editors, the test
// windows). A window class derives from OneOpenWindow<itself>, constructed with `this`: the
// newest window of the kind is the open one until it calls Forget (closing; it may live on
// until deleted) or is destroyed.
template <class Window>
class OneOpenWindow {
public:
    // The open window of this kind, or nullptr.
    static Window* instance() { return open_; }

    OneOpenWindow(const OneOpenWindow&) = delete;
    OneOpenWindow& operator=(const OneOpenWindow&) = delete;

protected:
    explicit OneOpenWindow(Window* self) : self_(self) { open_ = self; }
    // A window made ahead of its use stays out of the way of the open one until it claims.
    struct Unclaimed {};
    OneOpenWindow(Window* self, Unclaimed) : self_(self) {}
    void Claim() { open_ = self_; }
    ~OneOpenWindow() { Forget(); }
    void Forget()
    {
        if (open_ == self_)
            open_ = nullptr;
    }

private:
    Window* self_;
    static inline Window* open_ = nullptr;
};

// The window made ahead of its use, if any, taken (it becomes the open one; `ahead` is
// cleared), else a new one from make().
template <class Window, class Make>
Window* TakeAheadOr(QPointer<Window>& ahead, Make&& make)
{
    Window* window = ahead.data();
    ahead = nullptr;
    if (!window)
        return make();
    window->TakeAhead();
    return window;
}

// What OpenOne does with the window when loading it fails.
enum class IfLoadFails { Close, Keep };

// Takes the open window of a kind or makes one with make(), loads it with load(window) and
// brings it to the front, active. A failure while loading is reported (Guarded); the window
// is then closed, or kept as it is, and nullptr returned.
template <class Window, class Make, class Load>
Window* OpenOne(Make&& make, Load&& load, IfLoadFails failed = IfLoadFails::Close)
{
    Window* window = Window::instance();
    if (!window)
        window = make();
    if (!Guarded([&] { load(*window); })) {
        if (failed == IfLoadFails::Close)
            window->close();
        return nullptr;
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
