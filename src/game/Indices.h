// The hints: a number broken into primes, and the last line of a solution
// that ends with a chosen operation, stepping through the distinct ones.
#pragma once

#include <optional>
#include <string>

#include "engine/Solveur.h"

namespace tolvan {

// "2 x 2 x 3 x 7"; a prime target gets " Pas de chance ;-)" after it.
std::string Decomposition(longint nombre, longint cible);

// The last step of a solution written backwards from its value: "999=37x27".
std::string TexteDerniereLigne(const TSolution& solution);

// The text shown for "Dernière ligne": the first solution of the table
// whose last step has the operation `oper`, or `yenAPas` when none has.
// Nothing (and nothing changes) when the table is empty.
std::optional<std::string> DerniereLigne(Solveur& solveur, longint oper, const std::string& yenAPas);

// The next (or previous) of the distinct last lines with that operation,
// in the order the table first has them, from the one at the shared
// position, which moves there. " !!!" follows when the walk came back to
// its start: there is no other.
std::optional<std::string> DerniereLigneVoisine(Solveur& solveur, longint oper, bool suivante,
                                                const std::string& yenAPas);

}  // namespace tolvan
