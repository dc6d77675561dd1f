// tolvan-solve --adversaire: the computer opponent's answer to one draw.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tolvan::solve {

// Whether the arguments ask for the opponent's answer.
bool DemandeAdversaire(const std::vector<std::string>& arguments);

// `--adversaire FORCE [--graine N] [--temps S] [--json] N1 ... N6 RESULTAT`:
// the draw searched once, then answered at that strength with that seed and
// that many seconds (40 unless given). Returns the exit code: 0, or 2 for
// bad arguments (a strength outside 1..5, a negative time, a malformed
// seed, a bad draw).
int ExecuteAdversaire(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs);

}  // namespace tolvan::solve
