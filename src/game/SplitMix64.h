// A small random generator whose every number anyone can compute again:
// SplitMix64 (Steele, Lea and Flood), so that a seeded series of draws, and
// the draw of a given day, are the same on every machine and every version.
#pragma once

#include <cstdint>

namespace tolvan {

class SplitMix64 {
 public:
  explicit SplitMix64(std::uint64_t graine) : etat_(graine) {}

  std::uint64_t Suivant() {
    std::uint64_t z = (etat_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // A whole number from 0 to n - 1: the next number modulo n.
  int Entre(int n) { return n <= 0 ? 0 : static_cast<int>(Suivant() % static_cast<std::uint64_t>(n)); }

 private:
  std::uint64_t etat_;
};

}  // namespace tolvan
