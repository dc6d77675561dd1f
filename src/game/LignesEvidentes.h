// The lines a person writes without having to look for them. With a number
// in hand and a tile still unused, anyone tries the four operations on the
// two: holding 399 with the 1 left, nobody announces 399 for 398. The
// computer opponent finishes whatever it has in hand with such lines, so
// that it never stops one obvious line short, and builds its simple chains
// from them.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "engine/Records.h"

namespace tolvan {

// At most four lines of the same two numbers, without an allocation: the
// opponent tries them by the thousand.
class LignesDeDeux {
 public:
  void Ajoute(const TEtape& ligne) { lignes_[nombre_++] = ligne; }
  const TEtape* begin() const { return lignes_.data(); }
  const TEtape* end() const { return lignes_.data() + nombre_; }

 private:
  std::array<TEtape, 4> lignes_{};
  std::size_t nombre_ = 0;
};

// The lines a person would write with `x` and `y` by the game's rules (the
// larger first, every result a positive whole number within the game's
// numbers), leaving out the ones that change nothing (x1, /1).
LignesDeDeux LignesPermises(longint x, longint y);

// The numbers still on the board once `solution`'s lines are written on a
// board of `tirage`: the unused tiles (and any result no later line used),
// the last result left out.
std::vector<longint> NombresRestants(const TTirage& tirage, const TSolution& solution);

// `solution` (at least one line) finished with obvious lines: while a line
// of its last result with one number still on the board comes nearer
// `cible`, the nearest such line is added. Nothing when the number in hand
// is one such line from `cible`, or two lines with two numbers still on
// the board (holding 400 with 6 and 3 left for 398, anyone sees 6/3=2):
// whoever holds that chain has the target, not a miss.
std::optional<TSolution> FinitAuPlusPres(const TTirage& tirage, TSolution solution, longint cible);

}  // namespace tolvan
