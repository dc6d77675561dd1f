// A game from its draw to the target found or the time run out: the one
// flow every way to play deals into and concludes from; and the listed
// draws solved, during a game aside, so that its draw stays.
#include <stdexcept>

#include "FinDePartie.h"
#include "Jeu.h"
#include "library/RangeeTirage.h"

namespace tolvan {

bool Jeu::PeutRejouer() const { return PeutModifier() && manche_.TirageDonne(); }

bool Jeu::PeutModifier() const { return !liste_.GenerationEnCours() && regime_->Permis().tiragesDuJoueur; }

bool Jeu::PeutJouerNouvellePartie() const {
  // Between two series of a competition there is no next draw to play.
  return !liste_.GenerationEnCours() && !RechercheEnCours() && regime_->TirageSuivantPret();
}

void Jeu::NouvellePartie() {
  // Ways to play that deal their own draws take none of the player's; one
  // search at a time.
  if (!regime_->Permis().tiragesDuJoueur || RechercheEnCours()) return;
  DonneEtAnnonce([this] { JoueTirageDuJoueur(); });
}

void Jeu::PartieSuivante() {
  DonneEtAnnonce([this] { regime_->Suivante(*this); });
}

void Jeu::JoueTirageDuJoueur() {
  TiragesDuJoueur::Origine origine = TiragesDuJoueur::Origine::Aucune;
  SousGarde("Tform1.TirageAleatoire;", [this, &origine] { origine = tiragesDuJoueur_.Tire(solveur_); });
  JoueTirageDuJoueur(origine);
}

std::optional<int> Jeu::JoueSaisie(const std::array<std::string, NbChamps>& champs) {
  const std::optional<int> fautif = tiragesDuJoueur_.Saisit(champs, solveur_);
  if (!fautif) JoueTirageDuJoueur(TiragesDuJoueur::Origine::Saisie);
  return fautif;
}

bool Jeu::JoueLigne(int ligne) {
  TiragesDuJoueur::Origine origine = TiragesDuJoueur::Origine::Aucune;
  SousGarde("TForm1.LVtirageDblClick;", [&] { origine = tiragesDuJoueur_.PrendLigne(ligne, solveur_); });
  JoueTirageDuJoueur(origine);
  return origine != TiragesDuJoueur::Origine::Aucune;
}

void Jeu::JoueTirageDuJoueur(TiragesDuJoueur::Origine origine) {
  if (origine == TiragesDuJoueur::Origine::Aucune) return;
  QuitteUnePartie();
  Joue();
  // A draw the list does not hold yet joins it.
  if (origine != TiragesDuJoueur::Origine::Liste) NoteTirageJoue();
}

void Jeu::NoteTirageJoue() {
  SousGarde("TIR_to_LV;", [this] { liste_.AjouteTirageJoue(solveur_); });
}

void Jeu::Joue() {
  // Another draw, another game: with the whole of its time.
  rejouee_ = false;
  manche_.RemetHorlogeAZero();
  RegleHorloge();
  Depart();
}

void Jeu::Rejoue() {
  if (!manche_.TirageDonne()) return;
  RetrouveTirageDeLaManche();
  if (regime_->RejoueDepuisZero()) manche_.RemetHorlogeAZero();
  rejouee_ = true;
  Depart();
}

void Jeu::MontreTirage() {
  for (int i = 1; i <= NbNombres; ++i) manche_.Tableau().change(i, solveur_.Tirage.Nombres[i]);
  // What the hints found was about the draw before.
  aides_.NouveauTirage();
}

void Jeu::Depart() {
  // A game started while a draw of a mark was looked for takes its place.
  tiragesDuJoueur_.ArreteRecherche();
  ++partiesDonnees_;
  partieNotee_ = false;
  manche_.Demarre(solveur_.Tirage);
  ecouleAuDepart_ = manche_.Ecoule();
  horloge_.Repart();
  AnnonceMinuteur();
  journal_.OublieLigneDePartage();
  // The summary is this game's from now on, not a way to play's that ended.
  termine_.reset();
  MontreTirage();
  // The board comes back for the new game; the panel's filters stay.
  aides_.NouvellePartie();
  nbSolutions_.reset();
  if (!options().solutionsAuto) return;
  vue_.AvantCalcul();
  solveur_.ChercheSol(0);
  // The search runs to its end before returning: the solver is free here.
  nbSolutions_ = solveur_.SolutionApprochee ? 0 : solveur_.NbSolutions;
}

bool Jeu::NbSolutionsVisible() const {
  return options().voirNbSolutions && options().solutionsAuto && regime_->Permis().solutions;
}

void Jeu::Reagit(const TableauNoir::Reaction& reaction) {
  if (reaction.demandeReponse) vue_.ReponseDemandee();
  if (reaction.refusee) vue_.LigneRefusee(manche_.Tableau().NumLigne);
  if (reaction.son) preferences_.JoueSon(*reaction.son);
  if (reaction.gagne) Gagne();
  SuitLesLignes();
}

void Jeu::Presse(int code) {
  // Only a game being played takes presses; the board comes back before.
  if (!manche_.PartieEnJeu()) return;
  aides_.MontreSolutions(false);
  Reagit(manche_.Effectue(code, options().resultatsAuto));
}

TableauNoir::Verdict Jeu::Repond(const std::string& reponse) {
  const TableauNoir::Verdict verdict = manche_.VerifieResultat(reponse);
  if (verdict == TableauNoir::Verdict::Refusee) vue_.LigneRefusee(manche_.Tableau().NumLigne);
  if (verdict == TableauNoir::Verdict::Gagnee) Gagne();
  SuitLesLignes();
  return verdict;
}

void Jeu::Gagne() {
  SousGarde("Tform1.Cgagner;", [this] {
    preferences_.JoueSon(Evenement::Trouve);
    const int seconde = manche_.Gagne();
    liste_.Modele().MarqueTrouve();
    FinitPartie(true, seconde);
  }, "BUG !");
}

void Jeu::TempsEcoule() {
  preferences_.JoueSon(Evenement::Temps);
  FinitPartie(false, manche_.Limite());
}

void Jeu::FinitPartie(bool trouve, int secondes) {
  BilanDeFin(trouve);
  PartieJouee partie = RangeeDeLaPartie(manche_, aides_, horloge_, solveur_, trouve, secondes, ecouleAuDepart_);
  partie.rejouee = rejouee_;
  FinDePartie fin{trouve, secondes, trouve ? horloge_.AuDixieme(secondes, manche_) : secondes,
                  manche_.Tableau().MeilleurResultat(manche_.Tirage().Resultat), {}};
  for (int k = 1; k <= manche_.Tableau().NbLignesFinies(); ++k) fin.lignes.push_back(manche_.Tableau().TexteLigne(k));
  const Conclusion conclusion = regime_->Conclut(*this, fin, partie);
  if (conclusion.ligne) {
    LigneScore ligne = *conclusion.ligne;
    // Without a clock the games list has no time to give.
    if (!horloge_.Compte()) ligne.score.clear();
    manche_.AjouteScore(ligne);
  }
  partieNotee_ = journal_.Enregistre(partie, Textes().partage).has_value();
  AnnonceMinuteur();
  vue_.PartieFinie();
  if (conclusion.suite == Suite::FinDeSerie) TermineRegime();
}

void Jeu::RetrouveTirageDeLaManche() {
  if (!manche_.TirageDonne() || solveur_.Tirage == manche_.Tirage()) return;
  solveur_.ChangeTirage(manche_.Tirage());
}

std::array<longint, NbChamps> Jeu::OuvreSaisie() {
  // The tiles as they stand: during a game, with its intermediate results.
  std::array<longint, NbChamps> nombres{};
  for (int i = 1; i <= NbNombres; ++i) nombres[static_cast<std::size_t>(i - 1)] = manche_.Tableau().Tuiles[i].valeur;
  nombres[NbNombres] = solveur_.Tirage.Resultat;
  manche_.AfficheSaisie();
  return nombres;
}

Solveur& Jeu::SolveurDeTravail() {
  if (!travail_) travail_ = std::make_unique<Solveur>(static_cast<EvenementsSolveur*>(this));
  return *travail_;
}

void Jeu::CalculeLigne(int ligne) {
  if (ligne < 0) return;
  SousGarde("TForm1.Calculerlasolution1Click;", [this, ligne] {
    // During a game its draw stays the current one: the row is solved aside.
    const bool aCote = manche_.PartieEnJeu();
    liste_.Calcule(ligne, aCote ? SolveurDeTravail() : solveur_);
    if (!aCote) MontreTirage();
  });
}

}  // namespace tolvan
