// tolvan-solve: the solver from the command line, for players and for checking.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "engine/Records.h"
#include "game/TirageDuJour.h"
#include "solve/LigneDeCommande.h"

namespace tolvan::solve {

struct Demande {
  TTirage tirage;
  std::string fichier;  // a draws file whose every row is solved, instead of one draw
  bool serie = false;
  bool toutes = false;
  bool json = false;
  std::optional<Date> jour;  // the draw of the day of this date, instead of a draw
};

// The draw of the command line: six numbers from 0 to 999, then the target
// from 0 to 9999 (`cible` names it in a message: "le résultat"); otherwise
// nothing, and `erreur` says what is wrong.
std::optional<TTirage> LitTirage(const std::vector<std::string>& valeurs, const char* cible, std::string& erreur);

// `texte` as a JSON string, quotes included.
std::string ChaineJson(const std::string& texte);

// Runs the whole command; returns the process exit code: 0, 1 when the
// draws file cannot be read, 2 for bad arguments.
int ExecuteSolve(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs);

}  // namespace tolvan::solve
