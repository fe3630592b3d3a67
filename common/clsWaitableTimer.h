#pragma once

// The pause of the installer and the uninstaller. Wait keeps the program's event loop
// running, so windows repaint and take input while the pause lasts.
class clsWaitableTimer {
public:
    clsWaitableTimer() = default;
    ~clsWaitableTimer();
    clsWaitableTimer(const clsWaitableTimer&) = delete;
    clsWaitableTimer& operator=(const clsWaitableTimer&) = delete;

    // Returns once MilliSeconds have passed; 0 or less handles the pending events once and
    // returns. The pause ends early only when the application is told to quit.
    void Wait(const int& MilliSeconds);

    // True while a pause of this instance is in progress.
    bool IsWaiting() const { return m_Waiting > 0; }

private:
    int m_Waiting = 0;
};
