#pragma once
#include "ListProgress.h"

#include <QList>
#include <QPointF>
#include <QWidget>
#include <vector>

class QLabel;
class QTableWidget;
class ScoreChart;

// The progress of one list, shown in the past-tests window: a chart of the scores of its
// tests in order, and its hardest words with how often and how they were misspelled.
class ListProgressPanel : public QWidget {
    Q_OBJECT
public:
    explicit ListProgressPanel(QWidget* parent = nullptr);

    // Shows the scores (oldest test first, as whole per cents) and the missed words.
    void ShowProgress(const QList<int>& scores, const std::vector<HardWord>& words);

    // The chart's points: x the test's place (1 for the oldest), y its score.
    QList<QPointF> ScorePoints() const;
    // Whether each point has its dot (a thinned line of years of tests has none).
    bool DotsShown() const;

    ScoreChart* chartScores = nullptr;
    QLabel* lblHardestWords = nullptr;
    QTableWidget* gridHardestWords = nullptr;
    QLabel* lblNoMisses = nullptr;

signals:
    // A word of the hardest-words table was selected.
    void WordChosen(const QString& word);

private:
    void BuildChart();
    void ShowScores(const QList<int>& scores);
    void ShowHardestWords(const std::vector<HardWord>& words);

    bool filling_ = false;
};
