#pragma once
#include <QElapsedTimer>
#include <QPushButton>

// A push button that acts at once when its access key (Alt+letter) is pressed, as it does on
// a mouse click. A plain button shows itself pressed for a tenth of a second first, and a
// button that opens a window keeps the user waiting that long for nothing. An access key
// shared by several controls still moves the focus among them, as a plain button does, and
// a held key repeats the command no faster than a plain button would.
class AccessKeyButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* event) override;

private:
    QElapsedTimer lastPress_;
};
