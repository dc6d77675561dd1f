// The score sheet of a series played by code: each draw with the player's
// result and points beside the arbiter's key, the total, the lines it
// prints and the one line a player sends to the club.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "CodeSerie.h"
#include "TiragesDuCode.h"

namespace tolvan {

struct LigneFeuille {
  Corrige corrige;
  std::optional<longint> resultat;  // none when the player found nothing
  int points = 0;
  friend bool operator==(const LigneFeuille&, const LigneFeuille&) = default;
};

class FeuilleDeMarque {
 public:
  FeuilleDeMarque(const CodeSerie& code, std::string joueur);

  // The draw just played, scored on the clubs' scale.
  void Note(const Corrige& corrige, std::optional<longint> resultat);

  const CodeSerie& Code() const { return code_; }
  const std::string& Joueur() const { return joueur_; }
  const std::vector<LigneFeuille>& Lignes() const { return lignes_; }
  int Total() const;
  // The most the draws played so far could have given: 10 each.
  int TotalPossible() const;
  bool Complete() const { return static_cast<int>(lignes_.size()) == code_.Tirages(); }

  // The sheet as printed and shown, one line a string.
  std::vector<std::string> Texte() const;
  // The line "Copier le résultat" copies for the club's arbiter
  // (LigneClub.h): code;name;total;each draw's points;each draw's result.
  std::string LigneClub() const;

 private:
  CodeSerie code_;
  std::string joueur_;
  std::vector<LigneFeuille> lignes_;
};

// "0 point", "1 point", "7 points".
std::string TextePoints(int points);

}  // namespace tolvan
