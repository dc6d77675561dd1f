#include "Serie.h"

namespace tolvan {

void Serie::Commence() {
  RemetAZero();
  enCours_ = true;
}

void Serie::RemetAZero() {
  nbTrouves_ = 0;
  scoreTotal_ = 0;
}

LigneScore Serie::CompteTrouve(std::uint16_t points) {
  ++nbTrouves_;
  scoreTotal_ += points;
  return {std::to_string(nbTrouves_), std::to_string(points)};
}

}  // namespace tolvan
