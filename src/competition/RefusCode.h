// Why a text typed or pasted as a series code is refused, or why
// parameters make no code: a kind and its data rather than a sentence, so
// that the game can say it in the player's language; the French is here.
#pragma once

#include <string>

namespace tolvan {

struct RefusCode {
  enum class Motif {
    AucunCode,           // nothing but hyphens and spaces
    CaractereInterdit,   // `caractere` can be in no code
    MauvaiseLongueur,    // `valeur` characters instead of a code's 12
    ControleFaux,        // the check character does not match the others
    FormatInconnu,       // format `valeur`, which this version does not know
    PartieImpossible,    // a well-checked code whose clock, `valeur` seconds, is out of range
    TiragesHorsLimites,  // `valeur` draws asked for
    TempsHorsLimites,    // a clock of `valeur` seconds asked for
    GraineTropGrande,    // a seed of 35 bits or more
  };
  Motif motif = Motif::AucunCode;
  char32_t caractere = 0;
  long long valeur = 0;
  friend bool operator==(const RefusCode&, const RefusCode&) = default;
};

// The sentence of each kind of refusal, French unless a language file
// gives others; %1, %2 ... stand for what the comment says (game/Formule.h).
struct PhrasesRefusCode {
  std::string aucunCode = "Aucun code n'a été saisi.";
  std::string caractereInterdit = "« %1 » ne peut pas figurer dans un code de partie.";  // the character
  std::string mauvaiseLongueur = "Un code de partie a %1 caractères ; celui-ci en a %2.";
  std::string controleFaux = "Ce code est mal recopié : son caractère de contrôle ne correspond pas.";
  std::string formatInconnu = "Ce code est d'un format que cette version de Tolvan ne connaît pas (format %1).";
  // The least and most seconds, then those the code or the request gave.
  std::string partieImpossible =
      "Ce code ne donne pas une partie possible. Le temps doit être entre %1 et %2 secondes (reçu %3).";
  std::string tempsHorsLimites = "Le temps doit être entre %1 et %2 secondes (reçu %3).";
  std::string tiragesHorsLimites = "Le nombre de tirages doit être entre 1 et %1 (reçu %2).";
  std::string graineTropGrande = "La graine doit être inférieure à 2^%1.";
};

// The refusal as one or two sentences, each whole, so that it reads alone
// as well as after a message's own words: "Aucun code n'a été saisi.",
// "« U » ne peut pas figurer dans un code de partie.". A character that
// cannot be seen is named by its number: "« U+0007 »".
std::string TexteRefus(const RefusCode& refus, const PhrasesRefusCode& phrases = {});

}  // namespace tolvan
