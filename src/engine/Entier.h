// Whole numbers read from text typed by the player or read from a file.
#pragma once

#include <charconv>
#include <optional>
#include <string_view>

#include "Records.h"

namespace tolvan {

// The number `texte` writes in decimal (an optional "-" first), when the
// whole of it is that number and it fits the game's 32-bit numbers.
inline std::optional<longint> LitEntier(std::string_view texte) {
  longint valeur = 0;
  const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
  if (texte.empty() || erreur != std::errc() || fin != texte.data() + texte.size()) return std::nullopt;
  return valeur;
}

}  // namespace tolvan
