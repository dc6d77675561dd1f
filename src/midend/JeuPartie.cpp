// A game from its draw to the target found or the time run out.
#include <stdexcept>

#include "Jeu.h"
#include "game/Tirages.h"
#include "library/RangeeTirage.h"

namespace tolvan {

bool Jeu::PeutRejouer() const {
  return !liste_.GenerationEnCours() && regime_->Permis().tiragesDuJoueur && manche_.TirageDonne();
}

bool Jeu::PeutModifier() const { return !liste_.GenerationEnCours() && regime_->Permis().tiragesDuJoueur; }

bool Jeu::PeutJouerNouvellePartie() const {
  // Between two series of a competition there is no next draw to play.
  return !liste_.GenerationEnCours() && !rechercheEnCours_ && regime_->TirageSuivantPret();
}

void Jeu::NouvellePartie() {
  // In competition the draws come from the series only; one search at a time.
  if (!regime_->Permis().tiragesDuJoueur || rechercheEnCours_) return;
  const OrigineTirage source = TireNouveauTirage();
  if (source == OrigineTirage::Aucune) return;
  PreparePartie();
  Depart();
  if (source == OrigineTirage::Hasard) AjouteTirageJoue();
  JoueSon(Evenement::NewGame);
}

void Jeu::PartieSuivante() {
  if (regime_->Source() == SourceTirage::Duel) {
    JoueTourDeDuel();
    return;
  }
  if (regime_->Source() == SourceTirage::Code) {
    if (regime_->TirageSuivantPret()) DonneTirageDuCode();
    return;
  }
  if (regime_->Source() != SourceTirage::Serie || !regime_->TirageSuivantPret()) {
    NouvellePartie();
    return;
  }
  // The series' first draw comes silently with "Commencer une partie".
  DonneTirageDeSerie();
  JoueSon(Evenement::NewGame);
}

void Jeu::Rejoue() {
  if (!manche_.TirageDonne()) return;
  RetrouveTirageDeLaManche();
  // The day's draw is timed from its start, each attempt on its own.
  if (regime_ == &duJour_) manche_.RemetHorlogeAZero();
  Depart();
}

Jeu::OrigineTirage Jeu::TireNouveauTirage() {
  OrigineTirage source = OrigineTirage::Aucune;
  SousGarde("Tform1.TirageAleatoire;", [this, &source] {
    if (preferences_.options().genre == GenreTirage::Fichier) {
      const std::optional<int> ligne = liste_.LigneAuHasard();
      if (!ligne) return;
      TireLigne(*ligne);
      // Reached only when the row held a draw: a bad row changes nothing.
      liste_.Modele().DefinitLigneCourante(*ligne);
      liste_.Modele().CocheLigne(*ligne);
      source = OrigineTirage::Liste;
      return;
    }
    if (TireAuHasardDeDifficulte()) source = OrigineTirage::Hasard;
  });
  return source;
}


void Jeu::TireLigne(int ligne) { solveur_.ChangeTirage(TirageDeRangee(liste_.Modele().Rangee(ligne))); }

void Jeu::AjouteTirageJoue() {
  SousGarde("TIR_to_LV;", [this] { liste_.AjouteTirageJoue(solveur_); });
}

void Jeu::MontreTirage() {
  for (int i = 1; i <= NbNombres; ++i) manche_.Tableau().change(i, solveur_.Tirage.Nombres[i]);
  // What the hints found was about the draw before.
  aides_.NouveauTirage();
}

void Jeu::PreparePartie() {
  // A game other than the draw of the day is a training game again.
  if (regime_ == &duJour_) EntreDans(entrainement_);
  manche_.RemetHorlogeAZero();
}

void Jeu::Depart() {
  // A game started while a draw of a mark was looked for takes its place.
  rechercheEnCours_ = false;
  manche_.Demarre(solveur_.Tirage);
  ecouleAuDepart_ = manche_.Ecoule();
  horloge_.Repart();
  AnnonceMinuteur();
  journal_.OublieLigneDePartage();
  // The points of a draw by code belong to its own summary.
  if (regime_ != &regimeCode_) regimeCode_.OublieDerniereNote();
  MontreTirage();
  // The board comes back for the new game; the panel's filters stay.
  aides_.NouvellePartie();
  nbSolutions_.reset();
  if (!preferences_.options().solutionsAuto) return;
  vue_.AvantCalcul();
  solveur_.ChercheSol(0);
  // The search runs to its end before returning: the solver is free here.
  nbSolutions_ = solveur_.SolutionApprochee ? 0 : solveur_.NbSolutions;
}

bool Jeu::NbSolutionsVisible() const {
  return preferences_.options().voirNbSolutions && preferences_.options().solutionsAuto && regime_->Permis().solutions;
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

void Jeu::TempsEcoule() {
  JoueSon(Evenement::Temps);
  BilanDeFin(false);
  ConclutPartie(false, manche_.Limite());
  EnregistrePartie(false, manche_.Limite(), regime_->Expire(manche_));
  AnnonceMinuteur();
  vue_.PartieFinie();
  if (regime_->ApresPartie(false) == Suite::FinDeSerie) TermineSerie();
}

void Jeu::Reagit(const TableauNoir::Reaction& reaction) {
  if (reaction.demandeReponse) vue_.ReponseDemandee();
  if (reaction.refusee) vue_.LigneRefusee(manche_.Tableau().NumLigne);
  if (reaction.son) JoueSon(*reaction.son);
  if (reaction.gagne) Gagne();
  SuitLesLignes();
}

void Jeu::Presse(int code) {
  // Only a game being played takes presses; the board comes back before.
  if (!manche_.PartieEnJeu()) return;
  aides_.MontreSolutions(false);
  Reagit(manche_.Effectue(code, preferences_.options().resultatsAuto));
}

TableauNoir::Verdict Jeu::Repond(const std::string& reponse) {
  const TableauNoir::Verdict verdict = manche_.VerifieResultat(reponse);
  if (verdict == TableauNoir::Verdict::Refusee) vue_.LigneRefusee(manche_.Tableau().NumLigne);
  if (verdict == TableauNoir::Verdict::Gagnee) Gagne();
  SuitLesLignes();
  return verdict;
}

void Jeu::Retour() { Reagit(manche_.Retour()); }

void Jeu::Gagne() {
  SousGarde("Tform1.Cgagner;", [this] {
    JoueSon(Evenement::Trouve);
    const int seconde = manche_.Gagne();
    Gain gain = regime_->Gagne(seconde);
    // Without a clock the games list has no time to give.
    if (!horloge_.Compte()) gain.ligne.score.clear();
    manche_.AjouteScore(gain.ligne);
    liste_.Modele().MarqueTrouve();
    BilanDeFin(true);
    ConclutPartie(true, seconde);
    EnregistrePartie(true, seconde, gain.points);
    AnnonceMinuteur();
    vue_.PartieFinie();
    if (regime_->ApresPartie(true) == Suite::FinDeSerie) TermineSerie();
  }, "BUG !");
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

std::optional<int> Jeu::JoueSaisie(const std::array<std::string, NbChamps>& champs) {
  const std::variant<TTirage, int> saisie = LitSaisie(champs, solveur_.Tirage);
  // Nothing is taken: the player mends the field and plays again.
  if (const int* fautif = std::get_if<int>(&saisie)) return *fautif;
  solveur_.ChangeTirage(std::get<TTirage>(saisie));
  solveur_.OublieResultats();
  // Another draw, another game: with the whole of its time.
  PreparePartie();
  Depart();
  AjouteTirageJoue();
  return std::nullopt;
}

bool Jeu::JoueLigne(int ligne) {
  if (ligne < 0) return false;
  bool jouee = false;
  SousGarde("TForm1.LVtirageDblClick;", [this, ligne, &jouee] {
    TireLigne(ligne);
    PreparePartie();
    Depart();
    liste_.Modele().DefinitLigneCourante(ligne);
    jouee = true;
  });
  return jouee;
}

}  // namespace tolvan
