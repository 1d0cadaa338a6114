// One chart fuzz input: the bytes decode into a sequence of public calls on a chart with
// three line series (values, axes, sizes, margins, titles, mouse, paints). Checks that every
// exception is one the engine documents and leaves what it was thrown from as it was, and
// that on every paint the direct and the point-by-point drawing of the line series make
// the same device calls. Aborts on a broken invariant; returns 0 otherwise.
#pragma once

#include <cstddef>
#include <cstdint>

namespace fuzz {

int RunChartInput(const std::uint8_t* data, std::size_t size);

}  // namespace fuzz
