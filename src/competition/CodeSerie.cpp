#include "CodeSerie.h"

#include <array>
#include <cctype>

namespace tolvan {

namespace {

constexpr int BitsCaractere = 5;
constexpr int BitsTirages = 5;
constexpr int BitsTemps = 9;
constexpr int CaracteresDonnees = CodeSerie::Longueur - 1;  // the check character last

// x times `valeur` in GF(32) built on x^5 + x^2 + 1.
int FoisX(int valeur) {
  valeur <<= 1;
  return (valeur & 0b100000) != 0 ? valeur ^ 0b100101 : valeur;
}

// The digits read as a polynomial over GF(32), the first the highest power,
// taken at x (Horner's rule).
template <class Chiffres>
int ValeurEnX(const Chiffres& chiffres, int combien) {
  int valeur = 0;
  for (int i = 0; i < combien; ++i) valeur = FoisX(valeur) ^ chiffres[static_cast<std::size_t>(i)];
  return valeur;
}

// A character's digit, read as Crockford says; -1 for a character no code holds.
int Chiffre(char c) {
  if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  if (c == 'O') c = '0';
  if (c == 'I' || c == 'L') c = '1';
  const std::size_t place = CodeSerie::Alphabet.find(c);
  return place == std::string_view::npos ? -1 : static_cast<int>(place);
}

// The whole character starting at `debut`, a UTF-8 sequence kept together,
// so that a message quotes what the player typed.
std::string CaractereEntier(std::string_view texte, std::size_t debut) {
  std::size_t fin = debut + 1;
  while (fin < texte.size() && (static_cast<unsigned char>(texte[fin]) & 0xC0) == 0x80) ++fin;
  return std::string(texte.substr(debut, fin - debut));
}

using Chiffres = std::array<int, CodeSerie::Longueur>;

std::uint64_t Assemble(const Chiffres& chiffres) {
  std::uint64_t valeur = 0;
  for (int i = 0; i < CaracteresDonnees; ++i) {
    valeur = (valeur << BitsCaractere) | static_cast<std::uint64_t>(chiffres[static_cast<std::size_t>(i)]);
  }
  return valeur;
}

}  // namespace

std::optional<CodeSerie> CodeSerie::Fait(const ParametresSerie& parametres, std::string& erreur) {
  if (parametres.tirages < 1 || parametres.tirages > TiragesMax) {
    erreur = "Le nombre de tirages doit être entre 1 et " + std::to_string(TiragesMax) + " (reçu " +
             std::to_string(parametres.tirages) + ").";
    return std::nullopt;
  }
  if (parametres.temps < TempsMin || parametres.temps > TempsMax) {
    erreur = "Le temps doit être entre " + std::to_string(TempsMin) + " et " + std::to_string(TempsMax) +
             " secondes (reçu " + std::to_string(parametres.temps) + ").";
    return std::nullopt;
  }
  if (parametres.graine > GraineMax) {
    erreur = "La graine doit être inférieure à 2^" + std::to_string(BitsGraine) + ".";
    return std::nullopt;
  }
  return CodeSerie(parametres);
}

std::optional<CodeSerie> CodeSerie::Lit(std::string_view texte, std::string& erreur) {
  Chiffres chiffres{};
  int lus = 0;
  for (std::size_t i = 0; i < texte.size(); ++i) {
    if (texte[i] == '-' || std::isspace(static_cast<unsigned char>(texte[i]))) continue;
    const int chiffre = Chiffre(texte[i]);
    if (chiffre < 0) {
      erreur = "« " + CaractereEntier(texte, i) + " » ne peut pas figurer dans un code de partie.";
      return std::nullopt;
    }
    if (lus < Longueur) chiffres[static_cast<std::size_t>(lus)] = chiffre;
    ++lus;
  }
  if (lus == 0) {
    erreur = "Aucun code n'a été saisi.";
    return std::nullopt;
  }
  if (lus != Longueur) {
    erreur = "Un code de partie a " + std::to_string(Longueur) + " caractères ; celui-ci en a " +
             std::to_string(lus) + ".";
    return std::nullopt;
  }
  if (ValeurEnX(chiffres, Longueur) != 0) {
    erreur = "Ce code est mal recopié : son caractère de contrôle ne correspond pas.";
    return std::nullopt;
  }
  if (chiffres[0] != Version) {
    erreur = "Ce code est d'un format que cette version de Tolvan ne connaît pas (format " +
             std::to_string(chiffres[0]) + ").";
    return std::nullopt;
  }
  std::uint64_t bits = Assemble(chiffres);
  ParametresSerie parametres;
  parametres.graine = bits & GraineMax;
  bits >>= BitsGraine;
  parametres.realisables = (bits & 1) != 0;
  bits >>= 1;
  parametres.temps = static_cast<int>(bits & ((1u << BitsTemps) - 1));
  bits >>= BitsTemps;
  parametres.tirages = static_cast<int>(bits & ((1u << BitsTirages) - 1)) + 1;
  std::string pourquoi;
  const std::optional<CodeSerie> code = Fait(parametres, pourquoi);
  if (!code) erreur = "Ce code ne donne pas une partie possible. " + pourquoi;
  return code;
}

std::string CodeSerie::Texte() const {
  std::uint64_t bits = static_cast<std::uint64_t>(Version);
  bits = (bits << BitsTirages) | static_cast<std::uint64_t>(parametres_.tirages - 1);
  bits = (bits << BitsTemps) | static_cast<std::uint64_t>(parametres_.temps);
  bits = (bits << 1) | (parametres_.realisables ? 1u : 0u);
  bits = (bits << BitsGraine) | parametres_.graine;
  Chiffres chiffres{};
  for (int i = CaracteresDonnees - 1; i >= 0; --i) {
    chiffres[static_cast<std::size_t>(i)] = static_cast<int>(bits & 0b11111);
    bits >>= BitsCaractere;
  }
  // Adding c at x^0 to a value v (in GF(32), adding is XOR) gives 0 when c is v times x.
  chiffres[CaracteresDonnees] = FoisX(ValeurEnX(chiffres, CaracteresDonnees));
  std::string texte;
  for (int i = 0; i < Longueur; ++i) {
    if (i > 0 && i % 4 == 0) texte += '-';
    texte += Alphabet[static_cast<std::size_t>(chiffres[static_cast<std::size_t>(i)])];
  }
  return texte;
}

std::string CodeSerie::Description() const {
  return std::to_string(Tirages()) + (Tirages() > 1 ? " tirages de " : " tirage de ") + std::to_string(Temps()) +
         " s" + (Realisables() ? ", réalisables uniquement" : "");
}

}  // namespace tolvan
