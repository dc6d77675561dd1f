// The draws of a series given by a code, dealt from the code alone, so that
// every machine and every version of the program deals the same ones (the
// README gives the recipe), and the arbiter's key to them.
#pragma once

#include <string>
#include <vector>

#include "CodeSerie.h"
#include "engine/Records.h"

namespace tolvan {

class Solveur;

// SplitMix64 seeded with the code's seed deals draws as the game deals a
// random standard draw; with "exactly reachable only", a draw whose target
// cannot be reached exactly is thrown away and the next one dealt.
std::vector<TTirage> TiragesDuCode(const CodeSerie& code);

// What the arbiter knows of a draw: the best result (the target, or the
// nearest number reached) and the simplest solution giving it, as one line
// such as "100=(6-1)x4x5"; empty when nothing at all can be computed.
struct Corrige {
  TTirage tirage;
  longint meilleur = 0;
  std::string solution;
  friend bool operator==(const Corrige&, const Corrige&) = default;
};

// "1 8 100 2 4 4 → 416": the numbers in the order dealt, then the target.
std::string TexteTirage(const TTirage& tirage);

// Searches `tirage` with `solveur`, which is left on that draw.
Corrige CorrigeTirage(Solveur& solveur, const TTirage& tirage);
// The key of each of the code's draws, in order.
std::vector<Corrige> CorrigeDuCode(const CodeSerie& code);

}  // namespace tolvan
