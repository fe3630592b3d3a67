#pragma once
#include <QMainWindow>

// Moves a window to the right of another, with its top at the given height.
void PlaceBeside(QWidget* window, const QWidget* of, int top);

// A window with a companion window beside it (the results beside the past tests, the word
// attempts beside the results) that follows it when it moves or changes size.
class CompanionWindow : public QMainWindow {
    Q_OBJECT
public:
    using QMainWindow::QMainWindow;

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Moves the companion, when there is one, beside this window.
    virtual void PlaceCompanion() {}
};
