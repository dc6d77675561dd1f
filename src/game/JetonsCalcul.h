// The words of a typed calculation: numbers, operators, brackets and "=",
// read one at a time from UTF-8 text as players write them on a keyboard,
// a phone or paper ("75 × 3", "100:4", "75−25"), spaces anywhere. Nothing
// here knows the numbers in play or the order of operations: that is the
// reader of calculations' (Calcul.h).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/Records.h"

namespace tolvan {

enum class SorteJeton {
  Nombre,
  Operateur,
  Ouvrante,  // ( [ {
  Fermante,  // ) ] }
  Egal,
  Fin,            // nothing but spaces is left
  Inconnu,        // a character no calculation holds
  NombreTropLong  // more digits than a number of the game has
};

struct Jeton {
  SorteJeton sorte = SorteJeton::Fin;
  std::size_t position = 0;  // in bytes from the start of the text
  std::string_view texte;    // as typed: a view into the text read
  longint valeur = 0;        // a number's value
  longint signe = 0;         // an operator's board `Signe`: 1 "+", 2 "x", 3 "-", 4 "/"
  char paire = 0;            // a bracket's own kind: '(', '[' or '{', for either side
};

// The word starting at `position` or after the spaces there, and moves
// `position` past it. Reads nothing past `texte`; at its end, `Fin`.
Jeton JetonSuivant(std::string_view texte, std::size_t& position);

// A character that is neither a number nor part of a calculation, as a
// message may show it: itself when it can be seen, "U+200B" for one that
// cannot (a control, an invisible or a lone combining character), "�" for
// bytes that are not UTF-8.
std::string CaractereVisible(std::string_view caractere);

// The closing bracket that goes with a bracket's kind.
char FermanteDe(char paire);

}  // namespace tolvan
