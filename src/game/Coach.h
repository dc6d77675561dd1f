// What an exhaustive search says of a position on the blackboard: whether
// the target can still be reached exactly from the numbers in play (the
// tiles not used and the results not yet used), or the nearest number that
// can; how many distinct solutions, how many lines at the fewest, and the
// simplest way on. The coach and the hints by steps say it in words.
#pragma once

#include <string>
#include <vector>

#include "TableauNoir.h"
#include "engine/Solveur.h"

namespace tolvan {

struct Position {
  bool exacte = false;   // the target itself can be reached
  longint visee = 0;     // the target, or the nearest reachable number (the smaller of two as near)
  int nbSolutions = 0;   // distinct solutions reaching `visee`
  int lignesMin = 0;     // lines of the simplest of them
  std::vector<std::string> simple;  // its lines, such as "100x5=500"
  bool atteignable = false;  // some number can be reached at all
};

// The numbers in play on a board whose line in progress is empty.
std::vector<longint> NombresEnJeu(const TableauNoir& tableau);

// Searches `nombres` (six at most) on `solveur`, which forgets its draw.
Position AnalysePosition(Solveur& solveur, const std::vector<longint>& nombres, longint cible);

// The lines joined as a player reads them: "100x5=500, 75/25=3".
std::string Enchaine(const std::vector<std::string>& lignes);

// The coach's line after a finished line.
std::string PhraseCoach(const Position& position);
// The coach's line at the end of a game: won in `lignes` lines when the
// simplest needed `lignesMin`; or, with the time run out, the simplest way
// of the draw as searched from its start.
std::string PhraseVictoire(int lignes, int lignesMin);
std::string PhraseTempsEcoule(const Position& depart);
// Hint step 1 to 5 for the position.
std::string PhraseIndice(int echelon, const Position& position);

}  // namespace tolvan
