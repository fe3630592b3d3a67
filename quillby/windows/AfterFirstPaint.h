#pragma once
#include <functional>

class QWidget;

// Runs task once, on the event loop's turn after window's first paint (or a few seconds after
// the call, should it not paint): for work the user does not wait for, which would otherwise
// hold up the first sight of the window.
void RunAfterFirstPaint(QWidget* window, std::function<void()> task);
