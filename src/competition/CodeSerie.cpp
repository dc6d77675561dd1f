#include "CodeSerie.h"

#include <array>
#include <utility>

#include "engine/Utf8.h"

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

// The hyphen and the spaces a code is written with, and what a word
// processor, a web page or a chat puts in their place: no-break, thin and
// other typographic spaces, zero-width ones and joiners, the byte-order
// mark a pasted text may start with, typographic dashes and the minus sign.
constexpr std::array<std::pair<char32_t, char32_t>, 14> Separateurs = {{
    {U'-', U'-'},
    {U'\t', U'\r'},  // tab, line feed, vertical tab, form feed, carriage return
    {U' ', U' '},
    {0x00A0, 0x00A0},
    {0x00AD, 0x00AD},  // soft hyphen
    {0x2000, 0x200B},  // the typographic spaces, then the zero-width space
    {0x2010, 0x2015},  // hyphen, non-breaking hyphen, figure, en and em dashes, bar
    {0x202F, 0x202F},
    {0x205F, 0x2060},  // medium mathematical space, word joiner
    {0x2212, 0x2212},  // minus sign
    {0x3000, 0x3000},
    {0xFE63, 0xFE63},  // small hyphen-minus
    {0xFEFF, 0xFEFF},
    {0xFF0D, 0xFF0D},  // full-width hyphen-minus
}};

bool Separateur(char32_t caractere) {
  for (const auto& [premier, dernier] : Separateurs) {
    if (caractere >= premier && caractere <= dernier) return true;
  }
  return false;
}

// A character's digit, read as Crockford says; -1 for a character no code holds.
int Chiffre(char32_t caractere) {
  if (caractere >= 0x80) return -1;
  char c = static_cast<char>(caractere);
  if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  if (c == 'O') c = '0';
  if (c == 'I' || c == 'L') c = '1';
  const std::size_t place = CodeSerie::Alphabet.find(c);
  return place == std::string_view::npos ? -1 : static_cast<int>(place);
}

using Chiffres = std::array<int, CodeSerie::Longueur>;

std::uint64_t Assemble(const Chiffres& chiffres) {
  std::uint64_t valeur = 0;
  for (int i = 0; i < CaracteresDonnees; ++i) {
    valeur = (valeur << BitsCaractere) | static_cast<std::uint64_t>(chiffres[static_cast<std::size_t>(i)]);
  }
  return valeur;
}

// The parameters the data characters carry, from the last field up.
ParametresSerie ParametresDe(const Chiffres& chiffres) {
  std::uint64_t bits = Assemble(chiffres);
  ParametresSerie parametres;
  parametres.graine = bits & CodeSerie::GraineMax;
  bits >>= CodeSerie::BitsGraine;
  parametres.realisables = (bits & 1) != 0;
  bits >>= 1;
  parametres.temps = static_cast<int>(bits & ((1u << BitsTemps) - 1));
  bits >>= BitsTemps;
  parametres.tirages = static_cast<int>(bits & ((1u << BitsTirages) - 1)) + 1;
  return parametres;
}

// `code`, or nothing with `refus` written into `erreur` in French.
std::optional<CodeSerie> EnFrancais(std::optional<CodeSerie> code, const RefusCode& refus, std::string& erreur) {
  if (!code) erreur = TexteRefus(refus);
  return code;
}

}  // namespace

std::optional<CodeSerie> CodeSerie::Fait(const ParametresSerie& parametres, RefusCode& refus) {
  using Motif = RefusCode::Motif;
  if (parametres.tirages < 1 || parametres.tirages > TiragesMax) {
    refus = {Motif::TiragesHorsLimites, 0, parametres.tirages};
  } else if (parametres.temps < TempsMin || parametres.temps > TempsMax) {
    refus = {Motif::TempsHorsLimites, 0, parametres.temps};
  } else if (parametres.graine > GraineMax) {
    refus = {Motif::GraineTropGrande, 0, 0};
  } else {
    return CodeSerie(parametres);
  }
  return std::nullopt;
}

std::optional<CodeSerie> CodeSerie::Fait(const ParametresSerie& parametres, std::string& erreur) {
  RefusCode refus;
  return EnFrancais(Fait(parametres, refus), refus, erreur);
}

std::optional<CodeSerie> CodeSerie::Lit(std::string_view texte, RefusCode& refus) {
  using Motif = RefusCode::Motif;
  Chiffres chiffres{};
  int lus = 0;
  for (std::size_t i = 0; i < texte.size();) {
    const char32_t caractere = LitCaractereUtf8(texte, i);
    if (Separateur(caractere)) continue;
    const int chiffre = Chiffre(caractere);
    if (chiffre < 0) {
      refus = {Motif::CaractereInterdit, caractere, 0};
      return std::nullopt;
    }
    if (lus < Longueur) chiffres[static_cast<std::size_t>(lus)] = chiffre;
    ++lus;
  }
  if (lus == 0) {
    refus = {Motif::AucunCode, 0, 0};
  } else if (lus != Longueur) {
    refus = {Motif::MauvaiseLongueur, 0, lus};
  } else if (ValeurEnX(chiffres, Longueur) != 0) {
    refus = {Motif::ControleFaux, 0, 0};
  } else if (chiffres[0] != Version) {
    refus = {Motif::FormatInconnu, 0, chiffres[0]};
  } else {
    RefusCode pourquoi;
    if (std::optional<CodeSerie> code = Fait(ParametresDe(chiffres), pourquoi)) return code;
    // Of the fields a well-checked code carries, only the clock's nine bits
    // can hold a value out of range.
    refus = {Motif::PartieImpossible, 0, pourquoi.valeur};
  }
  return std::nullopt;
}

std::optional<CodeSerie> CodeSerie::Lit(std::string_view texte, std::string& erreur) {
  RefusCode refus;
  return EnFrancais(Lit(texte, refus), refus, erreur);
}

std::optional<std::string> CodeSerie::TexteNormalise(std::string_view texte, RefusCode& refus) {
  const std::optional<CodeSerie> code = Lit(texte, refus);
  if (!code) return std::nullopt;
  return code->Texte();
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
