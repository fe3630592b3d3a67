#pragma once
#include <string>
#include <vector>

// What the benchmark programs print after their runs: each target with its figure and
// "met" or "NOT met", from the medians of samples taken in the same run.

double Median(std::vector<double> samples);

// One line: "  <target>: <figure>   met" (or "NOT met"). Returns met, and remembers a miss
// for AllTargetsMet.
bool ReportTarget(const std::string& target, const std::string& figure, bool met);
// Figures as text: milliseconds with two decimals, a ratio with two decimals, MiB with one.
std::string Ms(double seconds);
std::string Ratio(double value);
std::string MiB(double bytes);

// The two targets of one action timed on a small and a large database: the large one's median
// under limitSeconds, and within growthLimit times the small one's.
void ReportSizeTargets(const std::string& action, const std::string& large,
                       const std::string& small, const std::vector<double>& largeSamples,
                       const std::vector<double>& smallSamples, double limitSeconds,
                       double growthLimit);

// Prints the heading of the targets block.
void ReportHeading(const std::string& title);
// True when every target reported so far was met.
bool AllTargetsMet();
