#include "frmMessage.h"

#include "FormHelpers.h"
#include "Globals.h"
#include "Twips.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kTickMs = 500;
constexpr int kLongestTimedMessage = 200; // larger values stay until the user closes them
int lastTickCount = 0;

// The widest a line may grow: three quarters of the screen.
int WidestLine(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().width() * 3 / 4 : Twips(9000);
}

// A line wraps between words; a word too wide for any line (a very long word text) would
// stretch the window past the screen, so such a line is shortened in its middle instead.
QString FittingText(const QLabel* line, const QString& text, int widest)
{
    const QFontMetrics metrics(line->font());
    for (const QString& word : text.split(QChar(' '), Qt::SkipEmptyParts))
        if (metrics.horizontalAdvance(word) > widest)
            return metrics.elidedText(text, Qt::ElideMiddle, widest);
    return text;
}

QFont BoldFont(const QFont& base, double points)
{
    QFont font = base;
    font.setBold(true);
    font.setPointSizeF(points);
    return font;
}
} // namespace

frmMessage::frmMessage(QWidget* parent) : QDialog(parent)
{
    InitModalDialog(this, "frmMessage", tr("Message..."));
    setAttribute(Qt::WA_QuitOnClose, false); // a notice never ends the program

    lblTop = MakeLabel(this, "lblTop", QString());
    lblTop->setFont(BoldFont(font(), 13.5));
    lblBottom = MakeLabel(this, "lblBottom", tr("Bottom"));
    lblBottom->setFont(BoldFont(font(), 12));
    for (QLabel* line : {lblTop, lblBottom}) {
        line->setAlignment(Qt::AlignCenter);
        line->setWordWrap(true);
        line->setMinimumWidth(Twips(6255));
        line->installEventFilter(this);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Twips(120), Twips(120), Twips(120), Twips(120));
    layout->setSpacing(Twips(120));
    layout->addWidget(lblTop);
    layout->addWidget(lblBottom);
    setMinimumSize(Twips(6500), Twips(1350));

    // Only receives the keyboard focus so that Enter and Space reach the window; it sits
    // outside the visible area.
    txtDummy = new QLineEdit(this);
    NameControl(txtDummy, "txtDummy", tr("Close message"));
    txtDummy->setGeometry(-Twips(3000), -Twips(3000), Twips(600), Twips(300));
    txtDummy->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTickMs);
    connect(Timer1, &QTimer::timeout, this, &frmMessage::Tick);
    if (Globals::MessageTime <= kLongestTimedMessage)
        Timer1->start();
}

void frmMessage::SetLines(const QString& topText, const QString& bottomText)
{
    const int widest = WidestLine(this);
    for (QLabel* line : {lblTop, lblBottom})
        line->setMaximumWidth(widest);
    lblTop->setText(FittingText(lblTop, topText, widest));
    lblBottom->setText(FittingText(lblBottom, bottomText, widest));
    lblTop->setAccessibleName(topText);
    lblBottom->setAccessibleName(bottomText);
    setAccessibleDescription(topText + QChar('\n') + bottomText);
}

void frmMessage::Reset() { ticks_ = 0; }

int frmMessage::LastTickCount() { return lastTickCount; }

void frmMessage::Tick()
{
    if (ticks_ < Globals::MessageTime)
        ++ticks_;
    else
        accept();
}

bool frmMessage::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == lblTop || watched == lblBottom) && event->type() == QEvent::MouseButtonPress) {
        accept();
        return true;
    }
    if (watched == txtDummy && event->type() == QEvent::KeyPress) {
        if (IsEnterOrSpaceKey(static_cast<QKeyEvent*>(event)->key()))
            accept();
        return true; // nothing is ever typed into the dummy box
    }
    return QDialog::eventFilter(watched, event);
}

void frmMessage::keyPressEvent(QKeyEvent* event)
{
    // Escape and every other key leave the message up; only Enter and Space close it.
    if (IsEnterOrSpaceKey(event->key()))
        accept();
}

void frmMessage::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    txtDummy->setFocus();
}

void frmMessage::done(int result)
{
    Timer1->stop();
    lastTickCount = ticks_;
    QDialog::done(result);
}

void ShowTempMessage(const QString& topText, const QString& bottomText)
{
    if (Globals::MessageTime <= 0)
        return;
    frmMessage message;
    message.SetLines(topText, bottomText);
    message.Reset();
    message.exec();
}
