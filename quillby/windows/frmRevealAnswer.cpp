#include "frmRevealAnswer.h"

#include "FormHelpers.h"
#include "MsgBox.h"
#include "TestGrids.h"
#include "TestOptions.h"
#include "frmMessage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kMustRetype = QStringLiteral("You must type the word correctly before moving on");
}

frmRevealAnswer::frmRevealAnswer(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmRevealAnswer"));
    setWindowTitle(QStringLiteral("The Correct Answer Is..."));
    setModal(true);

    Label1 = MakeLabel(this, "Label1", QStringLiteral("Correct Spelling:"));
    lblWord = MakeWordLabel(this, "lblWord", 2);
    lblWord->setAccessibleDescription(QStringLiteral("Correct Spelling"));
    lblTypeIt = MakeLabel(this, "lblTypeIt", QStringLiteral("Type it:"));
    txtEcho = new QLineEdit(this);
    txtEcho->setObjectName(QStringLiteral("txtEcho"));
    txtEcho->setAccessibleName(QStringLiteral("Type it:"));
    QFont typed = txtEcho->font();
    typed.setPointSizeF(typed.pointSizeF() * 1.6);
    txtEcho->setFont(typed);
    lblTypeIt->setBuddy(txtEcho);
    cmdOK = MakeButton(this, "cmdOK", QStringLiteral("OK"), QStringLiteral("Next word"));
    cmdOK->setDefault(true); // Enter in txtEcho acts as OK

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(lblWord, 0, 1);
    grid->addWidget(lblTypeIt, 1, 0);
    grid->addWidget(txtEcho, 1, 1);
    grid->setColumnMinimumWidth(1, 280);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const bool echo = TestOptions.ForceEcho;
    lblTypeIt->setVisible(echo);
    txtEcho->setVisible(echo);
    (echo ? static_cast<QWidget*>(txtEcho) : cmdOK)->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void frmRevealAnswer::TakeInWordDetails(const QString& word, bool caseSensitive)
{
    lblWord->setText(word.trimmed());
    caseSensitive_ = caseSensitive;
}

bool frmRevealAnswer::RetypingRequired() const { return !txtEcho->isHidden() && !retyped_; }

void frmRevealAnswer::cmdOK_Click()
{
    if (txtEcho->isHidden()) {
        retyped_ = true;
        accept();
        return;
    }
    txtEcho->setText(txtEcho->text().trimmed());
    const QString typed = txtEcho->text();
    const QString word = lblWord->text();
    bool correct = false;
    if (caseSensitive_) {
        correct = typed == word;
        if (!correct && typed.toUpper() == word.toUpper()) {
            MsgBox(QStringLiteral("This word is case sensitive.\rPlease tray again."),
                   MsgButtons::OK, MsgIcon::None, this);
            txtEcho->setFocus();
            return;
        }
    } else {
        correct = typed.toUpper() == word.toUpper();
        if (!correct && typed.isEmpty()) {
            MsgBox(kMustRetype, MsgButtons::OK, MsgIcon::None, this);
            txtEcho->setFocus();
            return;
        }
    }
    if (correct) {
        ShowTempMessage(QStringLiteral("Correct"), QString());
        retyped_ = true;
        accept();
        return;
    }
    ShowTempMessage(QStringLiteral("Incorrect"), QStringLiteral("Try Again"));
    if (TestOptions.ClearWrongAnswer)
        txtEcho->clear();
    txtEcho->setFocus();
}

void frmRevealAnswer::RemindToRetype()
{
    MsgBox(kMustRetype, MsgButtons::OK, MsgIcon::None, this);
    txtEcho->setFocus();
}

void frmRevealAnswer::reject()
{
    if (RetypingRequired()) {
        RemindToRetype();
        return;
    }
    QDialog::reject();
}
