#pragma once
#include "MessageBoxes.h"
#include "TestRows.h"

#include <QApplication>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

// Acts on every modal window of class T that comes up while this object lives (each window
// once), polling the modal stack. Use it before the call that opens the window.
class ModalHandler {
public:
    using Action = std::function<void(QWidget*)>;
    ModalHandler(const char* className, Action action);
    ~ModalHandler();
    int handled() const { return handled_; }

private:
    QTimer timer_;
    int handled_ = 0;
};

// Finds a child by objectName and type; fails the test when absent.
template <class T>
T* Child(QWidget* parent, const char* name)
{
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

// Clicks a button by objectName inside a window.
void ClickButton(QWidget* window, const char* name);
