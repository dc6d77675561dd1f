#include "LoiDuRegard.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace tolvan {

namespace {

constexpr double Jamais = std::numeric_limits<double>::infinity();

// The chance that Z stays above z, through its logarithm, on a fine table:
// the rating works it out some five thousand times a game. Z lies in
// [-6, 6]; beyond `ZPresqueCertain` the chance is below 1e-12 and taken
// as 0 (the solution is surely seen by then).
class SurvieIrwinHall {
 public:
  static constexpr double ZMin = -6.0;
  static constexpr double ZPresqueCertain = 5.5;
  static constexpr int Pas = 4096;

  SurvieIrwinHall() {
    for (int i = 0; i <= Pas; ++i) logSurvie_[static_cast<std::size_t>(i)] = std::log(Survie(ZMin + i * Largeur));
  }

  // log P(Z > z); minus infinity past ZPresqueCertain.
  double LogSurvie(double z) const {
    if (z <= ZMin) return 0.0;
    if (z >= ZPresqueCertain) return -Jamais;
    const double position = (z - ZMin) / Largeur;
    const auto i = static_cast<std::size_t>(position);
    const double fraction = position - static_cast<double>(i);
    return logSurvie_[i] + fraction * (logSurvie_[i + 1] - logSurvie_[i]);
  }

 private:
  static constexpr double Largeur = (ZPresqueCertain - ZMin) / Pas;

  // P(S <= x) for S the sum of twelve uniforms, x in [0, 6], exactly:
  // (1/12!) sum over k <= x of (-1)^k C(12, k) (x - k)^12.
  static long double Repartition(long double x) {
    long double somme = 0;
    long double binomial = 1;
    for (int k = 0; k <= 12 && k <= x; ++k) {
      somme += (k % 2 == 0 ? 1 : -1) * binomial * std::pow(x - k, 12.0L);
      binomial = binomial * (12 - k) / (k + 1);
    }
    long double factorielle = 1;
    for (int k = 2; k <= 12; ++k) factorielle *= k;
    return somme / factorielle;
  }
  // P(Z > z), with the symmetry of S about 6 so that no difference of
  // nearly equal numbers is taken.
  static double Survie(double z) {
    const long double x = z + 6.0L;
    return static_cast<double>(x <= 6 ? 1 - Repartition(x) : Repartition(12 - x));
  }

  std::array<double, Pas + 1> logSurvie_{};
};

const SurvieIrwinHall& Survie() {
  static const SurvieIrwinHall table;
  return table;
}

double LogMediane(double effort, const ProfilAdversaire& profil) {
  return std::log(profil.secondesUneLigne) + (effort - 1.0) * std::log(FacteurParEffort) +
         std::max(0.0, effort - profil.portee) * std::log(FacteurAuDelaDeLaPortee);
}

}  // namespace

HasardDuRegard::HasardDuRegard(std::uint64_t graine, std::uint64_t cleForce, const TTirage& tirage, longint valeur)
    : generateur_(0) {
  std::uint64_t cle = graine;
  const auto melange = [&cle](std::uint64_t x) { cle = SplitMix64(cle ^ x).Suivant(); };
  melange(cleForce);
  for (const longint n : tirage.Nombres) melange(static_cast<std::uint64_t>(n));
  melange(static_cast<std::uint64_t>(tirage.Resultat));
  melange(static_cast<std::uint64_t>(valeur));
  generateur_ = SplitMix64(cle);
}

double HasardDuRegard::Normale() {
  double somme = -6.0;
  for (int i = 0; i < 12; ++i) somme += Uniforme();
  return somme;
}

std::uint64_t ForceEnCentiemes(double force) { return static_cast<std::uint64_t>(std::llround(force * 100)); }

HumeurDuTirage HumeurPour(const ProfilAdversaire& profil, std::uint64_t graine, std::uint64_t cleForce,
                          const TTirage& tirage) {
  HasardDuRegard hasard(graine, cleForce, tirage, 0);
  HumeurDuTirage humeur;
  humeur.distrait = hasard.Uniforme() < profil.distraction;
  humeur.plafond = hasard.Uniforme() < profil.partPlafonnee ? profil.plafond : Jamais;
  return humeur;
}

double SecondesPourVoir(double effort, const ProfilAdversaire& profil, double plafond, HasardDuRegard& hasard) {
  return std::min(std::exp(LogMediane(effort, profil) + profil.dispersion * hasard.Normale()), plafond);
}

std::optional<VueDeLaCible> VoitLaCible(std::span<const double> efforts, const ProfilAdversaire& profil,
                                        std::uint64_t graine, std::uint64_t cleForce, const TTirage& tirage,
                                        double secondes) {
  const HumeurDuTirage humeur = HumeurPour(profil, graine, cleForce, tirage);
  if (humeur.distrait) return std::nullopt;
  HasardDuRegard hasard(graine, cleForce, tirage, tirage.Resultat);
  std::optional<VueDeLaCible> premiere;
  for (std::size_t i = 0; i < efforts.size(); ++i) {
    const double vue = SecondesPourVoir(efforts[i], profil, humeur.plafond, hasard);
    if (!premiere || vue < premiere->secondes) premiere = VueDeLaCible{vue, i};
  }
  if (premiere && premiere->secondes > secondes) return std::nullopt;
  return premiere;
}

double ChanceDeVoirAvant(const ResumeEfforts& resume, const ProfilAdversaire& profil, double secondes) {
  if (!(secondes > 0) || !resume.Atteignable()) return 0.0;
  const double logSecondes = std::log(secondes);
  // Not seen yet: the draw is not one it sees through within a cap already
  // past, and no solution is seen.
  const double pasPlafonne = secondes >= profil.plafond ? 1.0 - profil.partPlafonnee : 1.0;
  if (pasPlafonne == 0) return 1.0;
  double logPasVue = std::log(pasPlafonne);
  for (const auto& [dixiemes, nombre] : resume.ParEffort()) {
    const double effort = static_cast<double>(dixiemes) / DixiemesParEffort;
    logPasVue += nombre * Survie().LogSurvie((logSecondes - LogMediane(effort, profil)) / profil.dispersion);
  }
  return 1.0 - std::exp(logPasVue);
}

double ChanceDeTrouver(const ResumeEfforts& resume, const ProfilAdversaire& profil, double secondes) {
  return (1.0 - profil.distraction) * ChanceDeVoirAvant(resume, profil, secondes);
}

}  // namespace tolvan
