#include "frmAbout.h"

#include "FormHelpers.h"
#include "Globals.h"
#include "Twips.h"

#include <QDesktopServices>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const QString kProgram = QStringLiteral("Quillby");
const QColor kBackground(0x1f, 0x3a, 0x5f);
const QColor kText(0xf2, 0xf2, 0xf2);
const QColor kLink(0x9c, 0xd8, 0xff);
const QColor kWhite(0xff, 0xff, 0xff);

void SetTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

QColor TextColour(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

// A left click, or Enter / Space on the focused link.
bool IsActivation(QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease)
        return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    return event->type() == QEvent::KeyPress &&
           IsEnterOrSpaceKey(static_cast<QKeyEvent*>(event)->key());
}
} // namespace

void OpenInternet(const QString& url)
{
    QDesktopServices::openUrl(QUrl(url)); // the result is not examined
}

QString frmAbout::WebsiteAddress() { return QStringLiteral("https://corvale.example/"); }
QString frmAbout::SupportAddress() { return QStringLiteral("support@corvale.example"); }
// A well-formed mail link: no blank after "mailto:" and "?" before the subject, so that mail
// programs address the message to the support address itself with "Quillby" as its subject.
QString frmAbout::SupportMailLink()
{
    return QStringLiteral("mailto:") + SupportAddress() + QStringLiteral("?subject=") + kProgram;
}

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    InitModalDialog(this, "frmAbout", tr("About %1...").arg(kProgram));
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    palette.setColor(QPalette::WindowText, kText);
    setPalette(palette);
    QFont labelFont(QStringLiteral("Palatino Linotype"));
    labelFont.setStyleHint(QFont::Serif);
    labelFont.setPointSizeF(11);

    Image1 = new QLabel(this);
    NameControl(Image1, "Image1", kProgram);
    const QIcon icon(Globals::AppPath + QStringLiteral("/Robot.ico"));
    if (!icon.isNull())
        Image1->setPixmap(icon.pixmap(64, 64));
    Label1 = MakeLabel(this, "Label1", tr("Corvale Software"));
    QFont title = labelFont;
    title.setPointSizeF(16);
    title.setBold(true);
    Label1->setFont(title);

    Label2 = MakeLabel(this, "Label2", tr("Program Title:"));
    lblAppName = MakeLabel(this, "lblAppName", kProgram);
    Label3 = MakeLabel(this, "Label3", tr("Virtual Version:"));
    lblVirtualVersion = MakeLabel(this, "lblVirtualVersion", QStringLiteral("1.0"));
    Label5 = MakeLabel(this, "Label5", tr("Hard Version:"));
    lblHardVersion = MakeLabel(this, "lblHardVersion", QStringLiteral(QUILLBY_VERSION));
    Label7 = MakeLabel(this, "Label7", tr("Corvale Website:"));
    lblWebsite = MakeLabel(this, "lblWebsite", WebsiteAddress());
    Label9 = MakeLabel(this, "Label9", tr("Questions, Comments, Tech Support:"));
    lblEmail = MakeLabel(this, "lblEmail", SupportAddress());
    cmdClose = MakeButton(this, "cmdClose", tr("&Close"));
    cmdClose->setDefault(true);

    auto* details = new QGridLayout;
    details->setHorizontalSpacing(Twips(240));
    const std::pair<QLabel*, QLabel*> pairs[] = {{Label2, lblAppName},
                                                 {Label3, lblVirtualVersion},
                                                 {Label5, lblHardVersion},
                                                 {Label7, lblWebsite},
                                                 {Label9, lblEmail}};
    int row = 0;
    for (auto [caption, value] : pairs) {
        caption->setFont(labelFont);
        value->setFont(labelFont);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setMouseTracking(true);
        value->setMouseTracking(true);
        details->addWidget(caption, row, 0);
        details->addWidget(value, row, 1);
        ++row;
    }
    for (QLabel* link : {lblWebsite, lblEmail}) {
        QFont underlined = labelFont;
        underlined.setUnderline(true);
        link->setFont(underlined);
        link->setCursor(Qt::PointingHandCursor);
        // Reachable with Tab as well: a focused link is shown as hovered and opens with
        // Enter or Space.
        link->setFocusPolicy(Qt::StrongFocus);
        link->installEventFilter(this);
        SetTextColour(link, kLink);
    }
    linkColour_ = TextColour(lblWebsite);

    auto* heading = new QHBoxLayout;
    heading->addWidget(Image1);
    heading->addWidget(Label1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Twips(300), Twips(240), Twips(300), Twips(240));
    layout->addLayout(heading);
    layout->addSpacing(Twips(180));
    layout->addLayout(details);
    layout->addSpacing(Twips(180));
    layout->addLayout(buttons);

    // Moving over any part of the window but the links counts as the background.
    for (QWidget* child : findChildren<QWidget*>())
        child->setMouseTracking(true);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    setTabOrder(lblWebsite, lblEmail);
    setTabOrder(lblEmail, cmdClose);
    cmdClose->setFocus();
}

void frmAbout::HoverLink(QLabel* link)
{
    if (TextColour(link) != kWhite)
        SetTextColour(link, kWhite);
}

void frmAbout::RestoreLinkColours()
{
    for (QLabel* link : {lblEmail, lblWebsite})
        if (!link->hasFocus() && TextColour(link) != linkColour_)
            SetTextColour(link, linkColour_);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    auto* link = qobject_cast<QLabel*>(watched);
    if (link == lblWebsite || link == lblEmail) {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
            HoverLink(link);
            return event->type() == QEvent::MouseMove; // the window must not see it as background
        }
        if (event->type() == QEvent::FocusIn)
            HoverLink(link);
        if (event->type() == QEvent::FocusOut)
            SetTextColour(link, linkColour_);
        if (IsActivation(event)) {
            OpenInternet(link == lblWebsite ? WebsiteAddress() : SupportMailLink());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::mouseMoveEvent(QMouseEvent* event)
{
    RestoreLinkColours();
    QDialog::mouseMoveEvent(event);
}
