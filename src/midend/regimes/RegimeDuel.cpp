#include "RegimeDuel.h"

#include "game/Adversaire.h"
#include "game/SolutionsVoisines.h"
#include "game/Tirages.h"

namespace tolvan {

void RegimeDuel::Suivante(Table& table) {
  // A go is played to its end: dealt again, it would start the clock afresh.
  if (table.manche().PartieEnJeu() || duel_.Fini()) return;
  if (duel_.TirageTermine()) {
    DonneTirage(table);
  } else {
    table.solveurDuTirage().ChangeTirage(duel_.Courant()->tirage);
  }
  table.Joue();
}

void RegimeDuel::DonneTirage(Table& table) {
  const OptionsTirage standard{false, false, true, false};
  TireAuHasard(table.solveurDuTirage(), standard, [&table](int n) { return table.Aleatoire(n); });
  duel_.NouveauTirage(table.solveurDuTirage().Tirage);
  if (!duel_.ContreOrdinateur()) return;
  // Its own seed for each draw, from the desktop's random numbers, so that
  // a duel is replayed whole from them.
  const auto graine = static_cast<std::uint64_t>(table.Aleatoire(1 << 30));
  SolutionsVoisines solutions(table.solveurDuTirage());
  const ReponseAdversaire reponse = Adversaire(*duel_.Reglage().force, graine).Repond(solutions, table.cadence().limite);
  Tour tour;
  if (reponse.annonce != 0) tour.resultat = reponse.annonce;
  tour.lignes = reponse.Lignes();
  // A go that misses the target takes the whole clock, for the computer as
  // for the player, whose clock runs out: the time decides between equal
  // points, so both must count alike.
  tour.secondes = reponse.exact ? reponse.secondes : table.cadence().limite;
  duel_.Joue(1, std::move(tour));
}

std::optional<Cadence> RegimeDuel::CadenceDesParties(const Options&) const {
  return CadenceDuChoix(duel_.Reglage().choixTemps);
}

Conclusion RegimeDuel::Conclut(Table& table, const FinDePartie& fin, PartieJouee& partie) {
  const std::optional<int> joueur = duel_.AuTrait();
  // A late event after the go was scored counts for nothing more.
  if (!joueur || duel_.TirageTermine()) return {};
  partie.mode = *joueur == 0 ? ModePartie::Duel : ModePartie::DuelAutreJoueur;
  partie.pourLaCote = *joueur == 0;
  duel_.Joue(*joueur, Tour{fin.resultat, fin.lignes, fin.dixiemes, 0});
  partie.points = duel_.Courant()->tours[static_cast<std::size_t>(*joueur)]->points;
  partie.adversaire = NomsDuDuel(duel_.Reglage(), table.textes())[static_cast<std::size_t>(1 - *joueur)];
  std::optional<LigneScore> ligne;
  if (fin.trouve) ligne = Manche::LigneEntrainement(fin.secondes);
  return {ligne, duel_.Fini() ? Suite::FinDeSerie : Suite::TirageSuivant};
}

std::optional<Feuille> RegimeDuel::Termine(Table& table) {
  return FeuilleDuDuel(duel_, CadenceDuChoix(duel_.Reglage().choixTemps).limite, table.textes());
}

QString RegimeDuel::TitreDuTirage(const TextesMessages& textes) const {
  const auto numero = duel_.Tirages().size();
  return numero == 0 ? QString() : textes.MsgDuelTirage.arg(numero).arg(duel_.Reglage().nbTirages);
}

void RegimeDuel::CompleteBilan(Bilan& bilan, const TextesMessages& textes) const {
  // Between two goes the summary is the duel's alone, its title first.
  QStringList lignes = BilanDuDuel(duel_, textes);
  bilan.titre = lignes.takeFirst();
  bilan.lignes = lignes;
  bilan.large = true;
}

}  // namespace tolvan
