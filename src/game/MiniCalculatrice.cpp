#include "MiniCalculatrice.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>

#include "engine/Entier.h"

namespace tolvan {

namespace {

constexpr std::size_t LongueurSaisie = 12;

// An operand: 0 when empty, nothing when it is no 32-bit whole number.
std::optional<std::int64_t> Operande(const std::string& texte) {
  if (texte.empty()) return 0;
  return LitEntier(texte);
}

// Drops the zeros that end a decimal part, and the point with them.
std::string SansZerosFinaux(std::string nombre) {
  if (nombre.find('.') == std::string::npos) return nombre;
  while (nombre.back() == '0') nombre.pop_back();
  if (nombre.back() == '.') nombre.pop_back();
  return nombre;
}

// Written in the C way whatever the system's language, then given the
// separator asked for.
std::string Ecrit(double valeur, std::chars_format forme, int precision) {
  char tampon[64];
  const auto [fin, erreur] = std::to_chars(tampon, tampon + sizeof tampon, valeur, forme, precision);
  return erreur == std::errc() ? std::string(tampon, fin) : std::string();
}

std::string AvecSeparateur(std::string texte, const std::string& separateur) {
  const std::size_t point = texte.find('.');
  if (point != std::string::npos) texte.replace(point, 1, separateur);
  return texte;
}

}  // namespace

std::string QuatreChiffres(double valeur, const std::string& separateurDecimal) {
  if (valeur == 0) return "0";
  // Rounded once to four significant digits; the exponent is that of the rounded value.
  const std::string scientifique = Ecrit(valeur, std::chars_format::scientific, 3);
  const std::size_t e = scientifique.find('e');
  const int exposant = std::atoi(scientifique.c_str() + e + 1);
  if (exposant < 4 && std::fabs(valeur) >= 0.00001) {
    const std::string fixe = Ecrit(valeur, std::chars_format::fixed, std::max(0, 3 - exposant));
    return AvecSeparateur(SansZerosFinaux(fixe), separateurDecimal);
  }
  char suffixe[16];
  std::snprintf(suffixe, sizeof suffixe, "E%c%04d", exposant < 0 ? '-' : '+', std::abs(exposant));
  return AvecSeparateur(SansZerosFinaux(scientifique.substr(0, e)), separateurDecimal) + suffixe;
}

void MiniCalculatrice::Enfonce() {
  if (!resultatAffiche_) return;
  saisie_.clear();
  nombre1_.clear();
  nombre2_.clear();
  operateur_.clear();
  resultatAffiche_ = false;
}

void MiniCalculatrice::Tape(char caractere) {
  if (caractere >= '0' && caractere <= '9') (operation_ == 0 ? nombre1_ : nombre2_) += caractere;
  if (saisie_.size() < LongueurSaisie) saisie_ += caractere;
}

void MiniCalculatrice::Relache(Touche touche) {
  switch (touche) {
    case Touche::Chiffre: return;
    case Touche::Fois: operation_ = 'x'; break;
    case Touche::Plus: operation_ = '+'; break;
    case Touche::Moins: operation_ = '-'; break;
    case Touche::Divise: operation_ = '/'; break;
    case Touche::Entree: Calcule(); return;
    case Touche::Autre:
      saisie_.clear();
      Efface();
      return;
  }
  operateur_.assign(1, operation_);
}

void MiniCalculatrice::Efface() {
  operation_ = 0;
  nombre1_.clear();
  operateur_.clear();
  nombre2_.clear();
}

void MiniCalculatrice::Calcule() {
  resultatAffiche_ = true;
  const char operation = operation_;
  operation_ = 0;
  if (operation == 0) return;
  const std::optional<std::int64_t> a = Operande(nombre1_);
  const std::optional<std::int64_t> b = Operande(nombre2_);
  if (!a || !b || (operation == '/' && *b == 0)) {
    resultat_ = "???";
    return;
  }
  if (operation == '/') {
    resultat_ = QuatreChiffres(static_cast<double>(*a) / static_cast<double>(*b), separateur_);
    return;
  }
  const std::int64_t valeur = operation == '+' ? *a + *b : operation == '-' ? *a - *b : *a * *b;
  // A sum or product beyond the game's numbers is not shown wrapped round.
  const bool horsLimites =
      valeur > std::numeric_limits<std::int32_t>::max() || valeur < std::numeric_limits<std::int32_t>::min();
  resultat_ = horsLimites ? "???" : std::to_string(valeur);
}

}  // namespace tolvan
