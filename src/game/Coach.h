// What an exhaustive search says of a position on the blackboard: whether
// the target can still be reached exactly from the numbers in play (the
// tiles not used and the results not yet used), or the nearest number that
// can; how many distinct solutions, how many lines at the fewest, and the
// simplest way on. The coach and the hints by steps say it in words.
#pragma once

#include <string>
#include <vector>

#include "Formule.h"
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

// The words of the coach and of the hints, French unless a language file
// gives others; %1 and %2 stand for the numbers (see Formule.h).
struct PhrasesCoach {
  // The coach, after a line and at the end.
  std::string encorePossible = "Le compte est encore possible.";
  std::string pasPossibleDIci = "Le compte n'est pas possible d'ici : au mieux %1.";
  std::string gagneAuPlusCourt = "Gagné au plus court : %1.";                // %1: "2 lignes"
  std::string gagneEn = "Gagné en %1 ; le plus court en demandait %2.";   // "3 lignes", 2
  std::string laPlusSimple = "La plus simple : %1.";                      // its lines
  std::string etaitImpossible = "Le compte était impossible : au mieux %1.";
  std::string uneLigne = "%1 ligne";
  std::string desLignes = "%1 lignes";
  // The hints, step by step.
  std::string plusAucunNombre = "Pas possible d'ici : plus aucun nombre en jeu.";
  std::string possibleDIci = "Le compte est possible d'ici.";
  std::string uneSolutionDIci = "%1 solution d'ici.";
  std::string solutionsDIci = "%1 solutions d'ici.";
  std::string encoreAuMoins = "Encore %1 au moins.";                       // %1: "2 lignes"
  std::string commencePar = "Commence par : %1";                           // a line
  std::string auMieux = "Pas possible d'ici : au mieux %1.";
  std::string auMieuxDejaEnJeu = "Pas possible d'ici : au mieux %1, déjà en jeu.";
  std::string auMieuxUneFacon = "Pas possible d'ici : au mieux %1, d'une seule façon.";
  std::string auMieuxFacons = "Pas possible d'ici : au mieux %1, de %2 façons.";
  std::string auMieuxEnAuMoins = "Pas possible d'ici : au mieux %1, en %2 au moins.";  // 330, "3 lignes"
  std::string pourCommencePar = "Pas possible d'ici ; pour %1, commence par : %2";
  std::string pourLaSuite = "Pas possible d'ici ; pour %1 : %2";           // 330, its lines
};

// The numbers in play on a board whose line in progress is empty.
std::vector<longint> NombresEnJeu(const TableauNoir& tableau);

// Searches `nombres` (six at most) on `solveur`, which forgets its draw.
Position AnalysePosition(Solveur& solveur, const std::vector<longint>& nombres, longint cible);

// The lines joined as a player reads them: "100x5=500, 75/25=3".
std::string Enchaine(const std::vector<std::string>& lignes);

// The coach's line after a finished line.
std::string PhraseCoach(const Position& position, const PhrasesCoach& mots = {});
// The coach's line at the end of a game: won in `lignes` lines when the
// simplest needed `lignesMin`; or, with the time run out, the simplest way
// of the draw as searched from its start.
std::string PhraseVictoire(int lignes, int lignesMin, const PhrasesCoach& mots = {});
std::string PhraseTempsEcoule(const Position& depart, const PhrasesCoach& mots = {});
// How many steps the hints have for the position (1 to 5): no step says
// nothing, none repeats the one before. A count of the hints used stops at
// the last one.
int NbEchelons(const Position& position);
// Hint step `echelon` for the position, from 1 to NbEchelons; a step past
// the last says the last one again. Out of reach, every step speaks of the
// nearest number.
std::string PhraseIndice(int echelon, const Position& position, const PhrasesCoach& mots = {});

}  // namespace tolvan
