// A character of UTF-8 text read strictly, for the text a player types or
// pastes and the arguments of a command: a malformed sequence is told apart
// from a character, so that it is never shown or taken for one.
#pragma once

#include <cstddef>
#include <string_view>

namespace tolvan {

// The length of the valid UTF-8 sequence at the start of `texte` (its code
// point in `point`), or 0 when it is not one (or `texte` is empty). Reads
// nothing past `texte`.
inline std::size_t SequenceUtf8(std::string_view texte, char32_t& point) {
  if (texte.empty()) return 0;
  const auto octet = [&texte](std::size_t i) { return static_cast<unsigned char>(texte[i]); };
  const unsigned char tete = octet(0);
  if (tete < 0x80) {
    point = tete;
    return 1;
  }
  // The lead byte gives the length and the top bits of the code point.
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
  point = tete & (0x7F >> longueur);
  if (texte.size() < longueur) return 0;
  for (std::size_t i = 1; i < longueur; ++i) {
    if ((octet(i) & 0xC0) != 0x80) return 0;
    point = (point << 6) | (octet(i) & 0x3F);
  }
  // Overlong forms, surrogates and points beyond U+10FFFF are not UTF-8.
  const bool tropLong = (longueur == 3 && point < 0x800) || (longueur == 4 && point < 0x10000);
  if (tropLong || (point >= 0xD800 && point <= 0xDFFF) || point > 0x10FFFF) return 0;
  return longueur;
}

}  // namespace tolvan
