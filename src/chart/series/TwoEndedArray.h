// A contiguous sequence with spare room at both ends. Adding at either end costs
// amortised constant time and an insertion inside moves only the shorter side, so points
// that arrive against the order of an ordered series (falling X into an ascending list)
// go in at the front as cheaply as rising X is appended. The storage stays one block:
// drawing loops read it through data().
//
// Every slot outside the elements holds T{}, so a released element owns nothing.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

namespace chart {

template <class T>
class TTwoEndedArray {
 public:
  TTwoEndedArray() = default;
  TTwoEndedArray(const TTwoEndedArray&) = delete;
  TTwoEndedArray& operator=(const TTwoEndedArray&) = delete;

  std::size_t size() const { return FSize; }
  bool empty() const { return FSize == 0; }
  // Slots held, the spare ones at both ends included.
  std::size_t capacity() const { return FCapacity; }
  T* data() { return FSlots.get() + FBegin; }
  const T* data() const { return FSlots.get() + FBegin; }
  T& operator[](std::size_t i) { return FSlots[FBegin + i]; }
  const T& operator[](std::size_t i) const { return FSlots[FBegin + i]; }
  T& back() { return (*this)[FSize - 1]; }
  const T& back() const { return (*this)[FSize - 1]; }

  // Room for `extra` more elements at the end. Growing doubles the block (or the room at
  // the end, when asked for more and more room ahead of the elements), except that an
  // empty array gets exactly what is asked for.
  // Room left at the front by deletions there (a scrolling stream drops its oldest points)
  // is used before the block grows: once it holds as many slots as there are elements,
  // they move down to the start, which costs one move per element deleted.
  void reserve_append(std::size_t extra) {
    const std::size_t room = FCapacity - FBegin - FSize;
    if (room >= extra) return;
    if (FBegin >= FSize && FBegin + room >= extra) {
      T* b = data();
      std::move(b, b + FSize, FSlots.get());
      Release(FSlots.get() + FSize, b + FSize);
      FBegin = 0;
      return;
    }
    Reallocate(FSize == 0 ? 0 : std::min(FBegin, FSize), std::max({extra, FSize, 2 * room}));
  }
  // After this, insert(index, ...) does not allocate (and so cannot throw).
  void reserve_insert(std::size_t index) {
    if (AtFront(index)) {
      if (FBegin == 0) Grow(true);
    } else if (FBegin + FSize == FCapacity) {
      Grow(false);
    }
  }
  // index in 0 .. size().
  void insert(std::size_t index, T value) {
    reserve_insert(index);
    T* b = data();
    if (AtFront(index)) {
      std::move(b, b + index, b - 1);
      --FBegin;
      // The new slot is index of the moved front (index - 1 of the old one, which would
      // wrap for index 0).
      data()[index] = std::move(value);
    } else {
      std::move_backward(b + index, b + FSize, b + FSize + 1);
      b[index] = std::move(value);
    }
    ++FSize;
  }
  void push_back(T value) { insert(FSize, std::move(value)); }
  // index in 0 .. size()-1. Never allocates.
  void erase(std::size_t index) { erase_range(index, 1); }
  // Elements index .. index + count - 1 (all present) go; the shorter side moves over
  // the gap. Never allocates.
  void erase_range(std::size_t index, std::size_t count) {
    if (count == 0) return;
    T* b = data();
    const std::size_t after = FSize - index - count;
    if (index < after) {
      std::move_backward(b, b + index, b + index + count);
      Release(b, b + count);
      FBegin += count;
    } else {
      std::move(b + index + count, b + FSize, b + index);
      Release(b + index + after, b + FSize);
    }
    FSize -= count;
  }
  // Grows with T{} (or `fill`) at the end, or drops elements from the end.
  void resize(std::size_t n) {
    if (n > FSize) reserve_append(n - FSize);
    for (std::size_t i = n; i < FSize; ++i) (*this)[i] = T{};
    FSize = n;
  }
  void resize(std::size_t n, const T& fill) {
    const std::size_t old = FSize;
    resize(n);
    for (std::size_t i = old; i < n; ++i) (*this)[i] = fill;
  }
  // Puts item(k) at index positions[k] for every k (ascending final indices), the
  // present elements keeping their order in the slots between: one pass from the back.
  // Never allocates when room for all of them was reserved at the end.
  template <class Item>
  void merge_in(const std::vector<std::size_t>& positions, Item item) {
    const std::size_t p = positions.size();
    std::size_t w = FSize + p;
    resize(FSize + p);
    for (std::size_t k = p; k-- > 0;) {
      for (; w - 1 > positions[k]; --w) (*this)[w - 1] = std::move((*this)[w - 1 - (k + 1)]);
      (*this)[positions[k]] = item(k);
      w = positions[k];
    }
  }
  // Drops every element and frees the block.
  void release() {
    FSlots.reset();
    FCapacity = FBegin = FSize = 0;
  }

 private:
  // An insertion at index moves the elements before it (towards the front) when they are
  // fewer than those after it.
  bool AtFront(std::size_t index) const { return index < FSize - index; }

  // The end that ran out gets room for as many elements as there are (at least one); the
  // other end keeps its room up to that much. Each end then takes that many insertions
  // before it grows again, which keeps any mix of front and back insertions linear.
  void Grow(bool front) {
    const std::size_t add = std::max<std::size_t>(FSize, 1);
    const std::size_t frontRoom = FBegin, backRoom = FCapacity - FBegin - FSize;
    if (front) Reallocate(add, std::min(backRoom, add));
    else Reallocate(std::min(frontRoom, add), add);
  }

  static void Release(T* from, T* to) {
    for (; from != to; ++from) *from = T{};
  }

  void Reallocate(std::size_t frontRoom, std::size_t backRoom) {
    const std::size_t capacity = frontRoom + FSize + backRoom;
    auto block = std::make_unique<T[]>(capacity);
    std::move(data(), data() + FSize, block.get() + frontRoom);
    FSlots = std::move(block);
    FCapacity = capacity;
    FBegin = frontRoom;
  }

  std::unique_ptr<T[]> FSlots;
  std::size_t FCapacity = 0;
  std::size_t FBegin = 0;
  std::size_t FSize = 0;
};

}  // namespace chart
