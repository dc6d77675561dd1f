#include "Adversaire.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <utility>

#include "EffortSolution.h"
#include "LignesEvidentes.h"
#include "LoiDuRegard.h"
#include "engine/SolutionText.h"

namespace tolvan {

namespace {

using Trouvaille = Adversaire::Trouvaille;

longint EcartA(longint valeur, longint cible) {
  return static_cast<longint>(std::abs(std::int64_t{valeur} - cible));
}

// What it has in hand when it misses the target: the numbers it came across
// while looking for it. It does not look for them, so each is noticed by
// its easiest way alone (the target's many ways each being a way in is
// what sets a draw with many solutions apart), after that way's time, then
// finished with the obvious lines, one easy line's time each, all within
// the clock. Its answer is the nearest to the target, the first had among
// equally near ones.
class AuPlusPres {
 public:
  AuPlusPres(const TTirage& tirage, const ProfilAdversaire& profil, double plafond, double secondesDonnees)
      : tirage_(tirage), profil_(profil), plafond_(plafond), secondesDonnees_(secondesDonnees) {}

  void Examine(const SolutionsVues& vues, HasardDuRegard hasard) {
    const std::optional<Trouvaille> vue = LaPlusFacile(vues, hasard);
    if (!vue || vue->secondes > secondesDonnees_) return;
    const longint ecart = EcartA(vue->solution.Resultats[vue->solution.NbEtapes], tirage_.Resultat);
    if (meilleure_.Faite() && (ecart > ecart_ || (ecart == ecart_ && vue->secondes >= meilleure_.secondes))) return;
    meilleure_ = *vue;
    ecart_ = ecart;
  }

  const Trouvaille& Meilleure() const { return meilleure_; }
  // How far the best so far is (the largest number when none).
  longint Ecart() const { return meilleure_.Faite() ? ecart_ : std::numeric_limits<longint>::max(); }

 private:
  // The easiest of `vues`, finished, and when it has it;
  // a way one obvious line from the target is not a miss but part of
  // seeing the target, so it is passed over.
  std::optional<Trouvaille> LaPlusFacile(const SolutionsVues& vues, HasardDuRegard& hasard) const {
    std::vector<const SolutionVue*> parEffort;
    for (const SolutionVue& vue : vues) parEffort.push_back(&vue);
    std::stable_sort(parEffort.begin(), parEffort.end(),
                     [](const SolutionVue* x, const SolutionVue* y) { return x->effort < y->effort; });
    for (const SolutionVue* vue : parEffort) {
      const std::optional<TSolution> finie = FinitAuPlusPres(tirage_, vue->solution, tirage_.Resultat);
      if (!finie) continue;
      const int ajoutees = finie->NbEtapes - vue->solution.NbEtapes;
      const double secondes = SecondesPourVoir(vue->effort, profil_, plafond_, hasard) + ajoutees * profil_.secondesUneLigne;
      return Trouvaille{std::min(secondes, plafond_), *finie};
    }
    return std::nullopt;
  }

  const TTirage& tirage_;
  const ProfilAdversaire& profil_;
  double plafond_;  // the draw's
  double secondesDonnees_;
  Trouvaille meilleure_;
  longint ecart_ = 0;
};

double EnDixiemes(double secondes) { return std::ceil(secondes * 10.0 - 1e-9) / 10.0; }

ReponseAdversaire ReponseDe(const Trouvaille& trouvaille, longint cible, double secondesDonnees) {
  ReponseAdversaire r;
  r.solution = trouvaille.solution;
  r.annonce = r.solution.Resultats[r.solution.NbEtapes];
  r.exact = r.annonce == cible;
  r.secondes = std::min(EnDixiemes(trouvaille.secondes), secondesDonnees);
  return r;
}

}  // namespace

std::vector<std::string> ReponseAdversaire::Lignes() const {
  std::vector<std::string> lignes;
  for (int k = 1; k <= solution.NbEtapes; ++k) lignes.push_back(TexteEtape(solution.Etapes[k]));
  return lignes;
}

Adversaire::Adversaire(double force, std::uint64_t graine)
    : cleForce_(ForceEnCentiemes(std::clamp(force, double{ForceMin}, double{ForceMax}))),
      profil_(ProfilContinu(force)),
      graine_(graine) {}

ReponseAdversaire Adversaire::Repond(SolutionsVoisines& solutions, double secondesDonnees) const {
  const ReponseAdversaire rien{0, false, std::max(0.0, secondesDonnees), {}};
  if (!(secondesDonnees > 0)) return rien;
  const TTirage& tirage = solutions.Tirage();
  const SolutionsVues& solutionsDeLaCible = solutions.De(tirage.Resultat);
  std::vector<double> efforts;
  for (const SolutionVue& vue : solutionsDeLaCible) efforts.push_back(vue.effort);
  if (const auto vue = VoitLaCible(efforts, profil_, graine_, cleForce_, tirage, secondesDonnees)) {
    return ReponseDe({vue->secondes, solutionsDeLaCible[vue->indice].solution}, tirage.Resultat, secondesDonnees);
  }
  const Trouvaille approche = PlusProcheVu(solutions, secondesDonnees);
  return approche.Faite() ? ReponseDe(approche, tirage.Resultat, secondesDonnees) : rien;
}

Adversaire::Trouvaille Adversaire::PlusProcheVu(SolutionsVoisines& solutions, double secondesDonnees) const {
  // The numbers nearest the target are searched whole (the few the draw's
  // search does not already tell); every other number is seen through the
  // draw's simple chains.
  const TTirage& tirage = solutions.Tirage();
  const longint cible = tirage.Resultat;
  AuPlusPres auPlusPres(tirage, profil_, HumeurPour(profil_, graine_, cleForce_, tirage).plafond, secondesDonnees);
  const auto examine = [&](longint valeur, const SolutionsVues& vues) {
    auPlusPres.Examine(vues, HasardDuRegard(graine_, cleForce_, tirage, valeur));
  };
  const longint atteinte = solutions.ValeurAtteinte();
  if (atteinte != 0 && atteinte != cible) examine(atteinte, solutions.De(atteinte));
  const std::vector<longint> voisins = solutions.Voisins(NombresVoisinsRegardes);
  const auto cherchee = [&](longint valeur) {
    return solutions.DansLaRecherche(valeur) || std::find(voisins.begin(), voisins.end(), valeur) != voisins.end();
  };
  for (const auto& [valeur, chaines] : solutions.EnchainementsSimples()) {
    if (!cherchee(valeur)) examine(valeur, chaines);
  }
  // Searched only when nearer than what it already has.
  for (const longint voisin : voisins) {
    if (EcartA(voisin, cible) < auPlusPres.Ecart()) examine(voisin, solutions.De(voisin));
  }
  return auPlusPres.Meilleure();
}

}  // namespace tolvan
