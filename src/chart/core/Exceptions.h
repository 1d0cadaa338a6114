// The chart engine's error classes. Each carries exactly the message the user sees.
#pragma once

#include <stdexcept>
#include <string>

namespace chart {

class ChartException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class AxisException : public ChartException {
 public:
  using ChartException::ChartException;
};

class LegendException : public ChartException {
 public:
  using ChartException::ChartException;
};

class BarException : public ChartException {
 public:
  using ChartException::ChartException;
};

class PieException : public ChartException {
 public:
  using ChartException::ChartException;
};

// A bad point or list index: "List index out of bounds (%d)".
class EListError : public std::out_of_range {
 public:
  explicit EListError(long long index)
      : std::out_of_range("List index out of bounds (" + std::to_string(index) + ")"), Index(index) {}
  long long Index;
};

}  // namespace chart
