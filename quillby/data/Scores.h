#pragma once
#include <cstdint>

// How a test's score is worked out from its counts, in whole numbers.

// numerator / denominator (both >= 0, denominator > 0) rounded to the nearest whole number,
// halves to the even neighbour, computed exactly in whole numbers.
int64_t DivideHalfEven(int64_t numerator, int64_t denominator);
// A test's score as the results and the past tests show it: first-try hits as a whole per
// cent of the list's words; 100 for a list without words.
int32_t ScorePercent(int64_t firstTryCorrect, int64_t listWords);
// GetTestScore's rule from its two counts: 0 without first-try hits, else ScorePercent.
int32_t TestScore(int64_t firstTryCorrect, int64_t listWords);
