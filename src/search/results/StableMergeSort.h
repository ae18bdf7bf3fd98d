#pragma once
// A stable merge sort whose every loop is bounded by positions alone, so that a comparator that
// is not a strict weak ordering (the word order, where marks make cycles possible) can only
// give an odd order, never a read or write outside the items.

#include <cstddef>
#include <vector>

template <typename T, typename Less>
void StableMergeSort(std::vector<T>& items, Less less) {
  const size_t n = items.size();
  std::vector<T> merged(n);
  for (size_t width = 1; width < n; width *= 2) {
    for (size_t left = 0; left < n; left += 2 * width) {
      const size_t middle = std::min(left + width, n);
      const size_t right = std::min(left + 2 * width, n);
      size_t a = left;
      size_t b = middle;
      size_t out = left;
      // Takes from the right run only when its item is strictly less: equal items keep their
      // order.
      while (a < middle && b < right) merged[out++] = less(items[b], items[a]) ? items[b++] : items[a++];
      while (a < middle) merged[out++] = items[a++];
      while (b < right) merged[out++] = items[b++];
    }
    items.swap(merged);
  }
}
