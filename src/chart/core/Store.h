// The setter rule of the whole engine: a property stores a value only when it differs
// from the one it holds, and the caller repaints only when Store says it changed.
#pragma once

#include <cmath>
#include <type_traits>

namespace chart {

template <class T>
bool Store(T& field, const std::type_identity_t<T>& value) {
  if (field == value) return false;
  field = value;
  return true;
}

// NaN over NaN is no change, or every such store would repaint.
inline bool Store(double& field, double value) {
  if (field == value || (std::isnan(field) && std::isnan(value))) return false;
  field = value;
  return true;
}

}  // namespace chart
