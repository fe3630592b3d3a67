// A column fitted to its contents through the widest texts alone is as wide as Qt's own fit.
#include "TestGrids.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <gtest/gtest.h>

namespace {
// The texts of a Test column: whole-list tests by number, practice rounds, unfinished tests.
QString TestText(int row, int roundEvery, int unfinishedEvery)
{
    if (unfinishedEvery && row % unfinishedEvery == unfinishedEvery - 1)
        return QStringLiteral("Not finished");
    if (roundEvery && row % roundEvery == roundEvery - 1)
        return row % (2 * roundEvery) ? QStringLiteral("Missed words of test %1").arg(row)
                                      : QStringLiteral("Missed words of test %1, round 2").arg(row);
    return QString::number(row + 1);
}
} // namespace

TEST(GridWidth, FittingToTheWidestTextsEqualsQtsOwnFit)
{
    struct Case {
        int rows, roundEvery, unfinishedEvery;
        const char* heading;
    };
    for (const Case& c : {Case{0, 0, 0, "Test"}, Case{30, 10, 0, "Test"},
                          Case{30, 0, 0, "A heading wider than any number"},
                          Case{1200, 10, 0, "Test"}, Case{2500, 7, 300, "Test"},
                          Case{2500, 0, 1500, "Test"}, Case{999, 1000, 0, "Test"}}) {
        SCOPED_TRACE(c.rows * 100 + c.roundEvery);
        int widths[2] = {0, 0};
        for (int fit = 0; fit < 2; ++fit) {
            QStandardItemModel model(c.rows, 2);
            model.setHorizontalHeaderLabels(
                {QStringLiteral("Date"), QString::fromLatin1(c.heading)});
            for (int row = 0; row < c.rows; ++row)
                model.setItem(row, 1, new QStandardItem(TestText(row, c.roundEvery,
                                                                 c.unfinishedEvery)));
            QTableView grid;
            ConfigureGrid(&grid, QStringLiteral("Select a test..."));
            grid.setModel(&model);
            if (fit)
                FitColumnToContents(&grid, 1);
            else
                grid.resizeColumnToContents(1);
            widths[fit] = grid.columnWidth(1);
        }
        EXPECT_EQ(widths[1], widths[0]);
    }
}
