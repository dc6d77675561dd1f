#include "LigneClub.h"

#include <algorithm>
#include <limits>

#include "engine/Entier.h"
#include "game/Formule.h"
#include "library/ChampsCsv.h"

namespace tolvan {

namespace {

constexpr int PointsMax = 10;
// A field quoted in a reason is cut after this many characters.
constexpr std::size_t CitationMax = 40;

constexpr char Tabulation = '\t';

// C0, DEL and, in UTF-8, the C1 controls (U+0080 to U+009F, after 0xC2).
bool Controle(std::string_view texte, std::size_t i) {
  const auto octet = static_cast<unsigned char>(texte[i]);
  if (octet < 0x20 || octet == 0x7F) return true;
  return octet == 0xC2 && i + 1 < texte.size() && static_cast<unsigned char>(texte[i + 1]) < 0xA0;
}

// A tab is no control here: it separates cells copied from a spreadsheet.
bool ContientControle(std::string_view texte) {
  for (std::size_t i = 0; i < texte.size(); ++i) {
    if (texte[i] != Tabulation && Controle(texte, i)) return true;
  }
  return false;
}

std::string_view SansEspaces(std::string_view texte) {
  const std::size_t debut = texte.find_first_not_of(" \t");
  if (debut == std::string_view::npos) return {};
  return texte.substr(debut, texte.find_last_not_of(" \t") - debut + 1);
}

// At most CitationMax characters of `texte` (UTF-8), "…" after a cut.
std::string Abrege(std::string_view texte) {
  std::size_t caracteres = 0;
  for (std::size_t i = 0; i < texte.size(); ++i) {
    if ((static_cast<unsigned char>(texte[i]) & 0xC0) == 0x80) continue;
    if (caracteres++ == CitationMax) return std::string(texte.substr(0, i)) + "…";
  }
  return std::string(texte);
}

// Cut at its semicolons; cells copied from a spreadsheet come with tabs
// between them instead.
std::vector<std::string_view> Champs(std::string_view ligne) {
  const char separateur = ligne.find(SeparateurCsv) == std::string_view::npos ? Tabulation : SeparateurCsv;
  std::vector<std::string_view> champs;
  for (std::size_t debut = 0;;) {
    const std::size_t fin = ligne.find(separateur, debut);
    champs.push_back(SansEspaces(ligne.substr(debut, fin - debut)));
    if (fin == std::string_view::npos) return champs;
    debut = fin + 1;
  }
}

std::optional<longint> Naturel(std::string_view champ, longint maximum) {
  if (champ.empty() || champ.front() == '-' || champ.front() == '+') return std::nullopt;
  const std::optional<longint> valeur = LitEntier(champ);
  if (!valeur || *valeur > maximum) return std::nullopt;
  return valeur;
}

// Reads the fields after the name into `ligne`; false, with `raison`, at
// the first that is not a number of its kind.
bool LitNombres(const std::vector<std::string_view>& champs, int tirages, bool avecResultats, LigneClub& ligne,
                std::string& raison, const PhrasesArbitrage& mots) {
  const std::optional<longint> total = Naturel(champs[2], PointsMax * CodeSerie::TiragesMax);
  if (!total) {
    raison = Formule(mots.totalIllisible, {Abrege(champs[2])});
    return false;
  }
  ligne.total = *total;
  for (int i = 0; i < tirages; ++i) {
    const std::string_view champ = champs[3 + static_cast<std::size_t>(i)];
    const std::optional<longint> points = Naturel(champ, PointsMax);
    if (!points) {
      raison = Formule(mots.pointsIllisibles, {std::to_string(i + 1), Abrege(champ)});
      return false;
    }
    ligne.points.push_back(*points);
  }
  if (!avecResultats) return true;
  ligne.resultats.emplace();
  for (int i = 0; i < tirages; ++i) {
    const std::string_view champ = champs[3 + static_cast<std::size_t>(tirages + i)];
    const std::optional<longint> resultat = champ.empty() ? std::nullopt : Naturel(champ, std::numeric_limits<longint>::max());
    if (!champ.empty() && (!resultat || *resultat == 0)) {
      raison = Formule(mots.resultatIllisible, {std::to_string(i + 1), Abrege(champ)});
      return false;
    }
    ligne.resultats->push_back(resultat);
  }
  return true;
}

}  // namespace

std::string NomPourLigne(std::string_view nom) {
  std::string propre;
  for (std::size_t i = 0; i < nom.size(); ++i) {
    if (Controle(nom, i)) {
      // A C1 control is two bytes in UTF-8: both give one space.
      if (static_cast<unsigned char>(nom[i]) == 0xC2) ++i;
      propre += ' ';
    } else {
      propre += nom[i] == SeparateurCsv ? ',' : nom[i];
    }
  }
  const std::string_view sans = SansEspaces(propre);
  return sans.empty() ? NomParDefaut : std::string(sans);
}

std::string EcritLigneClub(const LigneClub& ligne) {
  std::string texte = ligne.code.Texte() + SeparateurCsv + ChampCsv(NomPourLigne(ligne.nom)) + SeparateurCsv +
                      std::to_string(ligne.total);
  for (const int points : ligne.points) texte += SeparateurCsv + std::to_string(points);
  if (!ligne.resultats) return texte;
  for (const std::optional<longint>& resultat : *ligne.resultats) {
    texte += SeparateurCsv;
    if (resultat) texte += std::to_string(*resultat);
  }
  return texte;
}

std::optional<LigneClub> LitLigneClub(std::string_view texte, std::string& raison, const PhrasesArbitrage& mots) {
  if (ContientControle(SansEspaces(texte))) {
    raison = mots.controle;
    return std::nullopt;
  }
  std::vector<std::string_view> champs = Champs(texte);
  if (champs.size() < 4) {
    raison = mots.pasUneLigne;
    return std::nullopt;
  }
  std::string pourquoi;
  const std::optional<CodeSerie> code = CodeSerie::Lit(champs[0], pourquoi);
  if (!code) {
    raison = Formule(mots.codeIllisible, {pourquoi});
    return std::nullopt;
  }
  const auto tirages = static_cast<std::size_t>(code->Tirages());
  const std::size_t complete = 3 + 2 * tirages, sansResultats = 3 + tirages;
  // A spreadsheet that saved the line may have added empty fields after it.
  while (champs.size() > complete && champs.back().empty()) champs.pop_back();
  if (champs.size() != complete && champs.size() != sansResultats) {
    raison = Formule(mots.nombreDeChamps, {std::to_string(champs.size()), std::to_string(tirages),
                                           std::to_string(complete), std::to_string(sansResultats)});
    return std::nullopt;
  }
  const std::string nom = TexteDeChampCsv(champs[1]);
  if (SansEspaces(nom).empty()) {
    raison = mots.nomVide;
    return std::nullopt;
  }
  // A tab left in the name, as a line written by Tolvan would have it.
  LigneClub ligne{*code, NomPourLigne(nom), 0, {}, std::nullopt};
  if (!LitNombres(champs, code->Tirages(), champs.size() == complete, ligne, raison, mots)) return std::nullopt;
  return ligne;
}

}  // namespace tolvan
