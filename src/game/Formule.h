// Sentences whose words come from a language file: a pattern holds %1, %2
// ... where the numbers go, as a translator writes them in any order
// ("%2 away, best %1"). The rules stay plain C++ and take their patterns as
// text, with the French ones as defaults.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvan {

// `motif` with each %1 to %9 replaced by that value; a number with no value
// and a % before anything else stay as they are.
std::string Formule(std::string_view motif, const std::vector<std::string>& valeurs);

// "1 ligne", "3 lignes": `singulier` up to one, as French counts, else
// `pluriel`, each with %1 for the number.
std::string Compte(int nombre, std::string_view singulier, std::string_view pluriel);

}  // namespace tolvan
