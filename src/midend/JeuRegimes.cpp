// The ways to play as the game runs them, one flow for all: a way started
// from its button (and the one it gives up first), its series ended or
// stopped, the way the game comes back to, and what the summary shows.
#include "FinDePartie.h"
#include "Jeu.h"

namespace tolvan {

BoutonDeFacon Jeu::Facon(const QString& bouton) const {
  const FaconDeJouer* facon = FaconDuBouton(bouton);
  if (!facon) return {};
  BoutonDeFacon etat;
  etat.enCours = lance_ && boutonLance_ == bouton && lance_->EnCours();
  const QString TextesMessages::*texte = etat.enCours ? facon->arret : facon->libelle;
  if (texte) etat.texte = Textes().*texte;
  const bool libre = !liste_.GenerationEnCours();
  etat.actif = libre && (etat.enCours || facon->possible({competition_, *base_}));
  return etat;
}

bool Jeu::PresseFacon(const QString& bouton) {
  const BoutonDeFacon etat = Facon(bouton);
  // The button of the series under way stops it.
  if (etat.enCours) Arrete();
  return etat.actif && !etat.enCours && LaissePlace();
}

bool Jeu::Commence(const QString& bouton, const ChoixDuJoueur& choix) {
  const FaconDeJouer* facon = FaconDuBouton(bouton);
  if (!facon || !Facon(bouton).actif) return false;
  Ateliers parts{services_, Textes(), vue_, competition_, liste_, journal_};
  std::unique_ptr<Regime> regime = facon->fabrique(parts, choix);
  if (!regime || !LaissePlace()) return false;
  SousGarde("Commence;", [&] {
    // A game on the board stops unscored; the games list starts afresh.
    manche_.Interromp();
    manche_.EffaceScores();
    aides_.MontreSolutions(false);
    journal_.OublieLigneDePartage();
    feuille_.reset();
    termine_.reset();
    lance_ = std::move(regime);
    boutonLance_ = bouton;
    EntreDans(*lance_);
    DonneEtAnnonce([this] { regime_->Commence(*this); });
  });
  return true;
}

bool Jeu::AccepteAbandon() {
  // A way with nothing at stake gives way without a question.
  const QString question = regime_->QuestionAbandon(Textes());
  if (question.isEmpty()) return true;
  return services_.Message(TypeMessage::Confirmation, question, BoutonsMessage::OuiNon) == Reponse::Oui;
}

bool Jeu::LaissePlace() {
  if (!regime_->EnCours()) return true;
  if (!AccepteAbandon()) return false;
  // Given up for another way to play, nothing of it plays on.
  regime_->Arrete();
  manche_.Abandonne();
  Retourne();
  return true;
}

bool Jeu::Arrete() {
  if (!regime_->EnCours() || !AccepteAbandon()) return false;
  if (regime_->Arrete()) {
    manche_.Abandonne();
    Retourne();
  }
  AnnonceMinuteur();
  return true;
}

void Jeu::Retourne() {
  // The way that ended keeps the summary until the next game.
  termine_ = std::move(lance_);
  boutonLance_.clear();
  EntreDans(*base_);
}

void Jeu::EntreDans(Regime& regime) {
  // Another way to play: no draw looked for under the last one is dealt.
  tiragesDuJoueur_.ArreteRecherche();
  regime_ = &regime;
  // Help the way to play closes leaves the screen.
  if (!regime.Permis().aides) aides_.MontreAides(false);
  RegleHorloge();
}

void Jeu::QuitteUnePartie() {
  if (regime_->UnePartie() && lance_) Retourne();
}

void Jeu::DonneEtAnnonce(const std::function<void()>& donne) {
  const int avant = partiesDonnees_;
  donne();
  if (partiesDonnees_ != avant) preferences_.JoueSon(Evenement::NewGame);
}

void Jeu::TermineRegime() {
  std::optional<Feuille> feuille = regime_->Termine(*this);
  if (lance_) Retourne();
  if (!feuille) return;
  feuille_ = std::move(feuille);
  vue_.FeuilleFinie();
}

void Jeu::CopieFeuille() {
  if (feuille_ && !feuille_->ligneACopier.isEmpty()) services_.CopieTexte(feuille_->ligneACopier);
}

Bilan Jeu::BilanAffiche() const {
  const Regime& regime = RegimeAuBilan();
  Bilan bilan = BilanDeLaPartie(manche_, aides_, horloge_, Textes(), regime.Permis().marque);
  if (journal_.RejoueeDuJour()) bilan.lignes.append(Textes().MsgRejoueDuJour);
  // The rating the game just moved, heard with the summary.
  if (partieNotee_ && options().voirCote) bilan.lignes.append(TexteDeLaCote(cote(), Textes()));
  regime.CompleteBilan(bilan, Textes());
  return bilan;
}

// --- competitions ---

bool Jeu::PeutChangerDeMode() const { return !liste_.GenerationEnCours() && !regime_->EnCours(); }

void Jeu::ChangeModeCompetition(bool competition) {
  manche_.EffaceScores();
  competition_.serie().DefinitModeCompetition(competition);
  base_ = competition ? static_cast<Regime*>(&repos_) : &entrainement_;
  lance_.reset();
  termine_.reset();
  // Training games run again under the limit of "Temps :", not a level's.
  EntreDans(*base_);
  if (!competition) return;
  // Results are computed and targets are any number. Nothing tells how many
  // solutions a draw has, but the player's choice comes back with training.
  preferences_.options().resultatsAuto = true;
  preferences_.options().premiers = false;
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

void Jeu::CoefficientChoisi() {
  // A draw given up and still on the board ends with its clock.
  manche_.Interromp();
  AnnonceMinuteur();
  competition_.serie().RemetAZero();
}

}  // namespace tolvan
