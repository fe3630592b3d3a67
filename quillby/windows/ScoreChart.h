#pragma once
#include <QImage>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QVariantList>
#include <QWidget>
#include <functional>
#include <optional>

// A line chart of the scores of a list's tests, painted with QPainter: the tests in order
// along the bottom ("Test"), the scores from 0 to 100 up the side ("Score (%)"), a title above,
// and a dot on each point while each point is one test. Its colours follow the palette.
class ScoreChart : public QWidget {
    Q_OBJECT
public:
    explicit ScoreChart(QWidget* parent = nullptr);

    // Shows `points` (x the test's place, 1 for the oldest; y the score) of `tests` tests.
    void ShowPoints(const QList<QPointF>& points, qsizetype tests, bool dots);
    void SetTitle(const QString& title);
    // The titles of the tests' axis (along the bottom) and of the scores' (up the side).
    void SetAxisTitles(const QString& tests, const QString& scores);

    // What a screen reader hears of the chart (its description), made by `make` only when it
    // is asked for: the scores of years of tests make a long text.
    void SetSpokenText(std::function<QString()> make);
    QString SpokenText() const;

    QString Title() const { return title_; }
    QList<QPointF> Points() const { return points_; }
    bool DotsShown() const { return dots_; }

    // Where things are drawn at the present size, in the widget's coordinates.
    QRectF PlotArea() const;
    // The place of a point in the plot area.
    QPointF PlaceOf(const QPointF& point) const;
    // The values where each axis has a tick, a grid line and a label.
    QList<double> TestTicks() const;
    static QList<double> ScoreTicks();
    // The height at which every text shows whole beside the plot.
    int LeastHeight() const;

    // The texts drawn, each as a map of "text" and "place" (a QRect), for checks that every
    // text lies whole inside the chart.
    Q_INVOKABLE QVariantList DrawnTexts() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The places of the chart's parts at the present size and fonts.
    struct Parts {
        QRect title;
        QRect scoresTitle; // upright, before turning
        QRect testsTitle;
        QRectF plot;
        int labelsWidth = 0;
    };
    Parts LayOut() const;
    QPointF PlaceIn(const QRectF& plot, const QPointF& point) const;
    struct Text {
        QString text;
        QRect place;
    };
    QList<Text> TickLabels(const Parts& parts) const;
    QFont TitleFont() const;
    QFont LabelsFont() const;
    QFont AxisTitleFont() const;
    QColor LineColour() const;
    const QImage& DotImage();

    void PaintGrid(QPainter& painter, const Parts& parts) const;
    void PaintLabels(QPainter& painter, const Parts& parts) const;
    void PaintLine(QPainter& painter, const Parts& parts);

    std::function<QString()> makeSpoken_;
    mutable std::optional<QString> spoken_;
    QString title_;
    QString testsTitle_;
    QString scoresTitle_;
    QList<QPointF> points_;
    double firstTest_ = 0.0;
    double lastTest_ = 2.0;
    double testInterval_ = 1.0;
    bool dots_ = true;
    QImage dot_;
};
