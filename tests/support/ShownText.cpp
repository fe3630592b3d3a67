#include "ShownText.h"

#include "Translation.h"

#include <QAbstractItemModel>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTranslator>
#include <QVariantMap>

ShownLanguage::ShownLanguage(const char* locale, const char* program)
{
    QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
    translated_ = InstallTranslations(*qApp, program);
}

ShownLanguage::~ShownLanguage()
{
    for (QTranslator* translator : qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QLocale::setDefault(QLocale::system());
}

ShownFont::ShownFont(int points) : before_(QApplication::font())
{
    if (points <= 0)
        return;
    QFont font = before_;
    font.setPointSize(points);
    QApplication::setFont(font);
}

ShownFont::~ShownFont() { QApplication::setFont(before_); }

namespace {
int TextWidth(const QWidget* widget, const QString& text)
{
    QString shown = text;
    shown.remove(QRegularExpression(QStringLiteral("&(?!&)"))); // access-key markers
    return widget->fontMetrics().horizontalAdvance(shown);
}

// How much room a control's text needs (width, or height for a wrapped label); 0 when it
// shows no text that could be cut off.
QSize NeededForText(const QWidget* widget)
{
    const QStyle* style = widget->style();
    if (auto* label = qobject_cast<const QLabel*>(widget); label && !label->text().isEmpty()) {
        if (!label->wordWrap())
            return {label->sizeHint().width(), 0};
        return {0, label->heightForWidth(label->width())};
    }
    if (auto* option = qobject_cast<const QRadioButton*>(widget))
        return {style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)
                    + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing)
                    + TextWidth(widget, option->text()), 0};
    if (auto* box = qobject_cast<const QCheckBox*>(widget))
        return {style->pixelMetric(QStyle::PM_IndicatorWidth)
                    + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing)
                    + TextWidth(widget, box->text()), 0};
    // A button's text with its margin and frame, as the style measures a button (its least
    // button width holds no text).
    if (auto* button = qobject_cast<const QPushButton*>(widget); button && !button->text().isEmpty())
        return {TextWidth(widget, button->text()) + style->pixelMetric(QStyle::PM_ButtonMargin)
                    + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth), 0};
    if (auto* frame = qobject_cast<const QGroupBox*>(widget))
        return {TextWidth(widget, frame->title())
                    + 2 * style->pixelMetric(QStyle::PM_LayoutLeftMargin), 0};
    // A value shown in a read-only box: the text, the box's frame and its inner margins.
    if (auto* box = qobject_cast<const QLineEdit*>(widget); box && box->isReadOnly())
        return {widget->fontMetrics().horizontalAdvance(box->text()) + box->textMargins().left()
                    + box->textMargins().right() + 4
                    + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth), 0};
    // Every choice of a drop-down box fits it, not only the chosen one.
    if (auto* box = qobject_cast<const QComboBox*>(widget); box && !box->isEditable())
        return {box->sizeHint().width(), 0};
    if (auto* tabs = qobject_cast<const QTabBar*>(widget))
        return {tabs->sizeHint().width(), 0};
    return {};
}

QString Where(const QWidget* window, const QWidget* widget)
{
    return window->objectName() + QLatin1Char('/') + widget->objectName();
}

// The headings of a grid that are narrower than their text.
QStringList ClippedHeadings(const QWidget* window, const QHeaderView* header)
{
    QStringList clipped;
    if (header->orientation() != Qt::Horizontal || !header->model())
        return clipped;
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section))
            continue;
        const QString text = header->model()->headerData(section, Qt::Horizontal).toString();
        const int needed = text.isEmpty() ? 0 : header->sectionSizeHint(section);
        if (needed > header->sectionSize(section))
            clipped << QStringLiteral("%1 heading \"%2\" needs %3, has %4")
                           .arg(Where(window, header), text)
                           .arg(needed)
                           .arg(header->sectionSize(section));
    }
    return clipped;
}

// The texts of a chart (titles, axis labels) that it shortened or that lie outside it.
QStringList ClippedChartTexts(const QWidget* window, const QGraphicsView* view)
{
    QStringList clipped;
    if (!view->scene())
        return clipped;
    const QRectF shown = view->mapToScene(view->viewport()->rect()).boundingRect();
    for (const QGraphicsItem* item : view->scene()->items()) {
        if (!item->isVisible())
            continue;
        QString text;
        if (auto* rich = dynamic_cast<const QGraphicsTextItem*>(item))
            text = rich->toPlainText();
        else if (auto* simple = dynamic_cast<const QGraphicsSimpleTextItem*>(item))
            text = simple->text();
        else
            continue;
        if (text.isEmpty())
            continue;
        const QRectF place = item->sceneBoundingRect();
        if (text.endsWith(QStringLiteral("...")) || text.endsWith(QChar(0x2026)) ||
            !shown.adjusted(-0.5, -0.5, 0.5, 0.5).contains(place))
            clipped << QStringLiteral("%1 shows \"%2\" at %3,%4 %5x%6 in %7x%8")
                           .arg(Where(window, view), text)
                           .arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height())
                           .arg(shown.width()).arg(shown.height());
    }
    return clipped;
}

// The texts a widget paints itself (a chart offering DrawnTexts(): each a map of "text" and
// "place") that lie outside it.
QStringList ClippedDrawnTexts(const QWidget* window, QWidget* widget)
{
    QStringList clipped;
    if (widget->metaObject()->indexOfMethod("DrawnTexts()") < 0)
        return clipped;
    QVariantList texts;
    QMetaObject::invokeMethod(widget, "DrawnTexts", Q_RETURN_ARG(QVariantList, texts));
    for (const QVariant& drawn : texts) {
        const QVariantMap text = drawn.toMap();
        const QRect place = text.value(QStringLiteral("place")).toRect();
        if (!widget->rect().contains(place))
            clipped << QStringLiteral("%1 draws \"%2\" at %3,%4 %5x%6 in %7x%8")
                           .arg(Where(window, widget),
                                text.value(QStringLiteral("text")).toString())
                           .arg(place.x())
                           .arg(place.y())
                           .arg(place.width())
                           .arg(place.height())
                           .arg(widget->width())
                           .arg(widget->height());
    }
    return clipped;
}

// A window or container smaller than its layout's least size, which cuts what it holds.
QStringList SmallerThanItsLayout(const QWidget* window, const QWidget* widget)
{
    const QLayout* layout = widget->layout();
    if (!layout)
        return {};
    const QSize least = layout->minimumSize();
    if (least.width() <= widget->width() && least.height() <= widget->height())
        return {};
    return {QStringLiteral("%1 holds %2x%3 in %4x%5")
                .arg(Where(window, widget))
                .arg(least.width()).arg(least.height())
                .arg(widget->width()).arg(widget->height())};
}

// A control placed partly outside the widget that holds it, which cuts it off (what a
// scrolled view holds may lie outside it; a control kept wholly out of sight is no cut).
QStringList OutsideItsParent(const QWidget* window, const QWidget* widget)
{
    const QWidget* parent = widget->parentWidget();
    if (!parent || widget->isWindow() ||
        qobject_cast<const QAbstractScrollArea*>(parent->parentWidget()) ||
        parent->rect().contains(widget->geometry()) ||
        !parent->rect().intersects(widget->geometry()))
        return {};
    const QRect place = widget->geometry();
    return {QStringLiteral("%1 lies at %2,%3 %4x%5, outside %6x%7")
                .arg(Where(window, widget))
                .arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height())
                .arg(parent->width()).arg(parent->height())};
}
} // namespace

QStringList ClippedTexts(QWidget* window)
{
    QStringList clipped;
    clipped << SmallerThanItsLayout(window, window);
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->window() != window) // another window's own
            continue;
        if (auto* header = qobject_cast<QHeaderView*>(widget))
            clipped << ClippedHeadings(window, header);
        if (auto* view = qobject_cast<QGraphicsView*>(widget))
            clipped << ClippedChartTexts(window, view);
        clipped << ClippedDrawnTexts(window, widget);
        clipped << SmallerThanItsLayout(window, widget);
        clipped << OutsideItsParent(window, widget);
        const QSize needed = NeededForText(widget);
        if (needed.width() > widget->width() || needed.height() > widget->height())
            clipped << QStringLiteral("%1 needs %2x%3, has %4x%5")
                           .arg(Where(window, widget))
                           .arg(needed.width()).arg(needed.height())
                           .arg(widget->width()).arg(widget->height());
    }
    return clipped;
}

namespace {
// Handles events until the window's layout has settled: a pass that moves or sizes nothing.
void SettleLayout(QWidget* window)
{
    QList<QRect> before;
    for (int pass = 0; pass < 100; ++pass) {
        QCoreApplication::sendPostedEvents();
        QApplication::processEvents();
        QList<QRect> places{window->geometry()};
        for (const QWidget* widget : window->findChildren<QWidget*>())
            places << widget->geometry();
        if (pass >= 2 && places == before)
            return;
        before = places;
    }
}
} // namespace

QStringList CutTextsOfShownWindow(QWidget* window, const QString& name, const ShownAs& as)
{
    SettleLayout(window);
    const QString how = QStringLiteral("%1 %2pt: ").arg(QLatin1String(as.locale)).arg(as.points);
    if (const QString shots = qEnvironmentVariable("QUILLBY_SHOTS"); !shots.isEmpty()) {
        QDir().mkpath(shots);
        window->grab().save(QDir(shots).filePath(
            QStringLiteral("%1-%2-%3pt.png").arg(name, QLatin1String(as.locale)).arg(as.points)));
    }
    QStringList cut;
    for (const QString& text : ClippedTexts(window))
        cut << how + text;
    return cut;
}
