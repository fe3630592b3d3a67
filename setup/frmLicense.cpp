#include "frmLicense.h"

#include "SetupFunctions.h"
#include "Twips.h"
#include "WizardLook.h"
#include "frmFirst.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace setup {

namespace {
// The band colour that the check box and the label to its left share.
const QColor AcceptBand(0xE3, 0xEA, 0xF4);

void FillBackground(QWidget* widget)
{
    widget->setStyleSheet(QStringLiteral("background-color: %1;").arg(AcceptBand.name()));
}
} // namespace

frmLicense::frmLicense(QWidget* parent) : QWidget(parent)
{
    NameWindow(this, "frmLicense", tr("End-User License"));
    setAttribute(Qt::WA_DeleteOnClose);
    QApplication::setOverrideCursor(Qt::WaitCursor);

    lblTop = new QLabel(tr("Please read the License Agreement before continuing..."), this);
    lblTop->setObjectName(QStringLiteral("lblTop"));
    QFont bold = lblTop->font();
    bold.setBold(true);
    lblTop->setFont(bold);

    txtLicense = new QPlainTextEdit(this);
    txtLicense->setObjectName(QStringLiteral("txtLicense"));
    txtLicense->setAccessibleName(tr("License Agreement"));
    txtLicense->setReadOnly(true);
    txtLicense->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtLicense->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    chkAccept = new QCheckBox(tr("I have read and accept all parts of the license "
                                 "agreement."), this);
    chkAccept->setObjectName(QStringLiteral("chkAccept"));
    FillBackground(chkAccept);
    lblCheckLeft = new QLabel(this);
    lblCheckLeft->setObjectName(QStringLiteral("lblCheckLeft"));
    FillBackground(lblCheckLeft);

    cmdContinue = MakeButton(this, "cmdContinue", tr("Continue >"));
    cmdContinue->hide();
    cmdCancel = MakeButton(this, "cmdCancel", tr("Cancel"));
    chkAccept->setAccessibleName(chkAccept->text());

    // The usual sizes, grown where a larger font or a longer translation needs more room.
    lblTop->setGeometry(Twips(120), Twips(120), 0, qMax(Twips(300), lblTop->sizeHint().height()));
    txtLicense->move(Twips(250), Twips(500));
    chkAccept->resize(chkAccept->sizeHint().width() + Twips(200),
                      qMax(Twips(330), chkAccept->sizeHint().height()));
    lblCheckLeft->resize(Twips(1500), chkAccept->height());
    for (QPushButton* button : {cmdContinue, cmdCancel})
        button->resize(QSize(Twips(1500), Twips(400)).expandedTo(button->sizeHint()));

    // Every change of the box counts, also one made through assistive technology.
    connect(chkAccept, &QCheckBox::toggled, this, &frmLicense::chkAccept_Click);
    connect(cmdContinue, &QPushButton::clicked, this, &frmLicense::cmdContinue_Click);
    connect(cmdCancel, &QPushButton::clicked, this, [] { EndInstaller(); });

    // At the top left corner, as wide as the screen and a little less high.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        setGeometry(area.x(), area.y(), area.width(), area.height() - Twips(20));
    }
    txtLicense->setPlainText(AgreementText());
    QApplication::restoreOverrideCursor();
}

QString frmLicense::AgreementText()
{
    const QString heading = QStringLiteral("     ");
    const QStringList lines{
        tr("LICENSE ACCEPTANCE."), QString(),
        tr("BY CLICKING THE 'CONTINUE' BUTTON OR BY USING THE SOFTWARE, YOU AGREE TO BECOME BOUND "
           "BY THE TERMS OF THIS LICENSE. "),
        QString(),
        tr("This license entitles the user to install one (1) copy of the Software on one (1) "
           "computer. The Software contains trade secrets and, to protect them, you may not:"),
        tr("REVERSE ENGINEER, DECOMPILE, DISASSEMBLE OR OTHERWISE REDUCE THE SOFTWARE TO ANY HUMAN "
           "PERCEIVABLE FORM. "),
        tr("YOU MAY NOT MODIFY, ADAPT, TRANSLATE, RENT, LEASE, LOAN OR CREATE DERIVATIVE WORKS "
           "BASED UPON THE SOFTWARE OR ANY PART THEREOF. "),
        QString(),
        tr("LICENSE TERMS"), QString(),
        tr("These License Terms govern your Use of %1").arg(AppName), QString(),
        heading + tr("2. License Grant."),
        tr("Corvale Software grants you a licence to install and use one copy of the Software on "
           "one computer, for your own use at home, as long as you keep to these terms."),
        QString(),
        heading + tr("3. Ownership."),
        tr("The Software, its pictures and sounds and every copy of them remain the property of "
           "Corvale Software and its suppliers. You own the computer and the word lists you type "
           "in, not the Software itself."),
        QString(),
        heading + tr("4. Copies and Adaptations."),
        tr("You may make copies of the Software only to keep as a backup or for archiving. You may "
           "not place the Software or any copy of it on a public network, a shared server or a web "
           "site."),
        QString(),
        heading + tr("5. No Disassembly."),
        tr("You may not take the Software apart, decompile or disassemble it, or otherwise study "
           "or analyse how it works inside, except where the law allows this in spite of this "
           "term."),
        QString(),
        heading + tr("6. Transfer."),
        tr("Your licence ends when you give the Software to someone else. Before that, you must "
           "hand over the Software with all its copies and these terms, and the new user must "
           "accept these terms before using it."),
        QString(),
        heading + tr("7. Termination."),
        tr("Corvale Software may end this licence if you break any of its terms. When the licence "
           "ends, you must stop using the Software and destroy or delete every copy of it that you "
           "have."),
        QString(),
        heading + tr("8. Export Requirements."),
        tr("You may not export or re-export the Software or any copy of it except as the export "
           "laws and regulations that apply to you allow."),
        QString(),
    };
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

void frmLicense::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    // W - 100 twips wide, less its own left edge so that it ends inside the window.
    lblTop->resize(qMax(0, w - Twips(100) - lblTop->x()), lblTop->height());
    txtLicense->resize(qMax(0, w - Twips(500)), qMax(0, h - Twips(2500)));
    chkAccept->move(w - chkAccept->width() - Twips(500),
                    txtLicense->y() + txtLicense->height() + Twips(100));
    cmdContinue->move(w - Twips(500) - cmdContinue->width(),
                      chkAccept->y() + chkAccept->height() + Twips(50));
    cmdCancel->move(cmdContinue->x() - cmdCancel->width() - Twips(200), cmdContinue->y());
    lblCheckLeft->setGeometry(chkAccept->x() - lblCheckLeft->width(), chkAccept->y(),
                              lblCheckLeft->width(), chkAccept->height());
}

void frmLicense::closeEvent(QCloseEvent* event)
{
    txtLicense->clear();
    QWidget::closeEvent(event);
    EndIfClosedByUser(event);
}

void frmLicense::chkAccept_Click()
{
    if (chkAccept->isChecked()) {
        cmdContinue->show();
        DoEvents();
        cmdContinue->setFocus();
    } else {
        cmdContinue->hide();
    }
}

void frmLicense::cmdContinue_Click()
{
    hide();
    DoEvents();
    (new frmFirst)->show();
    close();
}

} // namespace setup
