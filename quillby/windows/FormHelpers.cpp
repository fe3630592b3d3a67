#include "FormHelpers.h"

#include "Variant.h"

#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QPushButton>

void NameControl(QWidget* control, const char* name, const QString& accessibleName)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setAccessibleName(accessibleName.isEmpty() ? QString::fromLatin1(name)
                                                        : accessibleName);
}

QString PlainLabelText(const QString& text)
{
    QString plain = text;
    plain.remove(QChar('&'));
    plain = plain.trimmed();
    if (plain.endsWith(QChar(':')))
        plain.chop(1);
    return plain;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    NameControl(label, name, PlainLabelText(text));
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& toolTip)
{
    auto* button = new QPushButton(caption, parent);
    NameControl(button, name, PlainLabelText(caption));
    button->setToolTip(toolTip);
    return button;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption,
                        const QString& toolTip)
{
    auto* box = new QCheckBox(caption, parent);
    NameControl(box, name, PlainLabelText(caption));
    box->setToolTip(toolTip);
    return box;
}

QLineEdit* MakeTextBox(QWidget* parent, const char* name, QLabel* label)
{
    auto* edit = new QLineEdit(parent);
    NameControl(edit, name, label ? PlainLabelText(label->text()) : QString());
    if (label)
        label->setBuddy(edit);
    return edit;
}

QString ShortDateText(const Variant& value)
{
    const QDate date = value.toDate();
    return date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : value.toText();
}

QString UsDateText(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("M/d/yyyy")) : QString();
}

QDate ParseDateText(const QString& text)
{
    const QString t = text.trimmed();
    QDate date = QDate::fromString(t, QStringLiteral("M/d/yyyy"));
    if (!date.isValid()) {
        date = QDate::fromString(t, QStringLiteral("M/d/yy"));
        if (date.isValid() && date.year() < 1950)
            date = date.addYears(100); // two-digit years mean this century
    }
    if (!date.isValid())
        date = QDate::fromString(t, Qt::ISODate);
    return date;
}
