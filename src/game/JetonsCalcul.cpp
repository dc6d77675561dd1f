#include "JetonsCalcul.h"

#include <array>
#include <cstdio>
#include <limits>

#include "engine/Utf8.h"

namespace tolvan {

namespace {

// Every character a calculation may hold besides digits and spaces.
struct Symbole {
  char32_t point;
  SorteJeton sorte;
  longint signe;
  char paire;
};

constexpr std::array<Symbole, 17> Symboles = {{
    {U'+', SorteJeton::Operateur, 1, 0},
    {U'x', SorteJeton::Operateur, 2, 0},
    {U'X', SorteJeton::Operateur, 2, 0},
    {U'*', SorteJeton::Operateur, 2, 0},
    {U'×', SorteJeton::Operateur, 2, 0},
    {U'-', SorteJeton::Operateur, 3, 0},
    {U'−', SorteJeton::Operateur, 3, 0},  // the minus sign of typesetting
    {U'/', SorteJeton::Operateur, 4, 0},
    {U':', SorteJeton::Operateur, 4, 0},
    {U'÷', SorteJeton::Operateur, 4, 0},
    {U'(', SorteJeton::Ouvrante, 0, '('},
    {U')', SorteJeton::Fermante, 0, '('},
    {U'[', SorteJeton::Ouvrante, 0, '['},
    {U']', SorteJeton::Fermante, 0, '['},
    {U'{', SorteJeton::Ouvrante, 0, '{'},
    {U'}', SorteJeton::Fermante, 0, '{'},
    {U'=', SorteJeton::Egal, 0, 0},
}};

// Spaces of every width, the no-break ones French puts before ":" and
// inside numbers among them.
bool EstEspace(char32_t point) {
  return point == U' ' || point == U'\t' || point == 0xA0 || (point >= 0x2000 && point <= 0x200A) ||
         point == 0x202F || point == 0x205F || point == 0x3000;
}

bool EstChiffre(char c) { return c >= '0' && c <= '9'; }

// Characters that show nothing, or that would change the look of the text
// around them: controls, invisible marks, combining characters, private use.
bool EstInvisible(char32_t point) {
  struct Plage {
    char32_t debut, fin;
  };
  static constexpr std::array<Plage, 15> Plages = {{
      {0x0000, 0x001F}, {0x007F, 0x009F}, {0x00AD, 0x00AD}, {0x0300, 0x036F}, {0x1AB0, 0x1AFF},
      {0x1DC0, 0x1DFF}, {0x200B, 0x200F}, {0x2028, 0x202E}, {0x2060, 0x206F}, {0x20D0, 0x20FF},
      {0xE000, 0xF8FF}, {0xFE00, 0xFE0F}, {0xFEFF, 0xFEFF}, {0xFFF9, 0xFFFB}, {0xE0000, 0x10FFFF},
  }};
  for (const Plage& plage : Plages) {
    if (point >= plage.debut && point <= plage.fin) return true;
  }
  return false;
}

// The digits at `position`, read as one number while it fits the game's.
Jeton LitNombre(std::string_view texte, std::size_t& position) {
  Jeton jeton;
  jeton.sorte = SorteJeton::Nombre;
  jeton.position = position;
  std::int64_t valeur = 0;
  while (position < texte.size() && EstChiffre(texte[position])) {
    valeur = valeur * 10 + (texte[position] - '0');
    if (valeur > std::numeric_limits<longint>::max()) jeton.sorte = SorteJeton::NombreTropLong;
    // Past the limit the value no longer matters, only where the digits end.
    if (jeton.sorte == SorteJeton::NombreTropLong) valeur = 0;
    ++position;
  }
  jeton.texte = texte.substr(jeton.position, position - jeton.position);
  if (jeton.sorte == SorteJeton::Nombre) jeton.valeur = static_cast<longint>(valeur);
  return jeton;
}

}  // namespace

Jeton JetonSuivant(std::string_view texte, std::size_t& position) {
  char32_t point = 0;
  std::size_t longueur = 0;
  while (position < texte.size()) {
    longueur = SequenceUtf8(texte.substr(position), point);
    if (longueur == 0 || !EstEspace(point)) break;
    position += longueur;
  }
  Jeton jeton;
  jeton.position = position;
  if (position >= texte.size()) return jeton;
  if (longueur > 0 && EstChiffre(texte[position])) return LitNombre(texte, position);
  // A byte that starts no character is one unknown character by itself.
  jeton.texte = texte.substr(position, longueur == 0 ? 1 : longueur);
  position += jeton.texte.size();
  jeton.sorte = SorteJeton::Inconnu;
  if (longueur == 0) return jeton;
  for (const Symbole& symbole : Symboles) {
    if (symbole.point != point) continue;
    jeton.sorte = symbole.sorte;
    jeton.signe = symbole.signe;
    jeton.paire = symbole.paire;
  }
  return jeton;
}

std::string CaractereVisible(std::string_view caractere) {
  char32_t point = 0;
  if (SequenceUtf8(caractere, point) == 0) return "\xEF\xBF\xBD";  // U+FFFD, the replacement character
  if (!EstInvisible(point)) return std::string(caractere);
  char nom[16];
  std::snprintf(nom, sizeof nom, "U+%04X", static_cast<unsigned>(point));
  return nom;
}

char FermanteDe(char paire) {
  switch (paire) {
    case '[': return ']';
    case '{': return '}';
    default: return ')';
  }
}

}  // namespace tolvan
