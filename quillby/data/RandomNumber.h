#pragma once
#include <cstdint>

// 0..max inclusive, re-seeded from the time of day; varies between draws in one clock tick.
int32_t RandomNumber(int32_t max);
