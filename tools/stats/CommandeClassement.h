// tolvan-stats --classement: the arbiter's ranking of a club's evening from
// the command line, from the files of lines the players sent (or the
// standard input), as the desk ranks them (competition/Classement.h).
#pragma once

#include <iosfwd>

#include "solve/LigneDeCommande.h"

namespace tolvan::stats {

inline constexpr const char* UsageClassement =
    "        tolvan-stats --classement [--json] [--groupes N] [--approche salle] FICHIER...   (- : entrée standard)";

// --classement: 0 when a ranking was made, 1 when the files were read but
// not one line could be ranked, 2 for bad arguments or when no file can be
// read. `entree` is read for the file "-".
solve::ModeCommande ModeClassement(std::istream& entree);

}  // namespace tolvan::stats
