#include "ControleTirage.h"

#include <algorithm>
#include <cstdlib>

#include "TiragesDuCode.h"
#include "engine/Solveur.h"
#include "game/Formule.h"

namespace tolvan {

namespace {

// One pass over every calculation of the plates, shared by the checks and
// the scale made from it.
const Atteignables& AtteintsPar(const TTirage& tirage) {
  static thread_local Atteignables atteignables;
  atteignables.Calcule(tirage.Nombres.items);
  return atteignables;
}

}  // namespace

ControleTirage::ControleTirage(const TTirage& tirage) : ControleTirage(tirage, AtteintsPar(tirage)) {}

ControleTirage::ControleTirage(const TTirage& tirage, const Atteignables& atteignables)
    : tirage_(tirage), bareme_(tirage, atteignables) {
  for (std::int64_t nombre = 1; nombre < Atteignables::Borne; ++nombre) {
    atteints_[static_cast<std::size_t>(nombre)] = atteignables.Atteint(nombre);
  }
}

bool ControleTirage::Donne(longint nombre) const {
  if (nombre < 1) return false;
  if (nombre < Atteignables::Borne) return atteints_[static_cast<std::size_t>(nombre)];
  Solveur solveur;
  solveur.Tirage = {tirage_.Nombres, nombre};
  solveur.ChercheEnSerie();
  return solveur.NbSolutions > 0;
}

ControleTirage::Verdict ControleTirage::Verifie(longint resultat) const {
  const bool possible = Donne(resultat);
  return {resultat, possible, std::abs(resultat - tirage_.Resultat), possible ? bareme_.Points(resultat) : 0};
}

ControleTirage::Verdict ControleTirage::Verifie(longint resultat, const std::vector<longint>& ecartsSalle) const {
  Verdict verdict = Verifie(resultat);
  if (!verdict.possible || CibleAtteignable()) return verdict;
  // As the plates' exceptional scale, but over the distances announced.
  const auto rang = std::find(ecartsSalle.begin(), ecartsSalle.end(), verdict.ecart) - ecartsSalle.begin();
  const int exceptionnels = rang < static_cast<std::ptrdiff_t>(BaremeClubs::PointsExceptionnels.size()) &&
                                    rang < static_cast<std::ptrdiff_t>(ecartsSalle.size())
                                ? BaremeClubs::PointsExceptionnels[static_cast<std::size_t>(rang)]
                                : 0;
  verdict.points = std::max(BaremeClubs::PointsOrdinaires(verdict.ecart), exceptionnels);
  return verdict;
}

std::vector<longint> EcartsDeLaSalle(const ControleTirage& controle, const std::vector<longint>& annonces) {
  std::vector<longint> ecarts;
  for (const longint annonce : annonces) {
    if (controle.Donne(annonce)) ecarts.push_back(std::abs(annonce - controle.Tirage().Resultat));
  }
  std::sort(ecarts.begin(), ecarts.end());
  ecarts.erase(std::unique(ecarts.begin(), ecarts.end()), ecarts.end());
  if (ecarts.size() > BaremeClubs::PointsExceptionnels.size()) ecarts.resize(BaremeClubs::PointsExceptionnels.size());
  return ecarts;
}

std::vector<ControleTirage> ControlesDuCode(const CodeSerie& code) {
  std::vector<ControleTirage> controles;
  for (const TTirage& tirage : TiragesDuCode(code)) controles.emplace_back(tirage);
  return controles;
}

std::string TextePointsArbitrage(int points, const PhrasesArbitrage& mots) {
  return Compte(points, mots.point, mots.points);
}

std::string TexteVerdict(const ControleTirage::Verdict& verdict, const TTirage& tirage, const PhrasesArbitrage& mots) {
  const std::string resultat = std::to_string(verdict.resultat), points = TextePointsArbitrage(verdict.points, mots);
  if (!verdict.possible) return Formule(mots.verdictImpossible, {resultat, points});
  if (verdict.ecart == 0) return Formule(mots.verdictExact, {resultat, points});
  return Formule(mots.verdictEcart, {resultat, std::to_string(verdict.ecart), std::to_string(tirage.Resultat), points});
}

}  // namespace tolvan
