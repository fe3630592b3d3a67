#include "ListProgressPanel.h"

#include "FormHelpers.h"
#include "ScoreChart.h"
#include "TestGrids.h"
#include "TestReport.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {
const char* const kNoTests = QT_TRANSLATE_NOOP(
    "ListProgressPanel", "No tests yet: the scores appear here after the first "
                         "test.");
const char* const kNoMisses = QT_TRANSLATE_NOOP("ListProgressPanel",
                                                "No word has been missed on a test yet.");

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
    chartScores = new ScoreChart(this);
    chartScores->setObjectName(QStringLiteral("chartScores"));
    chartScores->setAccessibleName(tr("Scores"));
    chartScores->SetAxisTitles(tr("Test"), tr("Score (%)"));
    chartScores->setMinimumHeight(std::max(Twips(2700), chartScores->LeastHeight()));
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
    chartScores->ShowPoints(ChartPoints(scores), scores.size(), scores.size() <= kMostPoints);
    chartScores->SetTitle(scores.isEmpty() ? tr(kNoTests) : tr("Scores of the tests"));
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

QList<QPointF> ListProgressPanel::ScorePoints() const { return chartScores->Points(); }

bool ListProgressPanel::DotsShown() const { return chartScores->DotsShown(); }
