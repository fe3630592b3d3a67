#include "frmChooseChild.h"

#include "FormHelpers.h"
#include "Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmChooseChild::frmChooseChild(const QStringList& names, const QString& preselected,
                               QWidget* parent, const QString& question)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmChooseChild"));
    const QString caption = question.isEmpty() ? tr("Who is practising?") : question;
    setWindowTitle(caption);
    setAccessibleName(caption);
    lblQuestion = MakeLabel(this, "lblQuestion", caption);
    QFont big = lblQuestion->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    lblQuestion->setFont(big);
    lblQuestion->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblQuestion);
    layout->addSpacing(Twips(120));
    QFont buttonFont = big;
    buttonFont.setBold(false);
    for (const QString& name : names) {
        // The name is the button's caption and accessible name as typed: no access key.
        auto* button = new QPushButton(QString(name).replace(QLatin1Char('&'), "&&"), this);
        button->setObjectName(QStringLiteral("cmdChild%1").arg(cmdChildren.size()));
        button->setAccessibleName(name);
        button->setFont(buttonFont);
        button->setMinimumSize(Twips(4000), Twips(700));
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, [this, name] { Choose(name); });
        layout->addWidget(button);
        cmdChildren.push_back(button);
        if (name.compare(preselected, Qt::CaseInsensitive) == 0 || cmdChildren.size() == 1) {
            button->setDefault(true);
            setFocusProxy(button); // the window opens with the focus here
        }
    }
}

void frmChooseChild::Choose(const QString& name)
{
    chosen_ = name;
    emit ChildChosen(name);
    accept();
}

void frmChooseChild::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        focusNextChild();
        break;
    case Qt::Key_Up:
    case Qt::Key_Left:
        focusPreviousChild();
        break;
    default:
        QDialog::keyPressEvent(event);
    }
}
