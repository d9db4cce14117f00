#pragma once

#include <cstddef>
#include <utility>
#include <vector>

// A binary heap kept in a vector, as std::push_heap and std::pop_heap keep one, but the same
// with every standard library: those leave the order of equal keys to the library, and the
// order in which events of one instant are handled is part of a run. This is the usual pair
// (sift up; move the hole down to a leaf along the larger children, then sift the last item up
// from there), with ties going the way the desktop's library has always taken them: the right
// child unless it comes before the left one, and a parent that does not come before the item
// stays above it. `before(a, b)` says that a comes out after b, as std::less would.

template <class T, class Before>
void SiftUp(std::vector<T>& heap, std::size_t hole, T item, Before before) {
    while (hole > 0) {
        const std::size_t parent = (hole - 1) / 2;
        if (!before(heap[parent], item)) break;
        heap[hole] = std::move(heap[parent]);
        hole = parent;
    }
    heap[hole] = std::move(item);
}

// Adds the last item of the vector to the heap before it.
template <class T, class Before>
void HeapPush(std::vector<T>& heap, Before before) {
    if (heap.size() < 2) return;
    T item = std::move(heap.back());
    SiftUp(heap, heap.size() - 1, std::move(item), before);
}

// Moves the top item to the back of the vector and restores the heap before it.
template <class T, class Before>
void HeapPop(std::vector<T>& heap, Before before) {
    if (heap.size() < 2) return;
    const std::size_t length = heap.size() - 1;  // the heap left after the top goes
    T item = std::move(heap.back());
    heap.back() = std::move(heap.front());
    std::size_t hole = 0;
    std::size_t child = 0;
    while (length >= 3 && child < (length - 1) / 2) {
        child = 2 * child + 2;
        if (before(heap[child], heap[child - 1])) --child;
        heap[hole] = std::move(heap[child]);
        hole = child;
    }
    if (length % 2 == 0 && length >= 2 && child == (length - 2) / 2) {
        child = 2 * child + 1;
        heap[hole] = std::move(heap[child]);
        hole = child;
    }
    SiftUp(heap, hole, std::move(item), before);
}
