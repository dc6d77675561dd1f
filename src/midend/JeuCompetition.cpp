// Competitions as the game plays them: the mode, the series dealt from the
// level's draws on the board, against a shorter or longer clock; the level
// and its records are the competition part's (Competition.h).
#include "Jeu.h"

namespace tolvan {

bool Jeu::PeutChangerDeMode() const {
  return !liste_.GenerationEnCours() && !competition_.serie().EnCours() && !DuelEnCours() &&
         !regimeCode_.EnCours();
}

bool Jeu::PeutCommencerSerie() const {
  return competition_.serie().ModeCompetition() && competition_.NiveauPret() && !regimeCode_.EnCours();
}

bool Jeu::AidesPermises() const { return regime_->Permis().aides; }

bool Jeu::ReglagesDeSerieModifiables() const {
  return competition_.serie().ModeCompetition() && !competition_.serie().EnCours();
}

void Jeu::ChangeModeCompetition(bool competition) {
  manche_.EffaceScores();
  competition_.serie().DefinitModeCompetition(competition);
  if (!competition) {
    // Training games run again under the limit of "Temps :", not a level's.
    EntreDans(entrainement_);
    return;
  }
  // The level's clock comes with the series' first draw.
  regime_ = &regimeSerie_;
  // Results are computed and targets are any number. Nothing tells how many
  // solutions a draw has, but the player's choice comes back with training.
  preferences_.options().resultatsAuto = true;
  preferences_.options().premiers = false;
  // Back in a competition that forbids them, the hints leave the screen.
  if (competition_.serie().AideInterdite()) aides_.MontreAides(false);
  // A training game on the board ends: draws come from the series only.
  manche_.Interromp();
  AnnonceMinuteur();
  competition_.serie().RemetAZero();
  aides_.MontreSolutions(false);
}

void Jeu::InterditAides(bool interdites) {
  competition_.serie().DefinitAideInterdite(interdites);
  // Forbidden hints are out of sight; allowed again, they come back.
  aides_.MontreAides(!interdites);
}

void Jeu::ChoisitCoefficient(int choix) { competition_.serie().DefinitCoefficient(choix); }

void Jeu::CoefficientChoisi() {
  // A draw given up and still on the board ends with its clock.
  manche_.Interromp();
  AnnonceMinuteur();
  competition_.serie().RemetAZero();
}

bool Jeu::CommenceOuArreteSerie() {
  if (regimeCode_.EnCours()) return false;
  if (competition_.serie().EnCours()) {
    if (services_.Message(TypeMessage::Confirmation, Textes().MsgAbandonner, BoutonsMessage::OuiNon) != Reponse::Oui) {
      return false;
    }
    // The draw on screen goes on: found, it counts as in training; not
    // found in time, the series ends as usual.
    manche_.Tableau().ModifieTout(true);
    competition_.serie().Arrete();
    return false;
  }
  if (liste_.Modele().NbLignes() == 0) {
    services_.Message(TypeMessage::Avertissement,
                      QStringLiteral("Aucun tirage à jouer : la liste des tirages de ce niveau est vide."),
                      BoutonsMessage::Ok);
    return false;
  }
  competition_.serie().Commence(liste_.Modele().NbLignes());
  manche_.Tableau().ModifieTout(true);
  manche_.EffaceScores();
  DonneTirageDeSerie();
  return true;
}

void Jeu::DonneTirageDeSerie() {
  SousGarde("Tform1.BTnouvPartieClick;", [this] {
    const int ligne = competition_.serie().LigneAuHasard([this](int n) { return services_.Aleatoire(n); });
    TireLigne(ligne);
    liste_.Modele().DefinitLigneCourante(ligne);
    PreparePartie();
    RegleHorloge();
    Depart();
  });
}

void Jeu::ChangeNiveau() { competition_.ChangeNiveau(); }

void Jeu::TermineSerie() {
  if (regime_->Source() == SourceTirage::Code) {
    TermineCode();
    return;
  }
  competition_.TermineSerie();
}

}  // namespace tolvan
