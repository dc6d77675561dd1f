#include "SolutionsVoisines.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "EffortSolution.h"
#include "engine/SolutionText.h"

namespace tolvan {

namespace {

const SolutionsVues Aucune;

void Prolonge(const TTirage& tirage, TSolution& chaine, std::array<bool, NbNombres + 1>& pris,
              std::vector<Enchainement>& resultats) {
  const int k = chaine.NbEtapes;
  const longint dernier = chaine.Resultats[k];
  resultats.push_back({dernier, {chaine, EffortSolution(chaine, dernier)}});
  if (k == NombreDeLignesSimples) return;
  for (int i = 1; i <= NbNombres; ++i) {
    const longint n = tirage.Nombres[i];
    if (pris[static_cast<std::size_t>(i)] || n < 1) continue;
    const longint a = std::max(dernier, n);
    const longint b = std::min(dernier, n);
    for (const longint oper : {OperAddition, OperSoustraction, OperMultiplication, OperDivision}) {
      if ((oper == OperSoustraction && a == b) || (oper == OperDivision && a % b != 0)) continue;
      if ((oper == OperMultiplication || oper == OperDivision) && b == 1) continue;  // changes nothing
      chaine.NbEtapes = static_cast<word>(k + 1);
      chaine.Etapes[k + 1] = {a, b, oper};
      chaine.Resultats[k + 1] = Calcule(chaine.Etapes[k + 1]);
      pris[static_cast<std::size_t>(i)] = true;
      Prolonge(tirage, chaine, pris, resultats);
      pris[static_cast<std::size_t>(i)] = false;
    }
  }
  chaine.NbEtapes = static_cast<word>(k);
}

std::vector<Enchainement> Enchaine(const TTirage& tirage) {
  std::vector<Enchainement> resultats;
  std::array<bool, NbNombres + 1> pris{};
  for (int i = 1; i <= NbNombres; ++i) {
    for (int j = i + 1; j <= NbNombres; ++j) {
      const longint a = std::max(tirage.Nombres[i], tirage.Nombres[j]);
      const longint b = std::min(tirage.Nombres[i], tirage.Nombres[j]);
      if (b < 1) continue;
      for (const longint oper : {OperAddition, OperSoustraction, OperMultiplication, OperDivision}) {
        if ((oper == OperSoustraction && a == b) || (oper == OperDivision && a % b != 0)) continue;
        if ((oper == OperMultiplication || oper == OperDivision) && b == 1) continue;
        TSolution chaine;
        chaine.NbEtapes = 1;
        chaine.Etapes[1] = {a, b, oper};
        chaine.Resultats[1] = Calcule(chaine.Etapes[1]);
        pris[static_cast<std::size_t>(i)] = pris[static_cast<std::size_t>(j)] = true;
        Prolonge(tirage, chaine, pris, resultats);
        pris[static_cast<std::size_t>(i)] = pris[static_cast<std::size_t>(j)] = false;
      }
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
