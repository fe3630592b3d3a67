#include "ListProgressPanel.h"

#include "FormHelpers.h"
#include "TestGrids.h"
#include "TestReport.h"
#include "Twips.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QLineSeries>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>

namespace {
const char* const kNoTests = QT_TRANSLATE_NOOP(
    "ListProgressPanel", "No tests yet: the scores appear here after the first "
                         "test.");
const char* const kNoMisses = QT_TRANSLATE_NOOP("ListProgressPanel",
                                                "No word has been missed on a test yet.");

constexpr int kDotPixels = 8;
// The most tests the chart draws one by one; beyond them points would overlap anyway.
constexpr qsizetype kMostPoints = 400;

// The points of the scores, test 1 at x = 1. More tests than the chart has room for are drawn
// as the lowest and the highest score of each group of neighbouring tests, in their order: the
// line covers the same pixels, and laying it out and painting it costs the same for 2,000
// tests as for 400.
QList<QPointF> ChartPoints(const QList<int>& scores)
{
    const qsizetype count = scores.size();
    const qsizetype group = count <= kMostPoints
                                ? 1
                                : (count + kMostPoints / 2 - 1) / (kMostPoints / 2);
    QList<QPointF> points;
    points.reserve(count <= kMostPoints ? count : kMostPoints);
    const auto add = [&](qsizetype i) { points << QPointF(double(i + 1), double(scores[i])); };
    for (qsizetype first = 0; first < count; first += group) {
        qsizetype low = first;
        qsizetype high = first;
        for (qsizetype i = first + 1; i < std::min(count, first + group); ++i) {
            if (scores[i] < scores[low])
                low = i;
            if (scores[i] > scores[high])
                high = i;
        }
        add(std::min(low, high));
        if (low != high)
            add(std::max(low, high));
    }
    return points;
}

// "test 1: 57 %, test 2: 64 %, ...": the pattern's place markers are found once and each
// test's words appended to one text, so that years of tests cost no text of their own each.
QString SpokenScores(const QList<int>& scores)
{
    const QChar number(1);
    const QChar score(2);
    const QString marked =
        QCoreApplication::translate("ListProgressPanel", "test %1: %2").arg(number, score);
    QString spoken;
    spoken.reserve(scores.size() * (marked.size() + 10));
    for (qsizetype i = 0; i < scores.size(); ++i) {
        if (i > 0)
            spoken += QLatin1String(", ");
        for (const QChar c : marked) {
            if (c == number)
                spoken += QString::number(i + 1);
            else if (c == score)
                spoken += PercentText(scores[i]);
            else
                spoken += c;
        }
    }
    return spoken;
}

// A dot of the chart, drawn once at the screen's pixel density: each point then costs an
// image copy, not a round shape.
QImage Dot(const QColor& colour, qreal pixelRatio)
{
    const int side = qRound(kDotPixels * pixelRatio);
    QImage dot(side, side, QImage::Format_ARGB32_Premultiplied);
    dot.fill(Qt::transparent);
    QPainter painter(&dot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(0, 0, side, side));
    return dot;
}

// Whether the palette is a dark one: its window colour is darker than its text.
bool IsDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() <
           palette.color(QPalette::WindowText).lightness();
}
} // namespace

ListProgressPanel::ListProgressPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ListProgressPanel"));
    BuildChart();

    lblHardestWords = MakeLabel(this, "lblHardestWords", tr("Hardest words"));
    gridHardestWords = MakeGrid(this, tr("Hardest words"), 2);
    gridHardestWords->setObjectName(QStringLiteral("gridHardestWords"));
    lblHardestWords->setBuddy(gridHardestWords);
    lblNoMisses = MakeLabel(this, "lblNoMisses", tr(kNoTests));
    lblNoMisses->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(chartScores, 3);
    layout->addWidget(lblHardestWords);
    layout->addWidget(gridHardestWords, 2);
    layout->addWidget(lblNoMisses);

    connect(gridHardestWords, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int previousRow, int) {
                if (row >= 0 && row != previousRow && !filling_)
                    emit WordChosen(gridHardestWords->item(row, 0)->text());
            });
    ShowProgress({}, {});
}

void ListProgressPanel::BuildChart()
{
    chart_ = new QChart;
    chart_->legend()->hide();
    chart_->setMargins(QMargins(4, 4, 4, 4));
    // The line draws its own points: one series, with no item per point to lay out and
    // paint, so hundreds of tests cost little more than a few.
    line_ = new QLineSeries;
    line_->setMarkerSize(kDotPixels);
    chart_->addSeries(line_);
    axisTests_ = new QValueAxis;
    axisTests_->setTitleText(tr("Test"));
    axisTests_->setLabelFormat(QStringLiteral("%d"));
    axisTests_->setTickType(QValueAxis::TicksDynamic);
    axisTests_->setTickAnchor(1);
    axisScores_ = new QValueAxis;
    axisScores_->setTitleText(tr("Score (%)"));
    // A little room beyond 0 and 100 keeps the points of those scores whole.
    axisScores_->setRange(-4, 104);
    axisScores_->setLabelFormat(QStringLiteral("%d"));
    axisScores_->setTickType(QValueAxis::TicksDynamic);
    axisScores_->setTickAnchor(0);
    axisScores_->setTickInterval(25);
    chart_->addAxis(axisTests_, Qt::AlignBottom);
    chart_->addAxis(axisScores_, Qt::AlignLeft);
    line_->attachAxis(axisTests_);
    line_->attachAxis(axisScores_);
    chartScores = new QChartView(chart_, this);
    chartScores->setObjectName(QStringLiteral("chartScores"));
    chartScores->setAccessibleName(tr("Scores"));
    chartScores->setRenderHint(QPainter::Antialiasing);
    FollowPalette();
    chartScores->setMinimumHeight(std::max(Twips(2700), LeastChartHeight()));
}

// The height at which the chart shows the scores' axis title whole beside its plot: the
// title's length, and the chart's title, the tests' labels and their title, each a line.
int ListProgressPanel::LeastChartHeight() const
{
    const QFontMetrics title(chart_->titleFont());
    const QFontMetrics labels(axisTests_->labelsFont());
    const QFontMetrics axisTitles(axisScores_->titleFont());
    return axisTitles.horizontalAdvance(axisScores_->titleText()) + 3 * title.height() +
           3 * labels.height() + 3 * axisTitles.height();
}

void ListProgressPanel::ShowProgress(const QList<int>& scores, const std::vector<HardWord>& words)
{
    ShowScores(scores);
    ShowHardestWords(words);
    lblNoMisses->setText(scores.isEmpty() ? tr(kNoTests) : tr(kNoMisses));
    lblNoMisses->setVisible(words.empty());
}

void ListProgressPanel::ShowScores(const QList<int>& scores)
{
    const qsizetype count = scores.size();
    if ((count <= kMostPoints) != dots_)
        ShowDots(!dots_);
    line_->replace(ChartPoints(scores));
    // A quarter of a test's room at each end keeps the first and last points whole; one
    // test still gets an axis of some width, with its point in the middle.
    axisTests_->setRange(count > 1 ? 0.75 : 0.0, count > 1 ? double(count) + 0.25 : 2.0);
    axisTests_->setTickInterval(std::max<qsizetype>(1, (count + 9) / 10));
    chart_->setTitle(scores.isEmpty() ? tr(kNoTests) : tr("Scores of the tests"));
    // What the chart shows, for a screen reader.
    chartScores->setAccessibleDescription(scores.isEmpty() ? tr(kNoTests) : SpokenScores(scores));
}

void ListProgressPanel::ShowHardestWords(const std::vector<HardWord>& words)
{
    filling_ = true;
    ResetGrid(gridHardestWords,
              {tr("Word"), tr("Tests missed"),
               tr("Wrong spellings")},
              {1400, 1100, 2000},
              {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignRight | Qt::AlignVCenter,
               Qt::AlignLeft | Qt::AlignVCenter});
    for (const HardWord& word : words)
        AddGridRow(gridHardestWords,
                   {word.word, QString::number(word.testsMissed), SpellingsText(word.spellings)});
    gridHardestWords->resizeColumnToContents(1); // its heading is wider than its numbers
    // The words whole, however large the font.
    const int setWidth = gridHardestWords->columnWidth(0);
    gridHardestWords->resizeColumnToContents(0);
    gridHardestWords->setColumnWidth(0, std::max(setWidth, gridHardestWords->columnWidth(0)));
    gridHardestWords->setMinimumWidth(GridWidthForColumns(gridHardestWords));
    gridHardestWords->setCurrentCell(-1, -1);
    filling_ = false;
}

QList<QPointF> ListProgressPanel::ScorePoints() const { return line_->points(); }

bool ListProgressPanel::DotsShown() const
{
    return line_->pointsVisible() && !line_->lightMarker().isNull();
}

void ListProgressPanel::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        FollowPalette();
}

// The chart draws with a theme of its own; it follows the desktop's light or dark palette.
void ListProgressPanel::FollowPalette()
{
    const QString title = chart_->title();
    chart_->setTheme(IsDark(palette()) ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart_->setBackgroundBrush(palette().brush(QPalette::Base));
    chart_->setTitleBrush(palette().brush(QPalette::WindowText));
    for (QValueAxis* axis : {axisTests_, axisScores_}) {
        axis->setLabelsBrush(palette().brush(QPalette::Text));
        axis->setTitleBrush(palette().brush(QPalette::Text));
    }
    ShowDots(dots_);
    chart_->setTitle(title);
}

void ListProgressPanel::ShowDots(bool dots)
{
    dots_ = dots;
    line_->setPointsVisible(dots);
    line_->setLightMarker(dots ? Dot(line_->color(), devicePixelRatioF()) : QImage());
}
