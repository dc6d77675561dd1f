// The game's start and close, its clock and the way it is played.
#include "Jeu.h"


namespace tolvan {


Jeu::Jeu(Services& services, VueJeu& vue, QString repertoireProgramme)
    : services_(services),
      vue_(vue),
      repertoireProgramme_(std::move(repertoireProgramme)),
      solveur_(this) {}

Jeu::~Jeu() = default;

void Jeu::Demarre() {
  services_.SemeAleatoire();
  // A placeholder draw, shown until the first real one is dealt.
  solveur_.ChangeTirage(TTirage{NombresTirage{{{1, 1, 2, 2, 3, 3}}}, 999});
  MontreTirage();
  preferences_.Lis();
  // The clock chosen last time; one out of the list leaves "illimité".
  RegleHorloge();
  journal_.Ouvre();
}

void Jeu::Termine() { preferences_.Ecris(); }





void Jeu::ChoisitTemps(int choix) {
  preferences_.options().temps = choix;
  // A level's clock and the day's rule their games; the choice waits for training.
  if (regime_ == &entrainement_) RegleHorloge();
}

void Jeu::EntreDans(Regime& regime) {
  // Another way to play: no draw looked for under the last one is dealt.
  rechercheEnCours_ = false;
  regime_ = &regime;
  RegleHorloge();
}

void Jeu::RegleHorloge() {
  if (const std::optional<Cadence> cadence = regime_->CadenceDesParties(preferences_.options())) horloge_.Regle(manche_, *cadence);
  AnnonceMinuteur();
}

void Jeu::AnnonceMinuteur() {
  const bool enMarche = manche_.HorlogeEnMarche() && horloge_.Compte();
  if (enMarche == minuteurAnnonce_) return;
  minuteurAnnonce_ = enMarche;
  vue_.MinuteurEnMarche(enMarche);
}










void Jeu::SignaleBug(const std::string& message) {
  services_.Message(TypeMessage::Erreur, QString::fromStdString(message), BoutonsMessage::Ok);
}

void Jeu::SousGarde(const char* entete, const std::function<void()>& corps, const char* bug) {
  try {
    corps();
  } catch (...) {
    services_.Message(TypeMessage::Erreur,
                      QString::fromUtf8(bug) + QStringLiteral("\rPROCEDURE ") + QString::fromUtf8(entete),
                      BoutonsMessage::Ok);
  }
}

}  // namespace tolvan
