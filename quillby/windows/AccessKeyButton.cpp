#include "AccessKeyButton.h"

#include <QShortcutEvent>

namespace {
// A plain button pressed by its key acts after this long and ignores the key meanwhile.
constexpr qint64 kRepeatMs = 100;
} // namespace

bool AccessKeyButton::event(QEvent* event)
{
    if (event->type() != QEvent::Shortcut ||
        static_cast<QShortcutEvent*>(event)->isAmbiguous())
        return QPushButton::event(event);
    if (!isEnabled() || (lastPress_.isValid() && lastPress_.elapsed() < kRepeatMs))
        return true;
    lastPress_.start();
    if (isCheckable() && (focusPolicy() & Qt::ClickFocus))
        setFocus(Qt::ShortcutFocusReason);
    click();
    return true;
}
