// How tolvan-solve and tolvan-stats read their command lines, one way for
// both. A command is a table of its modes: its ordinary use, and each use
// named by an option of its own (such as --code), with the options that go
// with it. A line is refused, in one French sentence that quotes what was
// typed safely (Citation.h), when an option is unknown, given twice, lacks
// its value or does not go with the mode, when two modes are asked for at
// once, and when words follow a mode that takes none. A new option or a new
// mode is a row of the command's table.
#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Records.h"

namespace tolvan::solve {

// What follows an option on the line.
enum class Suite { Rien, Valeur, ValeurFacultative };

struct OptionConnue {
  std::string_view nom;  // "--temps"
  Suite suite = Suite::Rien;
  std::string attendu = {};  // what its value is: "--temps attend un nombre de secondes de 10 à 300"
};

inline const OptionConnue OptionJson{"--json"};

class LigneDeCommande;

// What a mode does with the line read: the process's exit code.
using Executeur = std::function<int(const LigneDeCommande& ligne, std::ostream& sortie, std::ostream& erreurs)>;

struct ModeCommande {
  std::string_view nom;               // the mode's own option, "--code"; empty for the ordinary use
  std::vector<OptionConnue> options;  // those that go with it, its own among them
  bool prendDesMots = false;          // whether words that are no option follow (a draw, a code)
  Executeur execute;
};

class LigneDeCommande {
 public:
  // The line of `commande` read against its `modes`; nothing, and `erreur`
  // says why, when it is refused.
  static std::optional<LigneDeCommande> Lit(std::string_view commande, const std::vector<std::string>& arguments,
                                            const std::vector<ModeCommande>& modes, std::string& erreur);

  const ModeCommande& Mode() const { return *mode_; }
  bool Donnee(std::string_view option) const { return options_.contains(option); }
  // The value given to `option`; nothing when it is not given, or given
  // without the value it may do without.
  std::optional<std::string> Valeur(std::string_view option) const;
  // The words that are neither an option nor an option's value, in order.
  const std::vector<std::string>& Mots() const { return mots_; }

  // Says why a value of the line is refused, "commande : erreur" on one
  // line of `erreurs`, and gives the exit code of bad arguments, 2.
  int Refuse(const std::string& erreur, std::ostream& erreurs) const;

 private:
  // Takes the option at `i`, and its value after it (`i` then moves past
  // it); false, and `erreur` says why, when it is refused.
  bool PrendOption(const std::vector<std::string>& arguments, std::size_t& i, const std::vector<ModeCommande>& modes,
                   std::string& erreur);

  std::string commande_;
  const ModeCommande* mode_ = nullptr;
  std::map<std::string, std::optional<std::string>, std::less<>> options_;
  std::vector<std::string> mots_;
};

// Reads the line and runs its mode: the mode's exit code, or 2 after the
// refusal on `erreurs`. "--help" (or "-h") alone prints `usage`.
int ExecuteLigne(std::string_view commande, std::string_view usage, const std::vector<std::string>& arguments,
                 const std::vector<ModeCommande>& modes, std::ostream& sortie, std::ostream& erreurs);

// A whole number of the command line from `minimum` to `maximum`; otherwise
// nothing, and `erreur` says what is wrong with it (`quoi` names it: "le
// nombre"). Without a minimum, from 0.
std::optional<longint> LitArgument(const std::string& texte, longint minimum, longint maximum, const char* quoi,
                                   std::string& erreur);
std::optional<longint> LitArgument(const std::string& texte, longint maximum, const char* quoi, std::string& erreur);

}  // namespace tolvan::solve
