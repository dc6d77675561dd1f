#include "RefusCode.h"

#include <array>
#include <cstdio>
#include <utility>

#include "CodeSerie.h"
#include "engine/Utf8.h"

namespace tolvan {

namespace {

// Characters that show nothing, or move the text, once printed between
// quotes: controls, joiners, direction marks, variation selectors, tags.
constexpr std::array<std::pair<char32_t, char32_t>, 9> Invisibles = {{
    {0x0000, 0x001F},
    {0x007F, 0x009F},
    {0x00AD, 0x00AD},
    {0x200B, 0x200F},
    {0x2028, 0x202F},
    {0x205F, 0x206F},
    {0xFE00, 0xFE0F},
    {0xFEFF, 0xFEFF},
    {0xE0000, 0xE0FFF},
}};

bool Invisible(char32_t caractere) {
  for (const auto& [premier, dernier] : Invisibles) {
    if (caractere >= premier && caractere <= dernier) return true;
  }
  return false;
}

// The character as the player sees it, or its number when nothing would show.
std::string Montre(char32_t caractere) {
  if (Invisible(caractere)) {
    char numero[16];
    std::snprintf(numero, sizeof numero, "U+%04X", static_cast<unsigned>(caractere));
    return numero;
  }
  std::string texte;
  AjouteUtf8(texte, caractere);
  return texte;
}

std::string TexteTemps(long long secondes) {
  return "Le temps doit être entre " + std::to_string(CodeSerie::TempsMin) + " et " +
         std::to_string(CodeSerie::TempsMax) + " secondes (reçu " + std::to_string(secondes) + ").";
}

}  // namespace

std::string TexteRefus(const RefusCode& refus) {
  const std::string valeur = std::to_string(refus.valeur);
  switch (refus.motif) {
    case RefusCode::Motif::AucunCode: return "Aucun code n'a été saisi.";
    case RefusCode::Motif::CaractereInterdit:
      return "« " + Montre(refus.caractere) + " » ne peut pas figurer dans un code de partie.";
    case RefusCode::Motif::MauvaiseLongueur:
      return "Un code de partie a " + std::to_string(CodeSerie::Longueur) + " caractères ; celui-ci en a " + valeur + ".";
    case RefusCode::Motif::ControleFaux: return "Ce code est mal recopié : son caractère de contrôle ne correspond pas.";
    case RefusCode::Motif::FormatInconnu:
      return "Ce code est d'un format que cette version de Tolvan ne connaît pas (format " + valeur + ").";
    case RefusCode::Motif::PartieImpossible: return "Ce code ne donne pas une partie possible. " + TexteTemps(refus.valeur);
    case RefusCode::Motif::TiragesHorsLimites:
      return "Le nombre de tirages doit être entre 1 et " + std::to_string(CodeSerie::TiragesMax) + " (reçu " + valeur +
             ").";
    case RefusCode::Motif::TempsHorsLimites: return TexteTemps(refus.valeur);
    case RefusCode::Motif::GraineTropGrande: break;
  }
  return "La graine doit être inférieure à 2^" + std::to_string(CodeSerie::BitsGraine) + ".";
}

}  // namespace tolvan
