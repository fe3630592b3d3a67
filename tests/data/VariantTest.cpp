#include "Variant.h"

#include <gtest/gtest.h>
#include <stdexcept>

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(12.5), 12);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(2.5001), 3);
}

TEST(Variant, AsALong)
{
    EXPECT_EQ(Variant(7).toLong(), 7);
    EXPECT_EQ(Variant(2.5).toLong(), 2);
    EXPECT_EQ(Variant(3.5).toLong(), 4);
    EXPECT_EQ(Variant("3").toLong(), 3);
    EXPECT_EQ(Variant(" 10 ").toLong(), 10);
    EXPECT_EQ(Variant("4.5").toLong(), 4);
    EXPECT_THROW(Variant("three").toLong(), std::invalid_argument);
    EXPECT_THROW(Variant("").toLong(), std::invalid_argument);
    EXPECT_THROW(Variant().toLong(), std::invalid_argument);
    EXPECT_THROW(Variant(3e9).toLong(), std::out_of_range);
    EXPECT_EQ(Variant(2147483647.0).toLong(), 2147483647);
}

TEST(Variant, AsText)
{
    EXPECT_EQ(Variant().toText(), "");
    EXPECT_EQ(Variant(-12).toText(), "-12");
    EXPECT_EQ(Variant(2.5).toText(), "2.5");
    EXPECT_EQ(Variant(QDate(2004, 6, 4)).toText(), "6/4/2004");
    EXPECT_EQ(Variant(QDateTime(QDate(2004, 6, 4), QTime(15, 4, 5))).toText(), "6/4/2004 3:04:05 PM");
    EXPECT_EQ(Variant(QDateTime(QDate(2004, 6, 4), QTime(0, 0, 1))).toText(), "6/4/2004 12:00:01 AM");
}

TEST(Variant, DatesFromTextForms)
{
    EXPECT_EQ(Variant("6/4/2004").toDate(), QDate(2004, 6, 4));
    EXPECT_EQ(Variant("12/31/1999").toDate(), QDate(1999, 12, 31));
    EXPECT_EQ(Variant("2004-06-04").toDate(), QDate(2004, 6, 4));
    EXPECT_EQ(Variant("2004-06-04 13:05:09").toDateTime(),
              QDateTime(QDate(2004, 6, 4), QTime(13, 5, 9)));
    EXPECT_FALSE(Variant("2/30/2004").toDate().isValid());
    EXPECT_FALSE(Variant("soon").toDate().isValid());
    EXPECT_FALSE(Variant(5).toDate().isValid());
}

TEST(Variant, Equality)
{
    EXPECT_EQ(Variant(3), Variant(3.0));
    EXPECT_FALSE(Variant(3) == Variant("3"));
    EXPECT_EQ(Variant(), Variant());
    EXPECT_EQ(Variant(QDate(2004, 6, 4)), Variant(QDate(2004, 6, 4)));
}
