#include "Serie.h"

#include <cmath>

#include "Points.h"

namespace tolvan {

void Serie::Commence(int nbTirages) {
  RemetAZero();
  nbTirages_ = nbTirages;
  enCours_ = true;
}

int Serie::TempsAccorde() const {
  if (coefficient_ < 0 || coefficient_ >= static_cast<int>(CoefTemps.size())) return tempsNiveau_;
  // Rounded to the nearest whole second, halves to the even neighbour.
  return static_cast<int>(std::nearbyint(CoefTemps[static_cast<std::size_t>(coefficient_)] * tempsNiveau_));
}

void Serie::RemetAZero() {
  nbTrouves_ = 0;
  scoreTotal_ = 0;
}

std::uint16_t Serie::Points(int ecoule) const {
  return CalculePoints(ecoule, tempsNiveau_, coefficient_, aideInterdite_);
}

LigneScore Serie::CompteTrouve(int ecoule) {
  const std::uint16_t points = Points(ecoule);
  ++nbTrouves_;
  scoreTotal_ += points;
  return {std::to_string(nbTrouves_), std::to_string(points)};
}

}  // namespace tolvan
