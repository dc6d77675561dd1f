#include "Cote.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numeric>
#include <vector>

#include "LoiDuRegard.h"

namespace tolvan {

namespace {

// The profile of each strength of the grid, worked out once.
const std::array<ProfilAdversaire, Cote::NombreDeForces>& ProfilsDeLaGrille() {
  static const auto profils = [] {
    std::array<ProfilAdversaire, Cote::NombreDeForces> p;
    for (int i = 0; i < Cote::NombreDeForces; ++i) p[static_cast<std::size_t>(i)] = ProfilContinu(Cote::Force(i));
    return p;
  }();
  return profils;
}

// Where the stretches of the clock end, as shares of it.
constexpr std::array<double, 4> FinsDesTranches = {0.125, 0.25, 0.5, 1.0};

double Jours(const Date& avant, const Date& apres) {
  return static_cast<double>((std::chrono::sys_days(apres) - std::chrono::sys_days(avant)).count());
}

}  // namespace

double VraisemblanceDeLaPartie(const PartieNotee& partie, const ProfilAdversaire& profil) {
  const double horloge = partie.secondesDonnees;
  const double pasDistrait = 1.0 - profil.distraction;
  if (!partie.trouvee) return 1.0 - pasDistrait * ChanceDeVoirAvant(partie.resume, profil, horloge);
  double debut = 0;
  for (const double fin : FinsDesTranches) {
    if (partie.secondes <= fin * horloge || fin == FinsDesTranches.back()) {
      return pasDistrait * (ChanceDeVoirAvant(partie.resume, profil, fin * horloge) -
                            ChanceDeVoirAvant(partie.resume, profil, debut * horloge));
    }
    debut = fin;
  }
  return 0;
}

Cote::Cote() { croyance_.fill(1.0 / NombreDeForces); }

Cote Cote::De(std::span<const PartieNotee> parties) {
  Cote cote;
  for (const PartieNotee& partie : parties) cote.Ajoute(partie);
  return cote;
}

void Cote::Ajoute(const PartieNotee& partie) {
  if (partie.date) {
    // A game dated before the last one (a clock put back) spreads nothing.
    if (dernierJour_) Oublie(std::max(0.0, Jours(*dernierJour_, *partie.date)));
    if (!dernierJour_ || *dernierJour_ < *partie.date) dernierJour_ = partie.date;
  }
  // A target out of reach is never found, and no clock finds anything.
  if ((partie.trouvee && !partie.resume.Atteignable()) || !(partie.secondesDonnees > 0)) return;
  std::array<double, NombreDeForces> apres;
  for (std::size_t i = 0; i < croyance_.size(); ++i) {
    const double vraisemblance = VraisemblanceDeLaPartie(partie, ProfilsDeLaGrille()[i]);
    apres[i] = croyance_[i] * (ChanceDeLImprevu + (1.0 - ChanceDeLImprevu) * vraisemblance);
  }
  const double total = std::accumulate(apres.begin(), apres.end(), 0.0);
  for (std::size_t i = 0; i < croyance_.size(); ++i) croyance_[i] = apres[i] / total;
  ++parties_;
}

void Cote::Oublie(double jours) {
  const double ecart = std::sqrt(VarianceParJour * jours) / PasDeForce;  // in steps of the grid
  if (ecart < 0.1) return;
  const int portee = std::min(static_cast<int>(std::ceil(4 * ecart)), NombreDeForces);
  std::array<double, NombreDeForces> apres{};
  for (int i = 0; i < NombreDeForces; ++i) {
    // What strength i holds spreads over the strengths of the scale around
    // it (none beyond its ends), more to the nearer ones.
    const int premier = std::max(0, i - portee);
    const int dernier = std::min(NombreDeForces - 1, i + portee);
    std::array<double, NombreDeForces> part{};
    double total = 0;
    for (int j = premier; j <= dernier; ++j) {
      const double d = j - i;
      part[static_cast<std::size_t>(j)] = std::exp(-0.5 * d * d / (ecart * ecart));
      total += part[static_cast<std::size_t>(j)];
    }
    for (int j = premier; j <= dernier; ++j) {
      apres[static_cast<std::size_t>(j)] += croyance_[static_cast<std::size_t>(i)] * part[static_cast<std::size_t>(j)] / total;
    }
  }
  croyance_ = apres;
}

double Cote::Moyenne() const {
  double moyenne = 0;
  for (int i = 0; i < NombreDeForces; ++i) moyenne += croyance_[static_cast<std::size_t>(i)] * Force(i);
  return moyenne;
}

double Cote::Ecart() const {
  const double moyenne = Moyenne();
  double variance = 0;
  for (int i = 0; i < NombreDeForces; ++i) {
    variance += croyance_[static_cast<std::size_t>(i)] * (Force(i) - moyenne) * (Force(i) - moyenne);
  }
  return std::sqrt(variance);
}

double Cote::ChancePredite(const ResumeEfforts& resume, double secondes) const {
  double chance = 0;
  for (std::size_t i = 0; i < croyance_.size(); ++i) {
    if (croyance_[i] < 1e-9) continue;  // too unlikely to move the chance
    chance += croyance_[i] * ChanceDeTrouver(resume, ProfilsDeLaGrille()[i], secondes);
  }
  return chance;
}

}  // namespace tolvan
