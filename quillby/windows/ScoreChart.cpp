#include "ScoreChart.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QVariantMap>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// The chart is a rounded card of the base colour inset in the window's colour.
constexpr int kCardInset = 9;
constexpr int kCardRounding = 5;
constexpr int kMargin = kCardInset + 6;
constexpr int kGap = 4;
constexpr int kTick = 4;
constexpr int kDotPixels = 8;
// A little room beyond 0 and 100 keeps the points of those scores whole.
constexpr double kLowestScore = -4;
constexpr double kHighestScore = 104;
constexpr int kScoreInterval = 25;

// A colour between the palette's base and its text: the grid's and the axes' lines.
QColor Between(const QColor& base, const QColor& text, double share)
{
    return QColor::fromRgbF(float(base.redF() + (text.redF() - base.redF()) * share),
                            float(base.greenF() + (text.greenF() - base.greenF()) * share),
                            float(base.blueF() + (text.blueF() - base.blueF()) * share));
}

// Whether the palette is a dark one: its window colour is darker than its text.
bool IsDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() <
           palette.color(QPalette::WindowText).lightness();
}

QString Label(double value) { return QString::number(qRound(value)); }

// The chart as a screen reader sees it: its description is its spoken text, made when asked.
class ScoreChartAccessible : public QAccessibleWidget {
public:
    explicit ScoreChartAccessible(ScoreChart* chart) : QAccessibleWidget(chart) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description)
            return static_cast<const ScoreChart*>(widget())->SpokenText();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* MakeChartAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("ScoreChart") && object && object->isWidgetType())
        return new ScoreChartAccessible(static_cast<ScoreChart*>(object));
    return nullptr;
}

} // namespace

ScoreChart::ScoreChart(QWidget* parent) : QWidget(parent)
{
    static const bool accessible = (QAccessible::installFactory(MakeChartAccessible), true);
    Q_UNUSED(accessible);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Reached by Tab like the other controls, so that a screen reader reads the scores.
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ScoreChart::ShowPoints(const QList<QPointF>& points, qsizetype tests, bool dots)
{
    points_ = points;
    dots_ = dots;
    // A quarter of a test's room at each end keeps the first and last points whole; one
    // test still gets an axis of some width, with its point in the middle.
    firstTest_ = tests > 1 ? 0.75 : 0.0;
    lastTest_ = tests > 1 ? double(tests) + 0.25 : 2.0;
    testInterval_ = double(std::max<qsizetype>(1, (tests + 9) / 10));
    update();
}

void ScoreChart::SetSpokenText(std::function<QString()> make)
{
    makeSpoken_ = std::move(make);
    spoken_.reset();
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

QString ScoreChart::SpokenText() const
{
    if (!makeSpoken_)
        return accessibleDescription();
    if (!spoken_)
        spoken_ = makeSpoken_();
    return *spoken_;
}

void ScoreChart::SetAxisTitles(const QString& tests, const QString& scores)
{
    testsTitle_ = tests;
    scoresTitle_ = scores;
    updateGeometry();
    update();
}

void ScoreChart::SetTitle(const QString& title)
{
    if (title == title_)
        return;
    title_ = title;
    updateGeometry();
    update();
}

QFont ScoreChart::TitleFont() const { return font(); }

QFont ScoreChart::LabelsFont() const { return font(); }

QFont ScoreChart::AxisTitleFont() const
{
    QFont title = font();
    title.setBold(true);
    return title;
}

QList<double> ScoreChart::TestTicks() const
{
    // Ticks counted from test 1 in steps of the interval, within the axis.
    QList<double> ticks;
    const double first = 1.0 + std::ceil((firstTest_ - 1.0) / testInterval_) * testInterval_;
    for (double tick = first; tick <= lastTest_ + 1e-9; tick += testInterval_)
        ticks << tick;
    return ticks;
}

QList<double> ScoreChart::ScoreTicks()
{
    QList<double> ticks;
    for (int score = 0; score <= 100; score += kScoreInterval)
        ticks << score;
    return ticks;
}

ScoreChart::Parts ScoreChart::LayOut() const
{
    const QFontMetrics title(TitleFont());
    const QFontMetrics labels(LabelsFont());
    const QFontMetrics axisTitle(AxisTitleFont());
    Parts parts;
    const int inner = std::max(1, width() - 2 * kMargin);
    parts.title = title.boundingRect(QRect(kMargin, kMargin, inner, 100000),
                                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, title_);
    for (const double tick : ScoreTicks())
        parts.labelsWidth = std::max(parts.labelsWidth, labels.horizontalAdvance(Label(tick)));
    const QList<double> testTicks = TestTicks();
    const int lastLabel = testTicks.isEmpty() ? 0
                                              : labels.horizontalAdvance(Label(testTicks.last()));
    const double left = kMargin + axisTitle.height() + kGap + parts.labelsWidth + kGap + kTick;
    // Half a label's height above the top tick keeps its label inside the card.
    const double top = (title_.isEmpty() ? kMargin : parts.title.bottom() + 1 + kGap) +
                       labels.height() / 2.0;
    const double right = width() - kMargin - lastLabel / 2.0;
    const double bottom = height() - kMargin - axisTitle.height() - kGap - labels.height() - kGap -
                          kTick;
    parts.plot = QRectF(QPointF(left, top),
                        QPointF(std::max(left + 1, right), std::max(top + 1, bottom)));
    parts.testsTitle = QRect(qRound(parts.plot.left()), height() - kMargin - axisTitle.height(),
                             qRound(parts.plot.width()), axisTitle.height());
    parts.scoresTitle = QRect(kMargin, qRound(parts.plot.top()), axisTitle.height(),
                              qRound(parts.plot.height()));
    return parts;
}

QRectF ScoreChart::PlotArea() const { return LayOut().plot; }

QPointF ScoreChart::PlaceOf(const QPointF& point) const { return PlaceIn(PlotArea(), point); }

QPointF ScoreChart::PlaceIn(const QRectF& plot, const QPointF& point) const
{
    const double x = (point.x() - firstTest_) / (lastTest_ - firstTest_);
    const double y = (point.y() - kLowestScore) / (kHighestScore - kLowestScore);
    return {plot.left() + x * plot.width(), plot.bottom() - y * plot.height()};
}

// The scores' axis title whole beside the plot, with the chart's title, the tests' labels and
// their title each given room for a wrapped line as well.
int ScoreChart::LeastHeight() const
{
    const QFontMetrics title(TitleFont());
    const QFontMetrics labels(LabelsFont());
    const QFontMetrics axisTitles(AxisTitleFont());
    return axisTitles.horizontalAdvance(scoresTitle_) + 3 * title.height() + 3 * labels.height() +
           3 * axisTitles.height();
}

QSize ScoreChart::sizeHint() const
{
    return {QFontMetrics(font()).averageCharWidth() * 40, LeastHeight()};
}

QSize ScoreChart::minimumSizeHint() const
{
    return {QFontMetrics(font()).averageCharWidth() * 20, LeastHeight()};
}

QList<ScoreChart::Text> ScoreChart::TickLabels(const Parts& parts) const
{
    const QFontMetrics labels(LabelsFont());
    QList<Text> texts;
    const double labelsTop = parts.plot.bottom() + kTick + kGap / 2.0;
    // A label that would touch the one before it is left out, as on a narrow chart.
    int free = std::numeric_limits<int>::min();
    for (const double tick : TestTicks()) {
        const QString text = Label(tick);
        const int width = labels.horizontalAdvance(text);
        const QRect place(qRound(PlaceIn(parts.plot, {tick, 0}).x() - width / 2.0),
                          qRound(labelsTop), width, labels.height());
        if (place.left() < free)
            continue;
        texts.append({text, place});
        free = place.right() + 1 + kGap / 2;
    }
    const double labelsRight = parts.plot.left() - kTick - kGap / 2.0;
    for (const double tick : ScoreTicks()) {
        const QString text = Label(tick);
        const int width = labels.horizontalAdvance(text);
        texts.append(
            {text, QRect(qRound(labelsRight - width),
                         qRound(PlaceIn(parts.plot, {0, tick}).y() - labels.height() / 2.0), width,
                         labels.height())});
    }
    return texts;
}

QVariantList ScoreChart::DrawnTexts() const
{
    const Parts parts = LayOut();
    const QFontMetrics axisTitle(AxisTitleFont());
    const auto centred = [](const QRect& room, int width, int height) {
        return QRect(room.center().x() - width / 2 + 1, room.center().y() - height / 2 + 1, width,
                     height);
    };
    QList<Text> texts;
    if (!title_.isEmpty())
        texts.append({title_, parts.title});
    texts.append({testsTitle_, centred(parts.testsTitle, axisTitle.horizontalAdvance(testsTitle_),
                                       axisTitle.height())});
    texts.append({scoresTitle_, centred(parts.scoresTitle, axisTitle.height(),
                                        axisTitle.horizontalAdvance(scoresTitle_))});
    texts << TickLabels(parts);
    QVariantList drawn;
    for (const Text& text : texts)
        drawn << QVariantMap{{QStringLiteral("text"), text.text},
                             {QStringLiteral("place"), text.place}};
    return drawn;
}

QColor ScoreChart::LineColour() const
{
    // The blue of a light chart and the green of a dark one.
    return IsDark(palette()) ? QColor(0x38, 0xad, 0x6b) : QColor(0x20, 0x9f, 0xdf);
}

// A dot drawn once at the screen's pixel density: each point then costs an image copy, not
// a round shape.
const QImage& ScoreChart::DotImage()
{
    const qreal ratio = devicePixelRatioF();
    if (!dot_.isNull() && dot_.devicePixelRatio() == ratio)
        return dot_;
    const int side = qRound(kDotPixels * ratio);
    dot_ = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
    dot_.fill(Qt::transparent);
    QPainter painter(&dot_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(LineColour());
    painter.drawEllipse(QRectF(0, 0, side, side));
    painter.end();
    dot_.setDevicePixelRatio(ratio);
    return dot_;
}

void ScoreChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().brush(QPalette::Window));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().brush(QPalette::Base));
    painter.drawRoundedRect(
        QRectF(rect()).adjusted(kCardInset, kCardInset, -kCardInset, -kCardInset), kCardRounding,
        kCardRounding);
    painter.restore();
    const Parts parts = LayOut();
    PaintGrid(painter, parts);
    PaintLabels(painter, parts);
    PaintLine(painter, parts);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void ScoreChart::PaintGrid(QPainter& painter, const Parts& parts) const
{
    const QColor base = palette().color(QPalette::Base);
    const QColor text = palette().color(QPalette::Text);
    // A dark chart's lines need more of the text colour to show as well as a light one's.
    const bool dark = IsDark(palette());
    painter.setPen(QPen(Between(base, text, dark ? 0.35 : 0.12), 1));
    for (const double tick : TestTicks()) {
        const double x = std::round(PlaceIn(parts.plot, {tick, 0}).x()) + 0.5;
        painter.drawLine(QPointF(x, parts.plot.top()), QPointF(x, parts.plot.bottom()));
    }
    for (const double tick : ScoreTicks()) {
        const double y = std::round(PlaceIn(parts.plot, {0, tick}).y()) + 0.5;
        painter.drawLine(QPointF(parts.plot.left(), y), QPointF(parts.plot.right(), y));
    }
    painter.setPen(QPen(Between(base, text, dark ? 0.75 : 0.3), 1));
    const double left = std::round(parts.plot.left()) + 0.5;
    const double bottom = std::round(parts.plot.bottom()) + 0.5;
    painter.drawLine(QPointF(left, parts.plot.top()), QPointF(left, bottom));
    painter.drawLine(QPointF(left, bottom), QPointF(parts.plot.right(), bottom));
    for (const double tick : TestTicks()) {
        const double x = std::round(PlaceIn(parts.plot, {tick, 0}).x()) + 0.5;
        painter.drawLine(QPointF(x, bottom), QPointF(x, bottom + kTick));
    }
    for (const double tick : ScoreTicks()) {
        const double y = std::round(PlaceIn(parts.plot, {0, tick}).y()) + 0.5;
        painter.drawLine(QPointF(left - kTick, y), QPointF(left, y));
    }
}

void ScoreChart::PaintLabels(QPainter& painter, const Parts& parts) const
{
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(TitleFont());
    painter.drawText(parts.title, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, title_);
    painter.setPen(palette().color(QPalette::Text));
    painter.setFont(LabelsFont());
    for (const Text& label : TickLabels(parts))
        painter.drawText(label.place, Qt::AlignCenter, label.text);
    painter.setFont(AxisTitleFont());
    painter.drawText(parts.testsTitle, Qt::AlignCenter, testsTitle_);
    painter.save();
    painter.translate(parts.scoresTitle.left(), parts.scoresTitle.bottom() + 1);
    painter.rotate(-90);
    painter.drawText(QRect(0, 0, parts.scoresTitle.height(), parts.scoresTitle.width()),
                     Qt::AlignCenter, scoresTitle_);
    painter.restore();
}

void ScoreChart::PaintLine(QPainter& painter, const Parts& parts)
{
    if (points_.isEmpty())
        return;
    painter.save();
    // The dots of the first and last tests and of scores 0 and 100 may reach past the plot.
    const double reach = kDotPixels / 2.0 + 1;
    painter.setClipRect(parts.plot.adjusted(-reach, -reach, reach, reach));
    painter.setRenderHint(QPainter::Antialiasing);
    QPolygonF line;
    line.reserve(points_.size());
    for (const QPointF& point : points_)
        line << PlaceIn(parts.plot, point);
    painter.setPen(QPen(LineColour(), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(line);
    if (dots_) {
        const QImage& dot = DotImage();
        const QPointF half(kDotPixels / 2.0, kDotPixels / 2.0);
        for (const QPointF& place : line)
            painter.drawImage(place - half, dot);
    }
    painter.restore();
}

void ScoreChart::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        dot_ = QImage(); // drawn again in the palette's colour
    if (event->type() == QEvent::FontChange)
        updateGeometry();
}
