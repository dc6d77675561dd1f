#include "Adversaire.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

#include "EffortSolution.h"
#include "SplitMix64.h"
#include "engine/SolutionText.h"

namespace tolvan {

namespace {

constexpr double Jamais = std::numeric_limits<double>::infinity();

// Calibrated with `tolvan-stats --adversaires` (see the README).
constexpr std::array<ProfilAdversaire, ForceMax> Profils = {{
    {"Débutant", 4.5, 7.5, 0.9, 0.06, Jamais},
    {"Amateur", 5.0, 5.3, 0.8, 0.04, Jamais},
    {"Joueur de club", 5.5, 3.2, 0.7, 0.03, Jamais},
    {"Expert", 6.5, 1.6, 0.6, 0.02, Jamais},
    {"Champion", Jamais, 1.0, 0.5, 0.0, 10.0},
}};

// The random numbers of one look at one number: the same on every machine,
// as they come from the seed, the strength, the draw and the number alone,
// through plain arithmetic (no standard-library distribution).
class Hasard {
 public:
  Hasard(std::uint64_t graine, int force, const TTirage& tirage, longint valeur) : generateur_(0) {
    std::uint64_t cle = graine;
    const auto melange = [&cle](std::uint64_t x) { cle = SplitMix64(cle ^ x).Suivant(); };
    melange(static_cast<std::uint64_t>(force));
    for (const longint n : tirage.Nombres) melange(static_cast<std::uint64_t>(n));
    melange(static_cast<std::uint64_t>(tirage.Resultat));
    melange(static_cast<std::uint64_t>(valeur));
    generateur_ = SplitMix64(cle);
  }
  // Uniform in [0, 1), on 53 bits.
  double Uniforme() { return static_cast<double>(generateur_.Suivant() >> 11) * 0x1.0p-53; }
  // Standard normal, approximately: the sum of twelve uniforms less 6
  // (Irwin-Hall), which needs no logarithm or cosine.
  double Normale() {
    double somme = -6.0;
    for (int i = 0; i < 12; ++i) somme += Uniforme();
    return somme;
  }

 private:
  SplitMix64 generateur_;
};

// The first time it sees one of `vues` (Jamais if it sees none), and which.
struct Trouvaille {
  double secondes = Jamais;
  TSolution solution;
  bool Faite() const { return solution.NbEtapes > 0; }
};

Trouvaille PremiereVue(const SolutionsVues& vues, const ProfilAdversaire& profil, Hasard hasard) {
  Trouvaille premiere;
  for (const SolutionVue& vue : vues) {
    if (vue.effort > profil.portee) continue;
    const double mediane = profil.secondesUneLigne * std::pow(FacteurParEffort, vue.effort - 1.0);
    const double secondes = std::min(mediane * std::exp(profil.dispersion * hasard.Normale()), profil.plafond);
    if (secondes < premiere.secondes) premiere = {secondes, vue.solution};
  }
  return premiere;
}

double EnDixiemes(double secondes) { return std::ceil(secondes * 10.0 - 1e-9) / 10.0; }

}  // namespace

const ProfilAdversaire& ProfilDeForce(int force) {
  return Profils[static_cast<std::size_t>(std::clamp(force, ForceMin, ForceMax) - ForceMin)];
}

std::vector<std::string> ReponseAdversaire::Lignes() const {
  std::vector<std::string> lignes;
  for (int k = 1; k <= solution.NbEtapes; ++k) lignes.push_back(TexteEtape(solution.Etapes[k]));
  return lignes;
}

Adversaire::Adversaire(int force, std::uint64_t graine)
    : force_(std::clamp(force, ForceMin, ForceMax)), graine_(graine) {}

ReponseAdversaire Adversaire::Repond(SolutionsVoisines& solutions, double secondesDonnees) const {
  const ProfilAdversaire& profil = Profil();
  const TTirage& tirage = solutions.Tirage();
  const longint cible = tirage.Resultat;
  const auto regarde = [&](longint valeur, const SolutionsVues& vues) {
    return PremiereVue(vues, profil, Hasard(graine_, force_, tirage, valeur));
  };
  const auto reponse = [&](const Trouvaille& trouvaille) {
    ReponseAdversaire r;
    r.solution = trouvaille.solution;
    r.annonce = r.solution.Resultats[r.solution.NbEtapes];
    r.exact = r.annonce == cible;
    r.secondes = std::min(EnDixiemes(trouvaille.secondes), secondesDonnees);
    return r;
  };

  // A lapse: whatever it sees, it does not see the target this time (drawn
  // from the numbers of the look at 0, which is never looked at).
  const bool distrait = Hasard(graine_, force_, tirage, 0).Uniforme() < profil.distraction;
  const std::vector<Enchainement>& simples = solutions.EnchainementsSimples();
  longint ecartMax = 0;
  if (!simples.empty()) ecartMax = std::max(std::abs(simples.front().first - cible), std::abs(simples.back().first - cible));
  SolutionsVues simplesDeLaValeur;

  // Numbers in order of distance from the target, the first found in time
  // being its answer.
  int autresRegardes = 0;
  const auto solutionsDe = [&](longint valeur) -> const SolutionsVues* {
    if (solutions.DansLaRecherche(valeur)) return &solutions.De(valeur);
    if (autresRegardes < NombresVoisinsRegardes) {
      ++autresRegardes;
      return &solutions.De(valeur);
    }
    const auto [debut, fin] = std::equal_range(simples.begin(), simples.end(), Enchainement{valeur, {}},
                                               [](const Enchainement& x, const Enchainement& y) { return x.first < y.first; });
    if (debut == fin) return nullptr;
    simplesDeLaValeur.clear();
    for (auto e = debut; e != fin; ++e) simplesDeLaValeur.push_back(e->second);
    return &simplesDeLaValeur;
  };
  for (longint ecart = 0; ecart <= ecartMax; ++ecart) {
    Trouvaille meilleure;
    for (const int cote : {-1, 1}) {
      const longint valeur = cible + cote * ecart;
      if (valeur < 1 || (ecart == 0 && (cote > 0 || distrait))) continue;
      const SolutionsVues* vues = solutionsDe(valeur);
      if (!vues) continue;
      const Trouvaille trouvaille = regarde(valeur, *vues);
      if (trouvaille.secondes < meilleure.secondes) meilleure = trouvaille;
    }
    if (meilleure.Faite() && meilleure.secondes <= secondesDonnees) return reponse(meilleure);
  }
  return ReponseAdversaire{0, false, std::max(0.0, secondesDonnees), {}};
}

}  // namespace tolvan
