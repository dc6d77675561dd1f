#include "EffortSolution.h"

#include <algorithm>
#include <cmath>

namespace tolvan {

namespace {

bool MultipleDe25(longint n) { return n % 25 == 0; }
bool Malaise(longint n) { return n > 10 && !MultipleDe25(n); }

double EffortEtape(const TEtape& etape) {
  switch (etape.Oper) {
    case OperMultiplication:
      return Malaise(etape.Op1) && Malaise(etape.Op2) ? PoidsEffort::ProduitMalaise : 0.0;
    case OperDivision:
      return PoidsEffort::Division + (Malaise(etape.Op2) ? PoidsEffort::DiviseurMalaise : 0.0);
    default: return 0.0;
  }
}

}  // namespace

double EffortSolution(const TSolution& solution, longint resultat) {
  const int lignes = solution.NbEtapes;
  double effort = PoidsEffort::ParLigne * lignes;
  longint plusGrand = 0;
  for (int k = 1; k <= lignes; ++k) {
    effort += EffortEtape(solution.Etapes[k]);
    const longint valeur = solution.Resultats[k];
    plusGrand = std::max(plusGrand, valeur);
    if (k < lignes && valeur > 10 && valeur % 5 != 0) effort += PoidsEffort::IntermediaireNonRond;
  }
  const double repere = std::max<longint>(resultat, 100);
  if (plusGrand > repere) effort += PoidsEffort::ParDoublementAuDela * std::log2(plusGrand / repere);
  // In tenths: a draw's efforts then fall into a few dozen values, which
  // is what a player's rating keeps of each game (ResumeEfforts).
  return std::max(std::round(effort * 10.0) / 10.0, 1.0);
}

}  // namespace tolvan
