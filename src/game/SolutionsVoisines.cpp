#include "SolutionsVoisines.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "EffortSolution.h"
#include "engine/SolutionText.h"

namespace tolvan {

namespace {

const SolutionsVues Aucune;

// The lines a person would write with `x` and `y` by the game's rules (the
// larger first, every result a positive whole number within the game's
// numbers), leaving out the ones that change nothing (x1, /1).
std::vector<TEtape> LignesPermises(longint x, longint y) {
  std::vector<TEtape> lignes;
  const longint a = std::max(x, y);
  const longint b = std::min(x, y);
  if (b < 1) return lignes;
  lignes.push_back({a, b, OperAddition});
  if (a > b) lignes.push_back({a, b, OperSoustraction});
  if (b > 1) lignes.push_back({a, b, OperMultiplication});
  if (b > 1 && a % b == 0) lignes.push_back({a, b, OperDivision});
  std::erase_if(lignes, [](const TEtape& e) {
    const std::int64_t grand = e.Oper == OperMultiplication ? std::int64_t{e.Op1} * e.Op2 : std::int64_t{e.Op1} + e.Op2;
    return grand > std::numeric_limits<longint>::max();
  });
  return lignes;
}

// Keeps `chaine` and every chain that goes on from it with one more unused
// drawn number a line.
void Prolonge(const TTirage& tirage, TSolution& chaine, std::array<bool, NbNombres + 1>& pris,
              std::vector<Enchainement>& resultats) {
  const int k = chaine.NbEtapes;
  const longint dernier = chaine.Resultats[k];
  resultats.push_back({dernier, {chaine, EffortSolution(chaine, dernier)}});
  if (k == NombreDeLignesSimples) return;
  for (std::size_t i = 1; i <= NbNombres; ++i) {
    if (pris[i]) continue;
    pris[i] = true;
    for (const TEtape& ligne : LignesPermises(dernier, tirage.Nombres[i])) {
      chaine.NbEtapes = static_cast<word>(k + 1);
      chaine.Etapes[k + 1] = ligne;
      chaine.Resultats[k + 1] = Calcule(ligne);
      Prolonge(tirage, chaine, pris, resultats);
    }
    pris[i] = false;
  }
  chaine.NbEtapes = static_cast<word>(k);
}

std::vector<Enchainement> Enchaine(const TTirage& tirage) {
  std::vector<Enchainement> resultats;
  std::array<bool, NbNombres + 1> pris{};
  for (std::size_t i = 1; i <= NbNombres; ++i) {
    for (std::size_t j = i + 1; j <= NbNombres; ++j) {
      pris[i] = pris[j] = true;
      for (const TEtape& ligne : LignesPermises(tirage.Nombres[i], tirage.Nombres[j])) {
        TSolution chaine;
        chaine.NbEtapes = 1;
        chaine.Etapes[1] = ligne;
        chaine.Resultats[1] = Calcule(ligne);
        Prolonge(tirage, chaine, pris, resultats);
      }
      pris[i] = pris[j] = false;
    }
  }
  std::stable_sort(resultats.begin(), resultats.end(),
                   [](const Enchainement& x, const Enchainement& y) { return x.first < y.first; });
  return resultats;
}

}  // namespace

SolutionsVoisines::SolutionsVoisines(const Solveur& cherche) : tirage_(cherche.Tirage) {
  const longint cible = tirage_.Resultat;
  if (cherche.NbSolutions == 0) {
    connues_[cible];  // out of reach; nothing else is known
    return;
  }
  const TSolution& premiere = cherche.Solutions[1];
  atteint_ = premiere.Resultats[premiere.NbEtapes];
  Range(atteint_, cherche);
  if (atteint_ != cible) {
    // Only the nearest reachable number's solutions are in the table.
    ecartSansSolution_ = std::abs(atteint_ - cible);
    connues_[cible];
  }
}

SolutionsVoisines::~SolutionsVoisines() = default;

SolutionsVues& SolutionsVoisines::Range(longint valeur, const Solveur& cherche) {
  SolutionsVues& vues = connues_[valeur];
  vues.reserve(cherche.NbSolutions);
  for (word i = 1; i <= cherche.NbSolutions; ++i) {
    const TSolution& solution = cherche.Solutions[i];
    vues.push_back({solution, EffortSolution(solution, valeur)});
  }
  return vues;
}

bool SolutionsVoisines::DansLaRecherche(longint valeur) const {
  return valeur == tirage_.Resultat || valeur == atteint_ || valeur < 1 ||
         std::abs(valeur - tirage_.Resultat) < ecartSansSolution_;
}

bool SolutionsVoisines::Connue(longint valeur) const {
  return connues_.contains(valeur) || DansLaRecherche(valeur);
}

const SolutionsVues& SolutionsVoisines::De(longint valeur) {
  if (const auto trouvee = connues_.find(valeur); trouvee != connues_.end()) return trouvee->second;
  if (Connue(valeur)) return Aucune;
  if (!autre_) autre_ = std::make_unique<Solveur>();
  TTirage tirage = tirage_;
  tirage.Resultat = valeur;
  autre_->ChangeTirage(tirage);
  autre_->ChercheEnSerie();  // no fallback: only this number's own solutions
  ++recherches_;
  return Range(valeur, *autre_);
}

const std::vector<Enchainement>& SolutionsVoisines::EnchainementsSimples() {
  if (!enchainements_) enchainements_ = Enchaine(tirage_);
  return *enchainements_;
}

}  // namespace tolvan
