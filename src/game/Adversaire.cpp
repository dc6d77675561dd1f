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

// When it would see a solution of this effort, from the next normal of
// `hasard` (Jamais when out of its reach).
double SecondesPourVoir(double effort, const ProfilAdversaire& profil, Hasard& hasard) {
  if (effort > profil.portee) return Jamais;
  const double mediane = profil.secondesUneLigne * std::pow(FacteurParEffort, effort - 1.0);
  return std::min(mediane * std::exp(profil.dispersion * hasard.Normale()), profil.plafond);
}

// The target: each of its solutions is a way in, seen after its own time;
// the first seen is the one it has.
Trouvaille PremiereVue(const SolutionsVues& vues, const ProfilAdversaire& profil, Hasard hasard) {
  Trouvaille premiere;
  for (const SolutionVue& vue : vues) {
    if (vue.effort > profil.portee) continue;
    const double secondes = SecondesPourVoir(vue.effort, profil, hasard);
    if (secondes < premiere.secondes) premiere = {secondes, vue.solution};
  }
  return premiere;
}

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
  AuPlusPres(const TTirage& tirage, const ProfilAdversaire& profil, double secondesDonnees)
      : tirage_(tirage), profil_(profil), secondesDonnees_(secondesDonnees) {}

  void Examine(const SolutionsVues& vues, Hasard hasard) {
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
  // The easiest of `vues` within its reach, finished, and when it has it;
  // a way one obvious line from the target is not a miss but part of
  // seeing the target, so it is passed over.
  std::optional<Trouvaille> LaPlusFacile(const SolutionsVues& vues, Hasard& hasard) const {
    std::vector<const SolutionVue*> aPortee;
    for (const SolutionVue& vue : vues) {
      if (vue.effort <= profil_.portee) aPortee.push_back(&vue);
    }
    std::stable_sort(aPortee.begin(), aPortee.end(),
                     [](const SolutionVue* x, const SolutionVue* y) { return x->effort < y->effort; });
    for (const SolutionVue* vue : aPortee) {
      const std::optional<TSolution> finie = FinitAuPlusPres(tirage_, vue->solution, tirage_.Resultat);
      if (!finie) continue;
      const int ajoutees = finie->NbEtapes - vue->solution.NbEtapes;
      const double secondes = SecondesPourVoir(vue->effort, profil_, hasard) + ajoutees * profil_.secondesUneLigne;
      return Trouvaille{std::min(secondes, profil_.plafond), *finie};
    }
    return std::nullopt;
  }

  const TTirage& tirage_;
  const ProfilAdversaire& profil_;
  double secondesDonnees_;
  Trouvaille meilleure_;
  longint ecart_ = 0;
};

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
  const auto hasardDe = [&](longint valeur) { return Hasard(graine_, force_, tirage, valeur); };
  const auto reponse = [&](const Trouvaille& trouvaille) {
    ReponseAdversaire r;
    r.solution = trouvaille.solution;
    r.annonce = r.solution.Resultats[r.solution.NbEtapes];
    r.exact = r.annonce == cible;
    r.secondes = std::min(EnDixiemes(trouvaille.secondes), secondesDonnees);
    return r;
  };
  const ReponseAdversaire rien{0, false, std::max(0.0, secondesDonnees), {}};
  if (!(secondesDonnees > 0)) return rien;

  // A lapse: whatever it sees, it does not see the target this time (drawn
  // from the numbers of the look at 0, which is never looked at).
  const bool distrait = hasardDe(0).Uniforme() < profil.distraction;
  if (!distrait) {
    const Trouvaille exacte = PremiereVue(solutions.De(cible), profil, hasardDe(cible));
    if (exacte.Faite() && exacte.secondes <= secondesDonnees) return reponse(exacte);
  }

  // A miss. The numbers nearest the target are searched whole (the few the
  // draw's search does not already tell); every other number is seen
  // through the draw's simple chains.
  AuPlusPres auPlusPres(tirage, profil, secondesDonnees);
  const auto examine = [&](longint valeur, const SolutionsVues& vues) { auPlusPres.Examine(vues, hasardDe(valeur)); };
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
  return auPlusPres.Meilleure().Faite() ? reponse(auPlusPres.Meilleure()) : rien;
}

}  // namespace tolvan
