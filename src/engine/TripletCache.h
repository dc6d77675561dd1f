// Remembers, during one search, how close each three-number list of depth 4
// can come to the target. A list whose every result lies further from the
// target than the closest distance met so far can change nothing (no hit,
// no closest record), and the same lists come back many times in one search,
// so they are skipped.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "Records.h"

namespace tolvan {

class TripletCache {
 public:
  TripletCache() : cases_(NbCases) {}

  // Forgets everything: entries of earlier searches no longer match.
  void NouvelleRecherche() {
    ++recherche_;
    nbEntrees_ = 0;
    if (recherche_ == 0) {  // the stamp wrapped round: clear for real
      for (Case& c : cases_) c.recherche = 0;
      recherche_ = 1;
    }
  }

  // True when every result of the list is known to lie further than
  // `ecart` from the target.
  bool HorsDePortee(longint x, longint y, longint z, std::int64_t ecart) const {
    const Case* c = Trouve(x, y, z);
    return c != nullptr && ecart < c->ecartMin;
  }

  // Records that no result of the list lies closer than `ecartMin`.
  void Note(longint x, longint y, longint z, std::int64_t ecartMin) {
    const auto borne = static_cast<std::int32_t>(std::min<std::int64_t>(ecartMin, INT32_MAX));
    if (Case* c = Trouve(x, y, z)) {
      c->ecartMin = std::max(c->ecartMin, borne);
      return;
    }
    if (nbEntrees_ >= NbEntreesMax) return;  // keep probes short
    cases_[caseLibre_] = Case{x, y, z, recherche_, borne};
    ++nbEntrees_;
  }

 private:
  struct Case {
    longint x, y, z;
    std::uint32_t recherche;
    std::int32_t ecartMin;
  };
  static constexpr std::uint32_t NbCases = 1u << 14;
  static constexpr std::uint32_t Masque = NbCases - 1;
  static constexpr std::uint32_t NbEntreesMax = NbCases * 3 / 4;

  // The list's entry, or nullptr with `caseLibre_` where it would go.
  Case* Trouve(longint x, longint y, longint z) const {
    for (std::uint32_t i = Premiere(x, y, z);; i = (i + 1) & Masque) {
      Case& c = cases_[i];
      if (c.recherche != recherche_) {
        caseLibre_ = i;
        return nullptr;
      }
      if (c.x == x && c.y == y && c.z == z) return &c;
    }
  }

  static std::uint32_t Premiere(longint x, longint y, longint z) {
    const auto u = [](longint v) { return static_cast<std::uint64_t>(static_cast<std::uint32_t>(v)); };
    const std::uint64_t h =
        (u(x) * 0x9E3779B97F4A7C15ull) ^ (u(y) * 0xC2B2AE3D27D4EB4Full) ^ (u(z) * 0x165667B19E3779F9ull);
    return static_cast<std::uint32_t>(h >> 40) & Masque;
  }

  mutable std::vector<Case> cases_;
  mutable std::uint32_t caseLibre_ = 0;
  std::uint32_t recherche_ = 0;
  std::uint32_t nbEntrees_ = 0;
};

}  // namespace tolvan
