// The line a player shares after the draw of the day: how it went, but
// nothing of the draw itself, so that it spoils nothing for those who have
// not played yet.
#pragma once

#include <string>

#include "Formule.h"
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

// The words of the line, French unless a language file gives others; %1,
// %2 ... stand for what the comment says.
struct PhrasesPartage {
  std::string ligne = "Tolvan, tirage du %1 : %2 (difficulté %3/5)";  // the date, how it went, the mark
  std::string rejouee = "(rejoué)";                                   // after the date of a replay
  std::string trouveEn = "trouvé en %1, %2, %3";                      // "1:42", "3 lignes", the help
  std::string pasTrouve = "pas trouvé, %1";                           // the help
  std::string uneLigne = "%1 ligne";                                  // up to one
  std::string desLignes = "%1 lignes";
  std::string sansIndice = "sans indice";
  std::string unIndice = "%1 indice";
  std::string desIndices = "%1 indices";
  std::string avecSolutions = "avec les solutions";
  std::string date = "%1 %2 %3";                                      // the day, the month, the year
  std::string premierDuMois = "1er";                                  // the first day of a month
  // The twelve months, from January, separated by spaces.
  std::string mois = "janvier février mars avril mai juin juillet août septembre octobre novembre décembre";
};

// "Tolvan, tirage du 7 décembre 2026 : trouvé en 1:42, 3 lignes, sans
// indice (difficulté 3/5)"; seeing the solutions is help too: "trouvé en
// 0:28, 2 lignes, avec les solutions", "2 indices, avec les solutions".
std::string LigneDePartage(const ResultatDuJour& resultat, const PhrasesPartage& mots = {});

// "7 décembre 2026", "1er mai 2027".
std::string DateEnToutesLettres(const Date& date, const PhrasesPartage& mots = {});

// "1:42", "12:05", "1:00:00".
std::string DureeLisible(int secondes);

}  // namespace tolvan
