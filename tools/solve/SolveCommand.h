// tolvan-solve: the solver from the command line, for players and for checking.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "engine/Records.h"
#include "game/TirageDuJour.h"

namespace tolvan::solve {

struct Demande {
  TTirage tirage;
  std::string fichier;  // a draws file whose every row is solved, instead of one draw
  bool serie = false;
  bool toutes = false;
  bool json = false;
  std::optional<Date> jour;  // the draw of the day of this date, instead of a draw
};

// The request, or nullopt with a one-line reason in `erreur`.
std::optional<Demande> LitArguments(const std::vector<std::string>& arguments, std::string& erreur);

// A number of the command line between 0 and `maximum`; otherwise nothing,
// and `erreur` says what is wrong with it (`quoi` names it: "le nombre").
std::optional<longint> LitArgument(const std::string& texte, longint maximum, const char* quoi, std::string& erreur);

// `texte` as a JSON string, quotes included.
std::string ChaineJson(const std::string& texte);

// Runs the whole command; returns the process exit code: 0, 1 when the
// draws file cannot be read, 2 for bad arguments.
int ExecuteSolve(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs);

}  // namespace tolvan::solve
