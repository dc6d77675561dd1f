#include "ProfilsJoueur.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

namespace tolvan {

namespace {

constexpr double Jamais = std::numeric_limits<double>::infinity();

// Calibrated with `tolvan-stats --adversaires` (see the README).
constexpr std::array<ProfilAdversaire, ForceMax> Profils = {{
    {"Débutant", 4.5, 8.8, 0.9, 0.06, Jamais, 0.0},
    {"Amateur", 5.0, 5.6, 0.8, 0.04, Jamais, 0.0},
    {"Joueur de club", 5.5, 3.35, 0.7, 0.03, Jamais, 0.0},
    {"Expert", 6.5, 1.7, 0.6, 0.02, Jamais, 0.0},
    {"Champion", 9.0, 1.0, 0.5, 0.0, 10.0, 1.0},
}};

double Entre(double a, double b, double t) { return a + (b - a) * t; }
double EntreGeometrique(double a, double b, double t) { return std::exp(Entre(std::log(a), std::log(b), t)); }

}  // namespace

const ProfilAdversaire& ProfilDeForce(int force) {
  return Profils[static_cast<std::size_t>(std::clamp(force, ForceMin, ForceMax) - ForceMin)];
}

ProfilAdversaire ProfilContinu(double force) {
  force = std::clamp(force, double{ForceMin}, double{ForceMax});
  const int bas = std::min(static_cast<int>(std::floor(force)), ForceMax - 1);
  const double t = force - bas;
  if (t == 0) return ProfilDeForce(bas);
  if (t == 1) return ProfilDeForce(bas + 1);
  const ProfilAdversaire& a = ProfilDeForce(bas);
  const ProfilAdversaire& b = ProfilDeForce(bas + 1);
  return {{},
          Entre(a.portee, b.portee, t),
          EntreGeometrique(a.secondesUneLigne, b.secondesUneLigne, t),
          Entre(a.dispersion, b.dispersion, t),
          Entre(a.distraction, b.distraction, t),
          std::min(a.plafond, b.plafond),
          Entre(a.partPlafonnee, b.partPlafonnee, t)};
}

std::string EntreProfils(double force) {
  force = std::clamp(force, double{ForceMin}, double{ForceMax});
  const double entiere = std::round(force);
  if (std::abs(force - entiere) < 0.05) return std::string(ProfilDeForce(static_cast<int>(entiere)).nom);
  const int bas = static_cast<int>(std::floor(force));
  return "entre " + std::string(ProfilDeForce(bas).nom) + " et " + std::string(ProfilDeForce(bas + 1).nom);
}

}  // namespace tolvan
