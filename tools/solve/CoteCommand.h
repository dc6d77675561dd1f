// tolvan-solve's commands for "Ma cote": the chance that a player of a
// given strength finds a draw in time, a player's rating from their games,
// and a draw at the measure of a rating.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tolvan::solve {

inline constexpr const char* UsageCote =
    "        tolvan-solve --chance FORCE [--temps S] [--json] N1 N2 N3 N4 N5 N6 RESULTAT\n"
    "        tolvan-solve --cote [--json] < PARTIES   (une partie par ligne :"
    " N1 N2 N3 N4 N5 N6 RESULTAT TEMPS TROUVE SECONDES)\n"
    "        tolvan-solve --a-ma-mesure COTE [--temps S] [--graine N] [--json]";

// Runs the command when the arguments ask for one of these (--chance,
// --cote or --a-ma-mesure) and returns its exit code: 0, or 2 for bad
// arguments or, with --cote, a line of `entree` that cannot be read.
// Nothing for other arguments.
std::optional<int> ExecuteCote(const std::vector<std::string>& arguments, std::istream& entree, std::ostream& sortie,
                               std::ostream& erreurs);

}  // namespace tolvan::solve
