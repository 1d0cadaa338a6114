// The labels of a series' points, one slot per point. An empty label is a null slot and
// occupies no string storage, so a series without labels pays one pointer per point.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>
#include "chart/series/TwoEndedArray.h"

namespace chart {

class TPointLabels {
 public:
  TPointLabels() = default;
  TPointLabels(const TPointLabels&) = delete;
  TPointLabels& operator=(const TPointLabels&) = delete;
  ~TPointLabels() { Clear(); }

  int Count() const { return static_cast<int>(FItems.size()); }
  // Empty past the end, for a negative index and for an empty slot.
  const std::string& Get(int index) const;
  void Set(int index, std::string_view text);

  // A label's storage, made before a point is inserted so that the insertion itself
  // cannot fail halfway. Null for an empty text.
  using Slot = std::unique_ptr<std::string>;
  static Slot Make(std::string_view text);
  // index in 0 .. Count, checked by the caller; with room reserved this does not throw.
  void Insert(int index, Slot slot);
  void Delete(int index) { Delete(index, 1); }
  // Labels start .. start + quantity - 1 (all present) go.
  void Delete(int start, int quantity);
  void Exchange(int a, int b);
  // Puts take(k) at index positions[k] (see TTwoEndedArray::merge_in).
  template <class Take>
  void MergeIn(const std::vector<std::size_t>& positions, Take take) {
    FItems.merge_in(positions, [&](std::size_t k) { return take(k).release(); });
  }
  // Appends empty slots up to count.
  void Extend(int count);
  // Releases every label and the slots.
  void Clear();
  // Room for `extra` appended slots; room for one slot inserted at index, after which
  // Insert(index, ...) cannot fail.
  void ReserveAppend(std::size_t extra) { FItems.reserve_append(extra); }
  void ReserveInsert(int index) { FItems.reserve_insert(static_cast<std::size_t>(index)); }
  // Heap bytes held: the slots plus every label's own string.
  std::size_t AllocatedBytes() const;

 private:
  // Owned: plain pointers, so that an insertion among many labels moves its neighbours as
  // one block of memory.
  TTwoEndedArray<std::string*> FItems;
};

}  // namespace chart
