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
#include <charconv>
#include <vector>

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

// "test 1: 57 %, test 2: 64 %, ...": the pattern is cut at its place markers once, and each
// test's numbers are written straight into one text, so that years of tests cost no text of
// their own each.
QString SpokenScores(const QList<int>& scores)
{
    const QChar number(1);
    const QChar score(2);
    const QString marked =
        QCoreApplication::translate("ListProgressPanel", "test %1: %2").arg(number, score);
    struct Piece {
        QString text; // empty for a marker
        QChar marker;
    };
    std::vector<Piece> pieces;
    for (const QChar c : marked) {
        if (c == number || c == score)
            pieces.push_back({QString(), c});
        else if (pieces.empty() || !pieces.back().marker.isNull())
            pieces.push_back({QString(c), QChar()});
        else
            pieces.back().text += c;
    }
    const QString percent = PercentText(0).mid(1); // what follows a score's digits
    QString spoken;
    spoken.reserve(scores.size() * (marked.size() + 10));
    const auto append = [&spoken](long long value) {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        spoken += QLatin1String(digits, static_cast<qsizetype>(end - digits));
    };
    for (qsizetype i = 0; i < scores.size(); ++i) {
        if (i > 0)
            spoken += QLatin1String(", ");
        for (const Piece& piece : pieces) {
            if (piece.marker == number) {
                append(i + 1);
            } else if (piece.marker == score) {
                append(scores[i]);
                spoken += percent;
            } else {
                spoken += piece.text;
            }
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
    // What the chart shows, for a screen reader, made when one asks.
    if (scores.isEmpty())
        chartScores->SetSpokenText([] { return tr(kNoTests); });
    else
        chartScores->SetSpokenText([scores] { return SpokenScores(scores); });
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
