// A fixed array indexed First..Last, as the game's tables are (most run from 1). An index outside the
// range is a programming error and ends the program rather than touching a neighbour's memory.
#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

namespace Spel {

template <typename T, int First, int Last>
class IndexedArray {
    static_assert(First <= Last);

  public:
    static constexpr int first = First;
    static constexpr int last = Last;

    T& operator[](int i) { return items_[Offset(i)]; }
    const T& operator[](int i) const { return items_[Offset(i)]; }

    void Fill(const T& value) { items_.fill(value); }
    bool operator==(const IndexedArray&) const = default;

  private:
    static std::size_t Offset(int i) {
        if (i < First || i > Last) {
            std::fprintf(stderr, "index %d outside %d..%d\n", i, First, Last);
            std::abort();
        }
        return static_cast<std::size_t>(i - First);
    }

    std::array<T, static_cast<std::size_t>(Last - First + 1)> items_{};
};

}  // namespace Spel
