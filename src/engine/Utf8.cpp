#include "Utf8.h"

namespace tolvan {

std::size_t SequenceUtf8(std::string_view texte, char32_t& caractere) {
  if (texte.empty()) return 0;
  const auto octet = [&texte](std::size_t i) { return static_cast<unsigned char>(texte[i]); };
  const unsigned char tete = octet(0);
  if (tete < 0x80) {
    caractere = tete;
    return 1;
  }
  // The lead byte gives the length and the top bits of the character.
  std::size_t longueur = 0;
  if (tete >= 0xC2 && tete <= 0xDF) {
    longueur = 2;
  } else if (tete >= 0xE0 && tete <= 0xEF) {
    longueur = 3;
  } else if (tete >= 0xF0 && tete <= 0xF4) {
    longueur = 4;
  } else {
    return 0;
  }
  if (texte.size() < longueur) return 0;
  char32_t point = tete & (0x7F >> longueur);
  for (std::size_t i = 1; i < longueur; ++i) {
    if ((octet(i) & 0xC0) != 0x80) return 0;
    point = (point << 6) | (octet(i) & 0x3F);
  }
  const bool tropLong = (longueur == 3 && point < 0x800) || (longueur == 4 && point < 0x10000);
  if (tropLong || (point >= 0xD800 && point <= 0xDFFF) || point > 0x10FFFF) return 0;
  caractere = point;
  return longueur;
}

char32_t LitCaractereUtf8(std::string_view texte, std::size_t& i) {
  char32_t caractere = 0;
  const std::size_t longueur = SequenceUtf8(texte.substr(i), caractere);
  i += longueur == 0 ? 1 : longueur;
  return longueur == 0 ? char32_t{0xFFFD} : caractere;
}

void AjouteUtf8(std::string& texte, char32_t c) {
  const auto suite = [&texte, c](int decalage) { texte += static_cast<char>(0x80 | ((c >> decalage) & 0x3F)); };
  if (c < 0x80) {
    texte += static_cast<char>(c);
  } else if (c < 0x800) {
    texte += static_cast<char>(0xC0 | (c >> 6));
    suite(0);
  } else if (c < 0x10000) {
    texte += static_cast<char>(0xE0 | (c >> 12));
    suite(6);
    suite(0);
  } else {
    texte += static_cast<char>(0xF0 | (c >> 18));
    suite(12);
    suite(6);
    suite(0);
  }
}

}  // namespace tolvan
