// The game's start and close, its clock, and what guards its verbs.
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
  journal_.Ouvre(SolveurDeTravail());
}

void Jeu::ChoisitTemps(int choix) {
  const std::optional<Cadence> avant = regime_->CadenceDesParties(options());
  preferences_.options().temps = choix;
  // Only a way to play that takes its clock from the choice changes it now:
  // a level's clock, a duel's or the day's rule their games.
  if (regime_->CadenceDesParties(options()) != avant) RegleHorloge();
}

void Jeu::RegleHorloge() {
  if (const std::optional<Cadence> cadence = regime_->CadenceDesParties(options())) horloge_.Regle(manche_, *cadence);
  AnnonceMinuteur();
}

void Jeu::AnnonceMinuteur() {
  const bool enMarche = manche_.HorlogeEnMarche() && horloge_.Compte();
  if (enMarche == minuteurAnnonce_) return;
  minuteurAnnonce_ = enMarche;
  vue_.MinuteurEnMarche(enMarche);
}

void Jeu::Tique() {
  // A box or a dialog runs its own events while a verb waits on it: its
  // ticks are not the game's, which must not end under the verb's feet.
  // The seconds they would have counted are counted at the next tick.
  if (services_.QuestionEnCours() || !manche_.HorlogeEnMarche() || !horloge_.Compte()) return;
  for (int secondes = horloge_.SecondesPassees(); secondes > 0; --secondes) {
    if (manche_.Tique()) {
      TempsEcoule();
      return;
    }
  }
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
