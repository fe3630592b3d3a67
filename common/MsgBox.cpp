#include "MsgBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {
QString& Title()
{
    static QString title;
    return title;
}

MsgBoxHook& Hook()
{
    static MsgBoxHook hook;
    return hook;
}

QMessageBox::StandardButtons ToStandard(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::OKCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::OK: break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon ToIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

MsgResult FromStandard(int button)
{
    switch (button) {
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    case QMessageBox::Cancel: return MsgResult::Cancel;
    default: return MsgResult::OK;
    }
}
} // namespace

void SetMsgBoxTitle(const QString& title) { Title() = title; }
QString MsgBoxTitle() { return Title(); }
void SetMsgBoxHook(MsgBoxHook hook) { Hook() = std::move(hook); }

MsgResult MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, QWidget* parent,
                 MsgDefault defaultAnswer)
{
    if (Hook())
        return Hook()(text, buttons, icon);
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
    QMessageBox box(ToIcon(icon), Title(), shown, ToStandard(buttons),
                    parent ? parent : QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setTextFormat(Qt::PlainText); // messages quote user text, which is never markup
    box.setAccessibleName(Title());
    box.setAccessibleDescription(shown);
    // Escape answers the way closing the box would: Cancel, else No, else OK.
    if (buttons == MsgButtons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    if (defaultAnswer == MsgDefault::No)
        box.setDefaultButton(QMessageBox::No);
    return FromStandard(box.exec());
}
