// The engine's seven calculation functions. Add, High, Low and Average have a rule for one
// source (the whole list or a group of its points) and one across several sources;
// Subtract, Multiply and Divide only combine several sources, in source order.
#pragma once

#include "chart/series/ZelFunction.h"

namespace chart {

class TAddZelFunction : public TZelFunction {
 public:
  double Calculate(const TChartValueList& values, int first, int last) const override;
  double CalculateMany(std::span<TChartSeries* const> sources, int index) const override;
};

class THighZelFunction : public TZelFunction {
 public:
  double Calculate(const TChartValueList& values, int first, int last) const override;
  double CalculateMany(std::span<TChartSeries* const> sources, int index) const override;
};

class TLowZelFunction : public TZelFunction {
 public:
  double Calculate(const TChartValueList& values, int first, int last) const override;
  double CalculateMany(std::span<TChartSeries* const> sources, int index) const override;
};

class TAverageZelFunction : public TZelFunction {
 public:
  double Calculate(const TChartValueList& values, int first, int last) const override;
  double CalculateMany(std::span<TChartSeries* const> sources, int index) const override;
};

class TSubtractZelFunction : public TZelFunction {
 public:
  double CalculateMany(std::span<TChartSeries* const> sources, int index) const override;
};

class TMultiplyZelFunction : public TZelFunction {
 public:
  double CalculateMany(std::span<TChartSeries* const> sources, int index) const override;
};

class TDivideZelFunction : public TZelFunction {
 public:
  double CalculateMany(std::span<TChartSeries* const> sources, int index) const override;
};

}  // namespace chart
