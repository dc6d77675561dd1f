// The duel as the game plays it: the choice taken, each draw dealt and the
// computer's answer drawn up at the deal, each go on the board in turn.

#include "Jeu.h"
#include "game/Adversaire.h"
#include "game/SolutionsVoisines.h"
#include "game/Tirages.h"

namespace tolvan {

bool Jeu::PeutCommencerDuel() const {
  return !liste_.GenerationEnCours() && !competition_.serie().ModeCompetition();
}

bool Jeu::CommenceDuel(const ReglageDuel& reglage) {
  if (!PeutCommencerDuel()) return false;
  if (DuelEnCours() &&
      services_.Message(TypeMessage::Confirmation, Textes().MsgDuelAbandonner, BoutonsMessage::OuiNon) != Reponse::Oui) {
    return false;
  }
  // A game on the board stops unscored; the help leaves the screen.
  manche_.Interromp();
  manche_.EffaceScores();
  aides_.MontreSolutions(false);
  aides_.MontreAides(false);
  journal_.OublieLigneDePartage();
  regimeDuel_.Commence(reglage);
  EntreDans(regimeDuel_);
  return true;
}

QStringList Jeu::BilanDuel() const {
  const Duel* duel = DuelAffiche();
  return duel ? BilanDuDuel(*duel, Textes()) : QStringList{};
}

std::array<QString, 2> Jeu::NomsDuel() const {
  const Duel* duel = DuelAffiche();
  return duel ? NomsDuDuel(duel->Reglage(), Textes()) : std::array<QString, 2>{};
}

void Jeu::JoueTourDeDuel() {
  // A go is played to its end: dealt again, it would start the clock afresh.
  if (manche_.PartieEnJeu()) return;
  Duel& duel = regimeDuel_.duel();
  if (duel.Fini()) {
    EntreDans(entrainement_);
    NouvellePartie();
    return;
  }
  SousGarde("Duel.TourSuivant;", [this, &duel] {
    if (duel.TirageTermine()) {
      DonneTirageDeDuel();
    } else {
      RetrouveTirageDeLaManche();
    }
    PreparePartie();
    Depart();
  });
  JoueSon(Evenement::NewGame);
}

void Jeu::DonneTirageDeDuel() {
  Duel& duel = regimeDuel_.duel();
  // A standard draw, searched: the computer's answer reads its solutions.
  const OptionsTirage standard{false, false, true, false};
  TireAuHasard(solveur_, standard, [this](int n) { return services_.Aleatoire(n); });
  duel.NouveauTirage(solveur_.Tirage);
  if (!duel.ContreOrdinateur()) return;
  // Its own seed for each draw, from the desktop's random numbers, so that
  // a duel is replayed whole from them.
  const auto graine = static_cast<std::uint64_t>(services_.Aleatoire(1 << 30));
  SolutionsVoisines solutions(solveur_);
  const ReponseAdversaire reponse =
      Adversaire(*duel.Reglage().force, graine).Repond(solutions, horloge_.cadence().limite);
  Tour tour;
  if (reponse.annonce != 0) tour.resultat = reponse.annonce;
  tour.lignes = reponse.Lignes();
  tour.secondes = reponse.secondes;
  duel.Joue(1, std::move(tour));
}

void Jeu::ConclutPartie(bool trouve, int secondes) {
  FinDePartie fin;
  fin.trouve = trouve;
  fin.secondes = secondes;
  const TableauNoir& tableau = manche_.Tableau();
  for (int k = 1; k <= tableau.NbLignesFinies(); ++k) fin.lignes.push_back(tableau.TexteLigne(k));
  fin.resultat = tableau.MeilleurResultat(manche_.Tirage().Resultat);
  regime_->Conclut(fin);
}

}  // namespace tolvan
