// The game as a whole, between its rules and the window, and the one
// object the window talks to: one verb per thing the player does, what the
// window reads to draw, and `VueJeu` for the few things that are not state.
// Boxes, files, sounds, the clock and random numbers go through `Services`,
// so the whole game runs in tests without a window.
//
// It runs one flow for every way to play and coordinates the parts, each
// with one concern; the arrows go one way, from here to them, and no part
// reaches back or sideways:
//
//   Jeu ──start/stop──> Regime   the way the game is played now, made from
//                                its row of the catalogue (regimes/): it
//                                deals, concludes each game, ends its
//                                series, acting through ──> Table (below)
//       ──> Horloge              the clock: its choice, the seconds, its words
//       ──> Journal              the history, the draw of the day, the share
//                                line, the player's rating ──> MaCote
//       ──> Competition          the series, the level and its records, the
//                                player's name ──> Bibliotheque (a level's draws)
//       ──> Bibliotheque         the draws list, its files, printing, generation
//       ──> TiragesDuJoueur      the player's own draws: random, of a mark, listed
//       ──> Aides                the solutions panel, the hints band and its
//                                calculator, the coach, the hints by steps
//       ──> ChampDeCalcul        a calculation typed, played through the board
//       ──> Arbitrage            the arbiter's desk, which shares only the desktop
//       ──> Preferences          the options and their store, sounds, texts, language
//       ──> ServicesDuJeu        the desktop, and whether a question waits
//
// What stays here is the game on the board, which it lends the regimes as
// their `Table` (and the typed calculation as its `PartieDuChamp`): the
// draw's solver and the round, from the draw dealt to the target found or
// the time run out; what a game that ended leaves is FinDePartie.h's.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "Aides.h"
#include "Arbitrage.h"
#include "ChampDeCalcul.h"
#include "Competition.h"
#include "Journal.h"
#include "OperationFichier.h"
#include "Preferences.h"
#include "Table.h"
#include "TiragesDuJoueur.h"
#include "game/SaisieTirage.h"
#include "regimes/Catalogue.h"
#include "regimes/RegimeCompetition.h"
#include "regimes/RegimeEntrainement.h"

class QAbstractItemModel;

namespace tolvan {

// A way to play's button as the window shows it.
struct BoutonDeFacon {
  QString texte;         // its caption now; empty: the caption it was given
  bool actif = false;    // it can be pressed
  bool enCours = false;  // its own series is under way: pressed, it stops it
};

class Jeu : private EvenementsSolveur, private Table, private PartieDuChamp {
 public:
  // `repertoireProgramme` is where the files that come with the game lie,
  // ending with a separator.
  Jeu(Services& services, VueJeu& vue, QString repertoireProgramme);
  ~Jeu() override;

  // A placeholder draw on the board, then the options kept from the last run.
  void Demarre();
  // The window closes: the options changed go back to the settings store,
  // the games the history could not take are kept beside it.
  void Termine() { preferences_.Ecris(); journal_.Ferme(); }

  // --- what the window shows ---
  const Manche& manche() const override { return manche_; }
  const TTirage& Tirage() const { return solveur_.Tirage; }
  const Options& options() const override { return preferences_.options(); }
  const TextesMessages& Textes() const { return preferences_.textes(); }
  const SonsDuJeu& Sons() const { return preferences_.sons(); }
  // The parts whose state the window reads as it is.
  const Aides& aides() const override { return aides_; }
  const Competition& competition() const { return competition_; }
  const Bibliotheque& bibliotheque() const { return liste_; }
  // The list as a table for the list view, which only reads it.
  QAbstractItemModel* ModeleTirages() { return &liste_.Modele(); }
  // The points finding the draw now would earn in a series.
  std::uint16_t PointsEnJeu() const { return competition_.serie().Points(manche_.Ecoule()); }
  // The solution count of the draw dealt, once searched; nothing before.
  std::optional<int> NbSolutionsAffiche() const { return nbSolutions_; }
  // The count is shown beside the draw: asked for, computed, and no competition.
  bool NbSolutionsVisible() const;
  // A draw of the chosen mark is being looked for; the search is given up
  // when the window closes.
  bool RechercheEnCours() const { return tiragesDuJoueur_.RechercheEnCours(); }
  void ArreteRecherche() { tiragesDuJoueur_.ArreteRecherche(); }
  // The way the game is played now.
  const Regime& regime() const { return *regime_; }
  const Horloge& horloge() const { return horloge_; }
  // "Ma cote", and what it learnt from.
  const MaCote& cote() const { return journal_.cote(); }
  // What the clock says, in the language's words; empty when it says nothing.
  QString TexteHorloge() const override { return horloge_.Texte(manche_, Textes()); }
  // What the summary panel shows: the last game's, or the way to play's
  // between two goes.
  Bilan BilanAffiche() const;
  // The way to play the summary is about: the one under way, or the one
  // whose series just ended, until the next game.
  const Regime& RegimeAuBilan() const { return termine_ ? *termine_ : *regime_; }
  // The board's lines and the clock's time are hidden: between two players' goes.
  bool TableauCache() const { return !manche_.PartieEnJeu() && regime_->TableauCache(); }
  // The solver of the draw on the board, as the tests and the hints read it.
  const Solveur& solveur() const { return solveur_; }

  // --- what can be done now ---
  bool PeutRejouer() const;
  bool PeutModifier() const;
  bool PeutJouerNouvellePartie() const;
  bool PeutChangerDeMode() const;
  bool AidesPermises() const override { return regime_->Permis().aides; }
  bool SolutionsPermises() const { return regime_->Permis().solutions; }
  bool CoachVisible() const override { return options().coach && regime_->Permis().coach; }
  bool IndicesParEtapesPermis() const override { return regime_->Permis().indices && manche_.PartieEnJeu(); }
  bool ListeVisible() const { return regime_->Permis().liste; }
  // A series, a duel or a code's series goes on with its next draw.
  bool SerieEnCours() const { return regime_->EnCours(); }

  // --- a game ---
  // A new random draw and a game on it (the target tile); nothing at all
  // when no draw comes out or the way to play deals its own.
  void NouvellePartie();
  // "Nouvelle partie", or "Partie Suivante" of the way to play.
  void PartieSuivante();
  // The last game's draw, played again.
  void Rejoue();
  // The window's timer ticked: the seconds gone since the last tick taken
  // go to the game's clock. A tick while a question waits is not taken.
  void Tique();
  // A press on tile 1..6 or an operator 7..10.
  void Presse(int code) override;
  // A typed result, checked when the player presses Enter.
  TableauNoir::Verdict Repond(const std::string& reponse) override;
  // "Retour".
  void Retour() override { Reagit(manche_.Retour()); }
  // Enter in the field for typed calculations (ChampDeCalcul.h).
  ReponseDuChamp TapeCalcul(std::string_view texte) { return Tape(texte, *this); }
  // "Modifier": the numbers of the board as they stand, then the target,
  // for the entry fields.
  std::array<longint, NbChamps> OuvreSaisie();
  // "Jouer" on the typed fields; the index of the first field that holds no
  // number, in which case nothing is taken.
  std::optional<int> JoueSaisie(const std::array<std::string, NbChamps>& champs);

  // --- the ways to play (regimes/Catalogue.h), each from its button ---
  BoutonDeFacon Facon(const QString& bouton) const;
  // The button of a way to play was pressed. While its own series is under
  // way, it stops it once the player confirms. Otherwise another series
  // under way is given up once the player agrees: true when the way may
  // start now, its settings chosen first when it has any.
  bool PresseFacon(const QString& bouton);
  // Starts the way to play of `bouton` with what the player chose; a series
  // under way is given up first once the player agrees. False when nothing
  // started.
  bool Commence(const QString& bouton, const ChoixDuJoueur& choix = {});
  // The sheet the last series left, to read, print and copy.
  const std::optional<Feuille>& FeuilleDeSerie() const { return feuille_; }
  void ImprimeFeuille() { if (feuille_) tolvan::ImprimeFeuille(services_, Textes(), *feuille_); }
  void CopieFeuille();

  // --- the draw of the day ---
  // The line to share once the draw of the day has ended, giving nothing of
  // it away; empty once another game starts.
  const QString& LigneDePartage() const { return journal_.LigneDePartage(); }
  // "Copier le résultat": the line goes to the clipboard; false without one.
  bool CopieResultat() { return journal_.CopieResultat(); }

  // --- the history ---
  const Historique& historique() const { return journal_.historique(); }
  // What "Mes parties" shows: the counts and charts, and the last games.
  BilanParties BilanDesParties() const { return journal_.Bilan(); }
  // `erreur` says why they could not be read.
  std::vector<PartieJouee> DernieresParties(QString* erreur = nullptr) const {
    return journal_.Dernieres(PartiesListees, erreur);
  }
  static constexpr int PartiesListees = 500;
  // "Exporter en CSV": every game to a file the player picks; the file
  // written, if it was.
  std::optional<QString> ExporteHistorique() { return journal_.Exporte(Textes()); }

  // --- the solutions panel ---
  void BasculeSolutions() { aides_.BasculeSolutions(); }
  void SolutionVoisine(bool suivante) { aides_.SolutionVoisine(suivante); }
  void MontreLaPlusSimple() { aides_.MontreLaPlusSimple(); }
  void MontreLaPlusTordue() { aides_.MontreLaPlusTordue(); }
  void MontreLaMienne();
  void FiltreEtapes(int choix) { aides_.FiltreEtapes(choix); }
  void FiltreOperation(int choix) { aides_.FiltreOperation(choix); }

  // --- the hints band and the calculator ---
  void BasculeAides() { aides_.BasculeAides(); }
  void ChercheDerniereLigne() { aides_.ChercheDerniereLigne(); }
  // "Indice": one more step of help from the position on the board.
  void Indice() override;
  // An empty field (or one holding no number) stands for the target.
  void Decompose(const std::string& champ) { aides_.Decompose(champ); }
  void ChoisitOperationDerniereLigne(longint oper) { aides_.ChoisitOperationDerniereLigne(oper); }
  void DerniereLigneVoisine(bool suivante) { aides_.DerniereLigneVoisine(suivante); }
  // A key in the calculator: what it typed, and what kind of key it is.
  void CalculatriceTouche(const QString& texte, MiniCalculatrice::Touche touche) {
    aides_.CalculatriceTouche(texte, touche);
  }

  // --- options ---
  // (what each does: Preferences.h)
  void ChangeSolutionsAuto(bool actif) { preferences_.ChangeSolutionsAuto(actif); }
  // An option that is a box and nothing more: "Calcul automatique des
  // résultats", "Résultats premiers uniquement", "Tirages Fous !", "Voir ma cote".
  void ChangeCase(bool Options::*option, bool actif) { preferences_.options().*option = actif; }
  void ChangeVoirNbSolutions(bool actif) { preferences_.ChangeVoirNbSolutions(actif); }
  void ChoisitGenreTirage(GenreTirage genre) { preferences_.ChoisitGenreTirage(genre); }
  void ChoisitDifficulte(int marque) { preferences_.ChoisitDifficulte(marque); }
  void ChangeCoach(bool actif);
  // The choice of "Temps :" restarts the clock under its limit when the
  // way to play takes its clock from it; -1 (a stored choice out of the
  // list) keeps the limit.
  void ChoisitTemps(int choix);
  void ChangeSon(Evenement evenement, bool actif) { preferences_.ChangeSon(evenement, actif); }
  void ChangeTousLesSons(bool actifs) { preferences_.ChangeTousLesSons(actifs); }

  // --- sounds ---
  void EcouteSon(Evenement evenement) { preferences_.EcouteSon(evenement); }
  void ChoisitSon(Evenement evenement) { preferences_.ChoisitSon(evenement); }
  void OuvreTheme() { preferences_.OuvreTheme(); }
  void SauveTheme() { preferences_.SauveTheme(); }
  void ChargeThemeDesOptions() { preferences_.ChargeThemeDesOptions(); }

  // --- languages ---
  std::optional<QString> ChoisitLangue() { return preferences_.ChoisitLangue(); }
  void ChargeLangue(const QString& chemin, const std::function<void(int ligne, const QString& texte)>& applique) {
    preferences_.ChargeLangue(chemin, applique);
  }
  void DefinitTexte(QString TextesMessages::*message, const QString& texte) { preferences_.DefinitTexte(message, texte); }

  // --- competitions ---
  void ChangeModeCompetition(bool competition);
  // "Changer le level": the level's draws replace the list. One that could
  // not be read whole starts no series.
  void ChangeNiveau() { competition_.ChangeNiveau(); }
  void ChoisitCoefficient(int choix) { competition_.serie().DefinitCoefficient(choix); }
  // A coefficient chosen from the list stops the clock and the series' count.
  void CoefficientChoisi();
  void InterditAides(bool interdites);

  // --- the draws list ---
  // (what each does: Bibliotheque.h)
  void OuvreListe() { liste_.Ouvre(); }
  void SauveListe() { liste_.Sauve(); }
  void ExporteListe() { liste_.Exporte(); }
  bool LaisseLaListe() { return liste_.LaisseLaListe(); }
  void ImprimeListe() { liste_.Imprime(); }
  void EffaceLignes(const QList<int>& lignes) { liste_.Modele().Efface(lignes); }
  void EffaceTout() { liste_.EffaceTout(); }
  void Classe(bool actif) { liste_.Modele().Classe(actif); }
  // A new game on the row's draw, with the whole of its time; false when
  // the row held no draw.
  bool JoueLigne(int ligne);
  // Solves the row's draw; during a game, aside, so that its draw stays.
  void CalculeLigne(int ligne);
  void CopieLigne(int ligne) { liste_.CopieLigne(ligne); }
  // A generated series of `nombre` draws (none when 0), made one by one
  // through Avance; the list stops being sorted either way.
  void GenereSerie(int nombre) { liste_.GenereSerie(nombre, SolveurDeTravail()); }
  void ArreteGeneration() { liste_.ArreteGeneration(); }

  // The arbiter's desk (Arbitrage.h), which only shares the desktop and the texts.
  Arbitrage& arbitrage() { return arbitrage_; }

 private:
  // The search's busy cursor and failures go to the desktop.
  void CurseurOccupe() override { services_.CurseurOccupe(); }
  void CurseurNormal() override { services_.CurseurNormal(); }
  void SignaleBug(const std::string& message) override;

  // The table the regimes play on (Table.h).
  Solveur& solveurDuTirage() override { return solveur_; }
  const Cadence& cadence() const override { return horloge_.cadence(); }
  const TextesMessages& textes() const override { return Textes(); }
  void Joue() override;
  void JoueTirageDuJoueur() override;
  void NoteTirageJoue() override;
  int Aleatoire(int n) override { return services_.Aleatoire(n); }
  QString NomDuJoueur() override { return competition_.NomDuJoueur(); }

  // Runs a verb's body; an unexpected failure inside it is shown as a
  // "BUG" naming the procedure, and the game carries on.
  void SousGarde(const char* entete, const std::function<void()>& corps, const char* bug = "BUG ! ");

  // --- the way to play ---
  // Back to the way the game comes back to: training, or a competition at rest.
  void Retourne();
  // The game is played `regime`'s way, under its clock.
  void EntreDans(Regime& regime);
  // Gives up the series under way, once the player agrees; true when
  // nothing is under way any more.
  bool LaissePlace();
  bool AccepteAbandon();
  // The series under way is given up once the player confirms; true when it was.
  bool Arrete();
  // The player deals a draw of their own: a way to play of one game gives way.
  void QuitteUnePartie();
  // Deals through `donne`; a game dealt so is heard.
  void DonneEtAnnonce(const std::function<void()>& donne);
  // The regime's clock for the games to come, if it has one to give.
  void RegleHorloge();
  // The window hears when the clock starts or stops counting.
  void AnnonceMinuteur();

  // --- the game on the board ---
  // The solver's draw on the board's tiles; what the hints said is forgotten.
  void MontreTirage();
  // A game on the current draw.
  void Depart();
  void Gagne();
  void TempsEcoule();
  // A game ended, found or not: its summary, the regime's conclusion, its
  // row of the history, and what follows.
  void FinitPartie(bool trouve, int secondes);
  // The regime's series is over: its sheet, and the way the game comes back to.
  void TermineRegime();
  void Reagit(const TableauNoir::Reaction& reaction);
  void RetrouveTirageDeLaManche();
  // After a press, a typed answer or "Retour": the coach speaks again and
  // the hints start over when the finished lines changed.
  void SuitLesLignes() { aides_.SuitLesLignes(CoachVisible()); }
  // The end of a game: its mark, and the coach's last word.
  void BilanDeFin(bool gagnee);
  // A game on the draw the player just put on the solver, from wherever it came.
  void JoueTirageDuJoueur(TiragesDuJoueur::Origine origine);
  Solveur& SolveurDeTravail();

  mutable ServicesDuJeu services_;  // the date is asked from what only reads the game too
  VueJeu& vue_;
  const QString repertoireProgramme_;

  Preferences preferences_{services_, repertoireProgramme_};
  Bibliotheque liste_{services_, preferences_.textes(), vue_};
  Competition competition_{services_, preferences_.textes(), vue_, liste_, repertoireProgramme_};
  Journal journal_{services_};
  Arbitrage arbitrage_{services_, preferences_.textes()};

  Solveur solveur_;
  // Listed draws solved during a game and series work here, so that the
  // draw being played and its solutions are never disturbed.
  std::unique_ptr<Solveur> travail_;
  Manche manche_;
  Horloge horloge_{services_};
  bool minuteurAnnonce_ = false;  // what the window was last told of its timer
  int ecouleAuDepart_ = 0;        // where the clock stood when this game began
  int partiesDonnees_ = 0;        // games started, to tell when a verb dealt one
  bool rejouee_ = false;          // the game on the board was dealt by "Rejouer"
  bool partieNotee_ = false;      // the game that just ended counted for the rating
  std::optional<int> nbSolutions_;
  TiragesDuJoueur tiragesDuJoueur_{services_, preferences_.options(), vue_, liste_, this};
  Aides aides_{solveur_, manche_, preferences_.textes(), vue_, this};

  // The ways to play: the one the game comes back to (training, or a
  // competition at rest), the one a button started, and the one that
  // ended, kept until the next game so that its summary stays.
  RegimeEntrainement entrainement_;
  RegimeCompetition repos_{competition_.serie()};
  Regime* base_ = &entrainement_;
  std::unique_ptr<Regime> lance_;
  QString boutonLance_;  // the button of the way started
  std::unique_ptr<Regime> termine_;
  Regime* regime_ = &entrainement_;
  std::optional<Feuille> feuille_;
};

}  // namespace tolvan
