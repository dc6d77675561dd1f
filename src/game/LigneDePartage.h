// The line a player shares after the draw of the day: how it went, but
// nothing of the draw itself, so that it spoils nothing for those who have
// not played yet.
#pragma once

#include <string>

#include "TirageDuJour.h"

namespace tolvan {

struct ResultatDuJour {
  Date date;
  bool trouve = false;
  int secondes = 0;
  int lignes = 0;
  int indices = 0;
  int difficulte = 0;
  bool rejouee = false;  // not the day's first finished attempt
  bool solutionsVues = false;  // "Voir les solutions" opened during the game
};

// "Tolvan, tirage du 7 décembre 2026 : trouvé en 1:42, 3 lignes, sans
// indice (difficulté 3/5)"; seeing the solutions is help too: "trouvé en
// 0:28, 2 lignes, avec les solutions", "2 indices, avec les solutions".
std::string LigneDePartage(const ResultatDuJour& resultat);

// "1:42", "12:05", "1:00:00".
std::string DureeLisible(int secondes);

}  // namespace tolvan
