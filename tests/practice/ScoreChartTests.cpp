// The chart of a list's scores: where it draws its points, ticks, labels and dots.
#include "ScoreChart.h"

#include <QImage>
#include <QPalette>
#include <QVariantMap>

#include <gtest/gtest.h>

#include <cmath>

namespace {
// The points of `count` tests with the same score.
QList<QPointF> Flat(int count, int score)
{
    QList<QPointF> points;
    for (int test = 1; test <= count; ++test)
        points << QPointF(test, score);
    return points;
}

QImage Painted(ScoreChart& chart)
{
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    chart.render(&image);
    return image;
}

// Whether two colours are alike (antialiasing blends their edges).
bool Near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <
           60;
}

QPalette DarkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Text, Qt::white);
    return dark;
}
} // namespace

// Each case: the points shown, how many tests they stand for, whether each has its dot, and
// the ticks expected on the tests' axis (one every tenth of the tests, counted from test 1).
TEST(ScoreChartDrawing, PointsTicksLabelsAndDotsLieWhereTheyBelong)
{
    struct Case {
        QList<QPointF> points;
        qsizetype tests;
        bool dots;
        QList<double> testTicks;
    };
    const Case cases[] = {
        {{}, 0, true, {0, 1, 2}},
        {{{1, 100}}, 1, true, {0, 1, 2}},
        {{{1, 0}, {2, 100}, {3, 55}}, 3, true, {1, 2, 3}},
        {Flat(37, 0), 37, true, {1, 5, 9, 13, 17, 21, 25, 29, 33, 37}},
        {{{1, 40}, {700, 0}, {1400, 100}, {2000, 100}},
         2000,
         false,
         {1, 201, 401, 601, 801, 1001, 1201, 1401, 1601, 1801}},
    };
    for (const QSize size : {QSize(420, 300), QSize(260, 180)}) {
        for (const Case& c : cases) {
            ScoreChart chart;
            chart.resize(size);
            chart.SetTitle(QStringLiteral("Scores of the tests"));
            chart.SetAxisTitles(QStringLiteral("Test"), QStringLiteral("Score (%)"));
            chart.ShowPoints(c.points, c.tests, c.dots);
            const QString where = QStringLiteral("%1 tests at %2x%3")
                                      .arg(c.tests)
                                      .arg(size.width())
                                      .arg(size.height());
            SCOPED_TRACE(where.toStdString());
            EXPECT_EQ(chart.TestTicks(), c.testTicks);
            EXPECT_EQ(ScoreChart::ScoreTicks(), (QList<double>{0, 25, 50, 75, 100}));
            EXPECT_EQ(chart.Points(), c.points);
            EXPECT_EQ(chart.DotsShown(), c.dots);

            // Every point inside the plot, in the tests' order, higher scores higher up, with
            // room for its dot inside the chart.
            const QRectF plot = chart.PlotArea();
            ASSERT_TRUE(QRectF(chart.rect()).adjusted(8, 8, -8, -8).contains(plot));
            for (qsizetype i = 0; i < c.points.size(); ++i) {
                const QPointF place = chart.PlaceOf(c.points[i]);
                EXPECT_TRUE(plot.contains(place)) << "point " << i;
                if (c.points[i].y() == 0 || c.points[i].y() == 100)
                    EXPECT_TRUE(place.y() > plot.top() && place.y() < plot.bottom()) << i;
                if (i > 0)
                    EXPECT_GT(place.x(), chart.PlaceOf(c.points[i - 1]).x());
            }
            EXPECT_LT(chart.PlaceOf({1, 100}).y(), chart.PlaceOf({1, 0}).y());
            // The ticks inside the plot, evenly apart.
            for (const double tick : c.testTicks) {
                const double x = chart.PlaceOf({tick, 0}).x();
                EXPECT_TRUE(x >= plot.left() && x <= plot.right()) << tick;
            }
            EXPECT_NEAR(chart.PlaceOf({0, 50}).y() - chart.PlaceOf({0, 75}).y(),
                        chart.PlaceOf({0, 25}).y() - chart.PlaceOf({0, 50}).y(), 0.001);

            // Every text whole inside the chart, no two touching; the labels those of the
            // ticks (on a narrow chart, a tests' label that would touch the one before it is
            // left out; the first never is).
            QStringList texts;
            QList<QRect> places;
            for (const QVariant& drawn : chart.DrawnTexts()) {
                const QVariantMap text = drawn.toMap();
                texts << text["text"].toString();
                places << text["place"].toRect();
                EXPECT_TRUE(chart.rect().contains(places.last())) << texts.last().toStdString();
                for (qsizetype other = 0; other + 1 < places.size(); ++other)
                    EXPECT_FALSE(places[other].intersects(places.last()))
                        << texts[other].toStdString() << " and " << texts.last().toStdString();
            }
            ASSERT_GE(texts.size(), 3 + 1 + 5);
            EXPECT_EQ(texts.mid(0, 3), (QStringList{"Scores of the tests", "Test", "Score (%)"}));
            EXPECT_EQ(texts.mid(texts.size() - 5), (QStringList{"0", "25", "50", "75", "100"}));
            QStringList tickLabels;
            for (const double tick : c.testTicks)
                tickLabels << QString::number(tick);
            const QStringList testLabels = texts.mid(3, texts.size() - 8);
            EXPECT_EQ(testLabels.first(), tickLabels.first());
            if (size.width() >= 420 && c.tests < 100)
                EXPECT_EQ(testLabels, tickLabels);
            qsizetype next = 0;
            for (const QString& label : testLabels) {
                next = tickLabels.indexOf(label, next);
                ASSERT_GE(next, 0) << label.toStdString() << " is no tick's, or out of order";
            }
        }
    }
}

// A dot is drawn on each point while each point is a test, none on a thinned line; the line
// passes through every point; the colours follow a light or dark palette.
TEST(ScoreChartDrawing, ThePaintedLineAndDotsFollowThePointsAndThePalette)
{
    for (const bool dark : {false, true}) {
        for (const bool dots : {true, false}) {
            ScoreChart chart;
            if (dark)
                chart.setPalette(DarkPalette());
            chart.resize(420, 300);
            chart.SetAxisTitles(QStringLiteral("Test"), QStringLiteral("Score (%)"));
            // 40 points of score 50 but the last (100): each a test, or one of every 100.
            const int step = dots ? 1 : 100;
            QList<QPointF> points;
            for (int i = 1; i <= 40; ++i)
                points << QPointF(i * step, i == 40 ? 100 : 50);
            chart.ShowPoints(points, 40 * step, dots);
            const QImage image = Painted(chart);
            const QColor base = chart.palette().color(QPalette::Base);
            const QPointF third = points[2];
            const QColor line = image.pixelColor(chart.PlaceOf(third).toPoint());
            SCOPED_TRACE((dark ? "dark, " : "light, ") + std::string(dots ? "dots" : "none"));
            EXPECT_FALSE(Near(line, base)) << "the line through the third point";
            EXPECT_TRUE(Near(image.pixelColor(chart.rect().center().x(), 12), base))
                << "the chart's card";
            // Three pixels under a point of a flat line: inside its dot, beside the line.
            const QPoint under = chart.PlaceOf(third).toPoint() + QPoint(0, 3);
            EXPECT_EQ(Near(image.pixelColor(under), line), dots);
            // The dots of the first test and of a score of 100 whole, at the plot's edges.
            const QPoint before = chart.PlaceOf(points.first()).toPoint() - QPoint(3, 0);
            EXPECT_EQ(Near(image.pixelColor(before), line), dots);
            const QPoint above = chart.PlaceOf(points.last()).toPoint() - QPoint(0, 3);
            EXPECT_EQ(Near(image.pixelColor(above), line), dots);
            // Nothing drawn between the points and the tests' axis.
            const QPointF below(third.x() + step / 2.0, 12);
            EXPECT_TRUE(Near(image.pixelColor(chart.PlaceOf(below).toPoint()), base));
        }
    }
}

// The least height leaves the scores' title whole beside the plot whatever the font size.
TEST(ScoreChartDrawing, AtItsLeastHeightEveryTextFits)
{
    for (const int points : {8, 11, 16}) {
        ScoreChart chart;
        QFont font = chart.font();
        font.setPointSize(points);
        chart.setFont(font);
        chart.SetTitle(QStringLiteral("No tests yet: the scores appear here after the first "
                                      "test."));
        chart.SetAxisTitles(QStringLiteral("Test"), QStringLiteral("Score (%)"));
        chart.ShowPoints({}, 0, true);
        chart.resize(chart.minimumSizeHint().width(), chart.LeastHeight());
        for (const QVariant& drawn : chart.DrawnTexts()) {
            const QVariantMap text = drawn.toMap();
            EXPECT_TRUE(chart.rect().contains(text["place"].toRect()))
                << points << " pt: " << text["text"].toString().toStdString();
        }
        const QRectF plot = chart.PlotArea();
        EXPECT_GT(plot.height(), 0) << points;
        EXPECT_GT(plot.width(), 0) << points;
    }
}
