#pragma once

#include <QElapsedTimer>

#include <vector>

// The figures the benchmarks report.

// The sample below which the given fraction of the samples lie (0.5: the
// median, 0.9: the 90th percentile).
double Percentile(std::vector<double> values, double fraction);

// The time since the timer started, in milliseconds.
double Milliseconds(const QElapsedTimer& timer);
