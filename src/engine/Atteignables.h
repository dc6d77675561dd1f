// Every number a selection reaches under the game's rules (each number used
// at most once, every intermediate result a positive whole number), found
// in one pass for all targets at once rather than target by target.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <span>
#include <vector>

#include "Records.h"

namespace tolvan {

class Atteignables {
 public:
  // Values below this are kept one by one; above, only the smallest matters
  // to a nearest number.
  static constexpr std::int64_t Borne = 1 << 14;

  Atteignables();

  // The values reachable from these numbers (six at most; numbers below 1
  // take part in nothing).
  void Calcule(std::span<const longint> nombres);

  bool Atteint(std::int64_t valeur) const;
  // How far `cible` is from the nearest reachable number: 0 when it is
  // reached exactly, -1 when nothing at all is reachable.
  std::int64_t Ecart(std::int64_t cible) const;

 private:
  // The values of the numbers of `masque`, all of them used.
  using Valeurs = std::vector<std::int64_t>;
  void Note(std::int64_t valeur);
  bool Ajoute(std::int64_t valeur);  // false when already met for this set

  std::bitset<Borne> atteints_;
  std::int64_t auDela_ = 0;  // the smallest reachable value from Borne on; 0 for none
  std::array<Valeurs, 64> valeurs_;
  // A hash table of the values met while one set is made, cleared by
  // moving to the next generation.
  std::vector<std::int64_t> cles_;
  std::vector<std::uint32_t> generations_;
  std::uint32_t generation_ = 0;
};

}  // namespace tolvan
