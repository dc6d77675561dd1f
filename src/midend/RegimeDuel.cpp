#include "RegimeDuel.h"

#include "competition/BaremeClubs.h"

namespace tolvan {

void RegimeDuel::Commence(const ReglageDuel& reglage) { duel_.emplace(reglage); }

std::optional<Cadence> RegimeDuel::CadenceDesParties(const Options&) const {
  if (!duel_) return std::nullopt;
  return CadenceDuChoix(duel_->Reglage().choixTemps);
}

Permissions RegimeDuel::Permis() const {
  // Both race on their own wits: no help, no solutions, no other draw.
  return Permissions::LeTableauSeul();
}

Gain RegimeDuel::Gagne(int seconde) { return {BaremeClubs::PointsOrdinaires(0), Manche::LigneEntrainement(seconde)}; }

void RegimeDuel::Conclut(const FinDePartie& fin) {
  if (!duel_ || !duel_->AuTrait() || duel_->TirageTermine()) return;
  dernierJoueur_ = *duel_->AuTrait();
  duel_->Joue(dernierJoueur_, Tour{fin.resultat, fin.lignes, static_cast<double>(fin.secondes), 0});
  derniersPoints_ = duel_->Courant()->tours[static_cast<std::size_t>(dernierJoueur_)]->points;
}

void RegimeDuel::RemplitLigne(PartieJouee& partie) const {
  partie.mode = ModePartie::Duel;
  if (!duel_) return;
  partie.adversaire = NomsDuDuel(duel_->Reglage(), textes_)[static_cast<std::size_t>(1 - dernierJoueur_)];
  partie.points = derniersPoints_;
}

}  // namespace tolvan
