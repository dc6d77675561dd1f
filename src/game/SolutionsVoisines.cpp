#include "SolutionsVoisines.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "EffortSolution.h"
#include "LignesEvidentes.h"
#include "engine/SolutionText.h"

namespace tolvan {

namespace {

const SolutionsVues Aucune;

// Writes `ligne` as line `k` of `chaine`, its last.
void Ecrit(TSolution& chaine, int k, const TEtape& ligne) {
  chaine.NbEtapes = static_cast<word>(k);
  chaine.Etapes[static_cast<std::size_t>(k)] = ligne;
  chaine.Resultats[static_cast<std::size_t>(k)] = Calcule(ligne);
}

// Keeps `chaine` and every chain that goes on from it with one more unused
// drawn number a line.
void Prolonge(const TTirage& tirage, TSolution& chaine, std::array<bool, NbNombres + 1>& pris,
              EnchainementsParValeur& resultats) {
  const int k = chaine.NbEtapes;
  const longint dernier = chaine.Resultats[k];
  resultats[dernier].push_back({chaine, EffortSolution(chaine, dernier)});
  if (k == NombreDeLignesSimples) return;
  for (std::size_t i = 1; i <= NbNombres; ++i) {
    if (pris[i]) continue;
    pris[i] = true;
    for (const TEtape& ligne : LignesPermises(dernier, tirage.Nombres[i])) {
      Ecrit(chaine, k + 1, ligne);
      Prolonge(tirage, chaine, pris, resultats);
    }
    pris[i] = false;
  }
  chaine.NbEtapes = static_cast<word>(k);
}

// Keeps every chain that puts the pair `chaine` (one line) together with a
// second pair of drawn numbers not yet taken: (75+25)x(7+3).
void AssociePaires(const TTirage& tirage, TSolution chaine, std::size_t premier,
                   const std::array<bool, NbNombres + 1>& pris, EnchainementsParValeur& resultats) {
  const longint paire = chaine.Resultats[1];
  // Each two pairs once: the second starts after the first.
  for (std::size_t i = premier + 1; i <= NbNombres; ++i) {
    for (std::size_t j = i + 1; j <= NbNombres; ++j) {
      if (pris[i] || pris[j]) continue;
      for (const TEtape& seconde : LignesPermises(tirage.Nombres[i], tirage.Nombres[j])) {
        Ecrit(chaine, 2, seconde);
        for (const TEtape& ensemble : LignesPermises(paire, chaine.Resultats[2])) {
          Ecrit(chaine, 3, ensemble);
          resultats[chaine.Resultats[3]].push_back({chaine, EffortSolution(chaine, chaine.Resultats[3])});
        }
      }
    }
  }
}

EnchainementsParValeur Enchaine(const TTirage& tirage) {
  EnchainementsParValeur resultats;
  std::array<bool, NbNombres + 1> pris{};
  for (std::size_t i = 1; i <= NbNombres; ++i) {
    for (std::size_t j = i + 1; j <= NbNombres; ++j) {
      pris[i] = pris[j] = true;
      for (const TEtape& ligne : LignesPermises(tirage.Nombres[i], tirage.Nombres[j])) {
        TSolution chaine;
        Ecrit(chaine, 1, ligne);
        Prolonge(tirage, chaine, pris, resultats);
        AssociePaires(tirage, chaine, i, pris, resultats);
      }
      pris[i] = pris[j] = false;
    }
  }
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

std::vector<longint> SolutionsVoisines::Voisins(int nombre) const {
  std::vector<longint> voisins;
  const longint cible = tirage_.Resultat;
  for (longint ecart = std::max<longint>(ecartSansSolution_, 1); std::ssize(voisins) < nombre; ++ecart) {
    for (const longint valeur : {cible - ecart, cible + ecart}) {
      if (!DansLaRecherche(valeur) && std::ssize(voisins) < nombre) voisins.push_back(valeur);
    }
  }
  return voisins;
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

const EnchainementsParValeur& SolutionsVoisines::EnchainementsSimples() {
  if (!enchainements_) enchainements_ = Enchaine(tirage_);
  return *enchainements_;
}

}  // namespace tolvan
