#include "RefusCode.h"

#include <array>
#include <cstdio>
#include <utility>

#include "CodeSerie.h"
#include "engine/Utf8.h"
#include "game/Formule.h"

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

}  // namespace

std::string TexteRefus(const RefusCode& refus, const PhrasesRefusCode& phrases) {
  const std::string valeur = std::to_string(refus.valeur);
  const std::string tempsMin = std::to_string(CodeSerie::TempsMin), tempsMax = std::to_string(CodeSerie::TempsMax);
  switch (refus.motif) {
    case RefusCode::Motif::AucunCode: return phrases.aucunCode;
    case RefusCode::Motif::CaractereInterdit: return Formule(phrases.caractereInterdit, {Montre(refus.caractere)});
    case RefusCode::Motif::MauvaiseLongueur:
      return Formule(phrases.mauvaiseLongueur, {std::to_string(CodeSerie::Longueur), valeur});
    case RefusCode::Motif::ControleFaux: return phrases.controleFaux;
    case RefusCode::Motif::FormatInconnu: return Formule(phrases.formatInconnu, {valeur});
    case RefusCode::Motif::PartieImpossible: return Formule(phrases.partieImpossible, {tempsMin, tempsMax, valeur});
    case RefusCode::Motif::TiragesHorsLimites:
      return Formule(phrases.tiragesHorsLimites, {std::to_string(CodeSerie::TiragesMax), valeur});
    case RefusCode::Motif::TempsHorsLimites: return Formule(phrases.tempsHorsLimites, {tempsMin, tempsMax, valeur});
    case RefusCode::Motif::GraineTropGrande: break;
  }
  return Formule(phrases.graineTropGrande, {std::to_string(CodeSerie::BitsGraine)});
}

}  // namespace tolvan
