#include "BenchReport.h"

#include <algorithm>
#include <cstdio>

namespace {
bool missed = false;

std::string Format(const char* pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}
} // namespace

double Median(std::vector<double> samples)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

bool ReportTarget(const std::string& target, const std::string& figure, bool met)
{
    std::printf("  %-78s %-28s %s\n", target.c_str(), figure.c_str(), met ? "met" : "NOT met");
    std::fflush(stdout);
    missed = missed || !met;
    return met;
}

std::string Ms(double seconds) { return Format("%.2f ms", seconds * 1e3); }
std::string Ratio(double value) { return Format("%.2fx", value); }
std::string MiB(double bytes) { return Format("%.1f MiB", bytes / (1024.0 * 1024.0)); }

void ReportSizeTargets(const std::string& action, const std::string& large,
                       const std::string& small, const std::vector<double>& largeSamples,
                       const std::vector<double>& smallSamples, double limitSeconds,
                       double growthLimit)
{
    const double big = Median(largeSamples);
    const double little = Median(smallSamples);
    ReportTarget(action + ", " + large + ", under " + Ms(limitSeconds) + " (" + small + ": " +
                     Ms(little) + ")",
                 Ms(big), big < limitSeconds);
    ReportTarget(action + ", " + large + " within " + Ratio(growthLimit) + " of " + small,
                 Ratio(big / little), big <= growthLimit * little);
}

void ReportHeading(const std::string& title)
{
    std::printf("\n%s (medians of samples taken in turns in this run)\n", title.c_str());
}

bool AllTargetsMet() { return !missed; }
