// A rated game written on one line of text, as `tolvan-solve --cote` reads
// a player's games: "N1 N2 N3 N4 N5 N6 RESULTAT TEMPS TROUVE SECONDES"
// (TROUVE 1 or 0, SECONDES when found). The lines come from outside (a
// file, a pipe, another program), so every field is checked and a line is
// either read whole or refused.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/Records.h"

namespace tolvan {

// The clocks the game offers run from 20 s to an hour ("illimité").
inline constexpr double SecondesDonneesMin = 1;
inline constexpr double SecondesDonneesMax = 3600;
// Beyond this, a line is not a game.
inline constexpr std::size_t LongueurMaxPartieEnLigne = 1000;

struct PartieEnLigne {
  TTirage tirage;          // numbers 0 to 999, target 0 to 9999
  double secondesDonnees;  // SecondesDonneesMin to SecondesDonneesMax
  bool trouvee;
  double secondes;         // 0 to secondesDonnees; 0 when not found and not given
};

// A decimal number, with a point or a comma ("3.5" or "3,5"), finite.
std::optional<double> LitDecimal(std::string_view texte);
// The same, from `min` to `max`.
std::optional<double> LitDecimalEntre(std::string_view texte, double min, double max);
// The shortest decimal with a point that reads back as `valeur` ("22.6", "40").
std::string TexteDecimal(double valeur);

// The game of `ligne` (fields separated by spaces or tabs; SECONDES may be
// left out of a game not found), or nothing.
std::optional<PartieEnLigne> LitPartieEnLigne(std::string_view ligne);

// The line LitPartieEnLigne reads back as `partie`.
std::string TextePartieEnLigne(const PartieEnLigne& partie);

}  // namespace tolvan
