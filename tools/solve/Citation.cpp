#include "solve/Citation.h"

#include "engine/Utf8.h"

namespace tolvan::solve {

namespace {

bool Controle(char32_t point) { return point < 0x20 || (point >= 0x7F && point <= 0x9F); }

}  // namespace

std::string TexteSur(std::string_view texte, std::size_t maximum) {
  std::string sur;
  std::size_t caracteres = 0;
  while (!texte.empty()) {
    if (caracteres == maximum) return sur + "…";
    char32_t point = 0;
    const std::size_t longueur = SequenceUtf8(texte, point);
    if (longueur == 0 || Controle(point)) {
      sur += '?';
    } else {
      sur += texte.substr(0, longueur);
    }
    texte.remove_prefix(longueur == 0 ? 1 : longueur);
    ++caracteres;
  }
  return sur;
}

std::string Cite(std::string_view texte) { return "« " + TexteSur(texte) + " »"; }

}  // namespace tolvan::solve
