#include "frmRevealAnswer.h"

#include "FormHelpers.h"
#include "MsgBox.h"
#include "TestGrids.h"
#include "frmMessage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmRevealAnswer::frmRevealAnswer(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmRevealAnswer"));
    setWindowTitle(tr("The Correct Answer Is..."));
    setModal(true);

    Label1 = MakeLabel(this, "Label1", tr("Correct Spelling:"));
    lblWord = MakeWordLabel(this, "lblWord", 2);
    lblWord->setAccessibleDescription(tr("Correct Spelling"));
    lblTypeIt = MakeLabel(this, "lblTypeIt", tr("Type it:"));
    txtEcho = new QLineEdit(this);
    txtEcho->setObjectName(QStringLiteral("txtEcho"));
    txtEcho->setAccessibleName(tr("Type it:"));
    QFont typed = txtEcho->font();
    typed.setPointSizeF(typed.pointSizeF() * 1.6);
    txtEcho->setFont(typed);
    lblTypeIt->setBuddy(txtEcho);
    cmdOK = MakeButton(this, "cmdOK", tr("&OK"), tr("Next word"));
    cmdOK->setDefault(true); // Enter in txtEcho acts as OK

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(lblWord, 0, 1);
    grid->addWidget(lblTypeIt, 1, 0);
    grid->addWidget(txtEcho, 1, 1);
    // Room for a long word in the box's own large letters.
    grid->setColumnMinimumWidth(1, txtEcho->fontMetrics().averageCharWidth() * 30);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    AddCloseKeys(this, false); // Ctrl+W as Escape: the word says whether it may close
}

void frmRevealAnswer::TakeInWordDetails(const RevealedWord& word)
{
    word_ = word;
    lblWord->setText(word.Text());
    const bool echo = word.RetypingRequired();
    lblTypeIt->setVisible(echo);
    txtEcho->setVisible(echo);
    (echo ? static_cast<QWidget*>(txtEcho) : cmdOK)->setFocus();
}

void frmRevealAnswer::cmdOK_Click()
{
    if (!txtEcho->isHidden())
        txtEcho->setText(txtEcho->text().trimmed());
    Follow(word_.Judge(txtEcho->text()));
}

void frmRevealAnswer::reject() { Follow(word_.CloseRequested()); }

// Shows what the revealed word said of the retyping; closes when the student may go on.
void frmRevealAnswer::Follow(const RetypeVerdict& verdict)
{
    if (!verdict.message.isEmpty())
        MsgBox(verdict.message, MsgButtons::OK, MsgIcon::None, this);
    else if (!verdict.feedbackTop.isEmpty())
        ShowTempMessage(verdict.feedbackTop, verdict.feedbackBottom);
    if (verdict.clearTyping)
        txtEcho->clear();
    if (verdict.accepted) {
        accept();
        return;
    }
    txtEcho->setFocus();
}
