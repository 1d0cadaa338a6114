#include "chart/series/PointLabels.h"

#include <utility>

namespace chart {

namespace {
const std::string kEmpty;
}

TPointLabels::Slot TPointLabels::Make(std::string_view text) {
  if (text.empty()) return nullptr;
  return std::make_unique<std::string>(text);
}

const std::string& TPointLabels::Get(int index) const {
  if (index < 0 || index >= Count()) return kEmpty;
  const std::string* item = FItems[static_cast<std::size_t>(index)];
  return item ? *item : kEmpty;
}

void TPointLabels::Set(int index, std::string_view text) {
  if (index < 0) return;
  auto label = Make(text);  // may throw before anything changes
  if (index >= Count()) Extend(index + 1);
  std::string*& slot = FItems[static_cast<std::size_t>(index)];
  delete slot;
  slot = label.release();
}

void TPointLabels::Insert(int index, Slot slot) {
  FItems.reserve_insert(static_cast<std::size_t>(index));  // may throw: the slot still owns its label
  FItems.insert(static_cast<std::size_t>(index), slot.release());
}

void TPointLabels::Delete(int start, int quantity) {
  for (int i = start; i < start + quantity; ++i) delete FItems[static_cast<std::size_t>(i)];
  FItems.erase_range(static_cast<std::size_t>(start), static_cast<std::size_t>(quantity));
}

void TPointLabels::Exchange(int a, int b) {
  std::swap(FItems[static_cast<std::size_t>(a)], FItems[static_cast<std::size_t>(b)]);
}

void TPointLabels::Extend(int count) {
  if (count > Count()) FItems.resize(static_cast<std::size_t>(count));
}

void TPointLabels::Clear() {
  for (std::size_t i = 0; i < FItems.size(); ++i) delete FItems[i];
  FItems.release();
}

std::size_t TPointLabels::AllocatedBytes() const {
  std::size_t bytes = FItems.capacity() * sizeof(std::string*);
  for (std::size_t i = 0; i < FItems.size(); ++i)
    if (const std::string* item = FItems[i]) {
      // Short texts live inside the string object; longer ones add their own buffer.
      bytes += sizeof(std::string);
      if (item->capacity() >= sizeof(std::string)) bytes += item->capacity() + 1;
    }
  return bytes;
}

}  // namespace chart
