#include "Scores.h"

int32_t TestScore(int64_t firstTryCorrect, int64_t listWords)
{
    return firstTryCorrect == 0 ? 0 : ScorePercent(firstTryCorrect, listWords);
}

int64_t DivideHalfEven(int64_t numerator, int64_t denominator)
{
    int64_t quotient = numerator / denominator;
    const int64_t twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

int32_t ScorePercent(int64_t firstTryCorrect, int64_t listWords)
{
    // In floating point 23 / 40 * 100 is 57.49999..., while 23 of 40 is exactly 57.5 (58).
    if (listWords <= 0)
        return 100;
    return static_cast<int32_t>(DivideHalfEven(100 * firstTryCorrect, listWords));
}
