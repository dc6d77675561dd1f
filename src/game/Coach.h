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
  // The target, or the nearest number: the one the solver falls back on (as
  // the solutions panel shows it), or a number already in play when none of
  // its lines comes as near.
  longint visee = 0;
  int nbSolutions = 0;   // distinct solutions reaching `visee`; 1 for a number already in play
  int lignesMin = 0;     // lines of the simplest of them; 0 for a number already in play
  std::vector<std::string> simple;  // its lines, such as "100x5=500"
  bool atteignable = false;  // some number is in play at all
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
// How many steps the hints have for the position (1 to 5): no step says
// nothing, none repeats the one before. A count of the hints used stops at
// the last one.
int NbEchelons(const Position& position);
// Hint step `echelon` for the position, from 1 to NbEchelons; a step past
// the last says the last one again. Out of reach, every step speaks of the
// nearest number.
std::string PhraseIndice(int echelon, const Position& position);

}  // namespace tolvan
