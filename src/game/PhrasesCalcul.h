// Why a typed calculation is refused, in one sentence a player reads or a
// screen reader says where the focus is. The words are French unless a
// language file gives others; %1, %2, %3 stand for the data of the refusal
// (see Formule.h), named beside each.
#pragma once

#include <string>

#include "Calcul.h"

namespace tolvan {

struct PhrasesCalcul {
  std::string vide = "aucun calcul n'est tapé";
  std::string caractereInconnu = "« %1 » n'a pas sa place dans un calcul";  // the character
  std::string nombreTropLong = "le nombre %1 est trop long";                  // its first digits
  std::string parentheseNonFermee = "parenthèse non fermée : « %1 » attend « %2 »";
  std::string fermanteSansOuvrante = "« %1 » ferme une parenthèse qui n'est pas ouverte";
  std::string fermanteMalAssortie = "« %1 » ne peut pas fermer « %2 » : il faut « %3 »";
  std::string parenthesesVides = "rien entre « %1 » et « %2 »";
  std::string rienAGauche = "« %1 » n'a rien à sa gauche";  // an operator or "="
  std::string rienADroite = "« %1 » n'a rien à sa droite";
  std::string operationManquante = "il manque une opération avant « %1 »";  // a number or "("
  std::string egalMalPlace = "un seul « = », entre le calcul et son résultat";
  std::string sansOperation = "il n'y a aucune opération à faire";
  std::string nombreHorsJeu = "%1 n'est plus en jeu";
  std::string nombreEnTrop = "%1 n'est pas en jeu autant de fois";  // the number, %2 the times in play
  std::string divisionNonExacte = "%1 ne tombe pas juste";         // the operation: "100/7"
  std::string divisionParZero = "%1 : on ne divise pas par zéro";
  std::string resultatNul = "%1 donne 0 : chaque résultat doit être au-dessus de zéro";
  std::string resultatNegatif = "%1 donne un nombre négatif";
  std::string resultatTropGrand = "%1 donne un nombre trop grand";
  std::string resultatFaux = "le calcul donne %2, pas %1";  // %1 the result announced, %2 the true one
};

// The sentence saying why, with the refusal's data in it.
std::string PhraseRefus(const RefusCalcul& refus, const PhrasesCalcul& mots = {});

}  // namespace tolvan
