// The game as a whole, between its rules and the window, and the one
// object the window talks to: one verb per thing the player does, what the
// window reads to draw, and `VueJeu` for the few things that are not state.
// Boxes, files, sounds, the clock and random numbers go through `Services`,
// so the whole game runs in tests without a window.
//
// It coordinates the parts, each with one concern; the arrows go one way,
// from here to them, and no part reaches back or sideways:
//
//   Jeu ──> Regime        the way the game is played now (training, a
//                         level's series, the draw of the day, a duel,
//                         club play by a code): draw
//                         source, clock, help allowed, points, history row
//       ──> Horloge       the clock: its choice, the seconds, its words
//       ──> Journal       the history, the draw of the day, the share line
//       ──> Competition   the series, the level and its records, the
//                         player's name ──> Bibliotheque (a level's draws)
//       ──> Bibliotheque  the draws list, its files, printing, generation
//       ──> Aides         the solutions panel, the hints band and its
//                         calculator, the coach, the hints by steps
//       ──> Preferences   the options and their store, sounds, texts, language
//       ──> ServicesDuJeu the desktop, and whether a question waits
//
// What stays here is the game on the board: the draw's solver and the
// round, from the draw dealt to the target found or the time run out.
#pragma once

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QList>
#include <QString>


#include "EvenementsSonores.h"
#include "Aides.h"
#include "Arbitrage.h"
#include "Bibliotheque.h"
#include "Competition.h"
#include "Journal.h"
#include "Horloge.h"
#include "Options.h"
#include "Preferences.h"
#include "Regime.h"
#include "RegimeDuel.h"
#include "RegimeCode.h"
#include "Services.h"
#include "ServicesDuJeu.h"
#include "TextesMessages.h"
#include "VueJeu.h"
#include "competition/Niveau.h"
#include "competition/Serie.h"
#include "engine/PanneauSolutions.h"
#include "engine/Solveur.h"
#include "game/Coach.h"
#include "game/Manche.h"
#include "game/MiniCalculatrice.h"
#include "game/SaisieTirage.h"
#include "library/ListeTirages.h"

class QAbstractItemModel;

namespace tolvan {

class Jeu : private EvenementsSolveur {
 public:
  // `repertoireProgramme` is where the files that come with the game lie,
  // ending with a separator.
  Jeu(Services& services, VueJeu& vue, QString repertoireProgramme);
  ~Jeu() override;

  // A placeholder draw on the board, then the options kept from the last run.
  void Demarre();
  // The options changed during this run go back to the settings store.
  void Termine();

  // --- what the window shows ---
  const Manche& manche() const { return manche_; }
  const Serie& serie() const { return competition_.serie(); }
  const TTirage& Tirage() const { return solveur_.Tirage; }
  const Options& options() const { return preferences_.options(); }
  const TextesMessages& Textes() const { return preferences_.textes(); }
  const SonsDuJeu& Sons() const { return preferences_.sons(); }
  const ListeTirages& Tirages() const { return liste_.Modele(); }
  // The list as a table for the list view, which only reads it.
  QAbstractItemModel* ModeleTirages() { return &liste_.Modele(); }
  // The level as its page shows it: its name, its time, its records.
  const Niveau& NiveauAffiche() const { return competition_.NiveauAffiche(); }
  const QString& FichierNiveau() const { return competition_.FichierNiveau(); }
  // The points finding the draw now would earn in a series.
  std::uint16_t PointsEnJeu() const { return competition_.serie().Points(manche_.Ecoule()); }
  // The solution count of the draw dealt, once searched; nothing before.
  std::optional<int> NbSolutionsAffiche() const { return nbSolutions_; }
  // The count is shown beside the draw: asked for, computed, and no competition.
  bool NbSolutionsVisible() const;
  // The help around the board (what each is: Aides.h).
  const LignesPanneau& LignesSolutions() const { return aides_.LignesSolutions(); }
  bool SolutionsVisibles() const { return aides_.SolutionsVisibles(); }
  bool AidesAffichees() const { return aides_.AidesAffichees(); }
  const std::string& NombreADecomposer() const { return aides_.NombreADecomposer(); }
  const std::string& Decomposition() const { return aides_.Decomposition(); }
  const std::string& DerniereLigneTrouvee() const { return aides_.DerniereLigneTrouvee(); }
  longint OperationDerniereLigne() const { return aides_.OperationDerniereLigne(); }
  const MiniCalculatrice& Calculatrice() const { return aides_.Calculatrice(); }
  bool GenerationEnCours() const { return liste_.GenerationEnCours(); }
  // A draw of the chosen mark is being looked for.
  bool RechercheEnCours() const { return rechercheEnCours_; }
  // The search for a draw of a mark is given up (the window closes).
  void ArreteRecherche() { rechercheEnCours_ = false; }
  // The coach's line, empty when it has nothing to say (or is off).
  const std::string& TexteCoach() const { return aides_.TexteCoach(); }
  // The last hint step shown, and how many hints this game used.
  const std::string& TexteIndice() const { return aides_.TexteIndice(); }
  int IndicesUtilises() const { return aides_.IndicesUtilises(); }
  // The mark of the game that just ended, for its summary; none in
  // competition or before a game ended.
  std::optional<int> DifficulteDeLaPartie() const {
    // The last draw of a code ends its series, but its summary is still a club's.
    const bool marque = regime_->Permis().marque && !regimeCode_.DerniereNote();
    return marque ? aides_.Difficulte() : std::nullopt;
  }
  // The way the game is played now: training, a series, the draw of the day.
  const Regime& regime() const { return *regime_; }
  const Horloge& horloge() const { return horloge_; }
  // What the clock says, in the language's words; empty when it says nothing.
  QString TexteHorloge() const { return horloge_.Texte(manche_, Textes()); }
  // The time a hidden clock gives the summary of the game that ended.
  std::optional<QString> TempsAuBilan() const { return horloge_.TexteDuBilan(manche_, Textes()); }
  // The solver of the draw on the board, as the tests and the hints read it.
  const Solveur& solveur() const { return solveur_; }

  // --- what can be done now ---
  bool PeutRejouer() const;
  bool PeutModifier() const;
  bool PeutJouerNouvellePartie() const;
  bool PeutChangerDeMode() const;
  bool PeutCommencerSerie() const;
  bool AidesPermises() const;
  // The level, the coefficient and the hint ban can change between series only.
  bool ReglagesDeSerieModifiables() const;
  bool SolutionsPermises() const { return regime_->Permis().solutions; }
  bool CoachVisible() const { return options().coach && regime_->Permis().coach; }
  bool IndicesParEtapesPermis() const { return regime_->Permis().indices && manche_.PartieEnJeu(); }
  bool ListeVisible() const { return regime_->Permis().liste; }

  // --- a game ---
  // A new random draw and a game on it (the target tile); nothing at all
  // when no draw comes out or in competition.
  void NouvellePartie();
  // "Nouvelle partie", or "Partie Suivante" during a series.
  void PartieSuivante();
  // The last game's draw, played again.
  void Rejoue();
  // The window's timer ticked: the seconds gone since the last tick taken
  // go to the game's clock. A tick while a question waits is not taken.
  void Tique();
  // A press on tile 1..6 or an operator 7..10.
  void Presse(int code);
  // A typed result, checked when the player presses Enter.
  TableauNoir::Verdict Repond(const std::string& reponse);
  // "Retour".
  void Retour();
  // "Modifier": the numbers of the board as they stand, then the target,
  // for the entry fields.
  std::array<longint, NbChamps> OuvreSaisie();
  // "Jouer" on the typed fields; the index of the first field that holds no
  // number, in which case nothing is taken.
  std::optional<int> JoueSaisie(const std::array<std::string, NbChamps>& champs);

  // --- the draw of the day ---
  // Today's draw, the same for every player, played like a training game
  // with the clock counting up; nothing in competition.
  void JoueTirageDuJour();
  bool PeutJouerTirageDuJour() const { return PeutModifier(); }
  // The line to share once the draw of the day has ended, giving nothing of
  // it away; empty once another game starts.
  const QString& LigneDePartage() const { return journal_.LigneDePartage(); }
  // "Copier le résultat": the line goes to the clipboard; false without one.
  bool CopieResultat() { return journal_.CopieResultat(); }
  // The game that just ended replayed the day's draw: it counts in no run of days.
  bool RejoueeDuJour() const { return journal_.RejoueeDuJour(); }

  // --- the duel ---
  // A duel can start: not during a competition nor while a list generates.
  bool PeutCommencerDuel() const;
  // A new duel as asked, a duel under way given up first if the player
  // agrees; the game on the board stops. Its summary then says who plays
  // first, and "Partie Suivante" deals. False when nothing started.
  bool CommenceDuel(const ReglageDuel& reglage);
  // The duel being played or just over, while it is the way the game is
  // played; none otherwise.
  const Duel* DuelAffiche() const { return regime_ == &regimeDuel_ && regimeDuel_.duel() ? &*regimeDuel_.duel() : nullptr; }
  bool DuelEnCours() const { return regime_ == &regimeDuel_ && regimeDuel_.EnCours(); }
  // The duel's summary between two goes, its title first (Duel.h).
  QStringList BilanDuel() const;
  // The duel's players as it names them.
  std::array<QString, 2> NomsDuel() const;

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
  void Indice();
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
  void ChangeResultatsAuto(bool actif) { preferences_.options().resultatsAuto = actif; }
  void ChangeVoirNbSolutions(bool actif) { preferences_.ChangeVoirNbSolutions(actif); }
  void ChangePremiers(bool actif) { preferences_.options().premiers = actif; }
  void ChangeFous(bool actif) { preferences_.options().fous = actif; }
  void ChoisitGenreTirage(GenreTirage genre) { preferences_.ChoisitGenreTirage(genre); }
  void ChoisitDifficulte(int marque) { preferences_.ChoisitDifficulte(marque); }
  void ChangeCoach(bool actif);
  // The choice of "Temps :" restarts the clock under its limit; -1 (a
  // stored choice out of the list) keeps the limit.
  void ChoisitTemps(int choix);
  void ChangeSon(Evenement evenement, bool actif) { preferences_.ChangeSon(evenement, actif); }
  void ChangeTousLesSons(bool actifs) { preferences_.ChangeTousLesSons(actifs); }

  // --- sounds ---
  void JoueSon(Evenement evenement) { preferences_.JoueSon(evenement); }
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
  void ChangeNiveau();
  // "Commencer une partie", or "Arreter cette partie" during a series; true
  // when a series started.
  bool CommenceOuArreteSerie();
  void ChoisitCoefficient(int choix);
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
  void GenereSerie(int nombre);
  void ArreteGeneration() { liste_.ArreteGeneration(); }

  const QString& FichierListe() const { return liste_.Fichier(); }

  // The arbiter's desk (Arbitrage.h), which only shares the desktop and the texts.
  Arbitrage& arbitrage() { return arbitrage_; }

  // --- club play by a code ---
  // (the game's side: JeuCode.cpp; the regime: RegimeCode.h)
  // "Nouveau code": a fresh code of ten draws of 40 s, shown to copy.
  void NouveauCode();
  const QString& CodePropose() const { return codePropose_; }
  // "Copier le code".
  void CopieCode(const QString& code) { services_.CopieTexte(code.trimmed()); }
  bool PeutJouerCode() const;
  // "Jouer un code": a code typed or pasted. One that cannot be read is
  // said (why, in French) and nothing is played; true when its series began.
  bool JoueCode(const QString& texte);
  const RegimeCode& regimeCode() const { return regimeCode_; }
  // "Arreter cette partie" during a series by code: once the player
  // confirms, the draw on the board and the series end without a sheet.
  bool ArreteCode();
  // What the summary of a draw by code adds: "Tirage 3 sur 10", the
  // player's result and its points; nothing for the other games.
  QStringList LignesCodeAuBilan() const;
  // The sheet of the last series played by code, once it is over.
  const std::optional<FeuilleDeMarque>& Feuille() const { return feuille_; }
  // The sheet as it is shown and printed, one line a string.
  QStringList LignesFeuille() const;
  // "Imprimer": the sheet, through the print dialog.
  void ImprimeFeuille();
  // "Copier le résultat": the club's line of the sheet.
  void CopieResultatFeuille();

 private:
  // The search's busy cursor and failures go to the desktop.
  void CurseurOccupe() override { services_.CurseurOccupe(); }
  void CurseurNormal() override { services_.CurseurNormal(); }
  void SignaleBug(const std::string& message) override;

  // Runs a verb's body; an unexpected failure inside it is shown as a
  // "BUG" naming the procedure, and the game carries on.
  void SousGarde(const char* entete, const std::function<void()>& corps, const char* bug = "BUG ! ");


  enum class OrigineTirage { Aucune, Liste, Hasard };
  OrigineTirage TireNouveauTirage();
  void TireLigne(int ligne);
  void AjouteTirageJoue();
  // The solver's draw on the board's tiles; what the hints said is forgotten.
  void MontreTirage();
  // Clears what belonged to the last game before a new one starts.
  void PreparePartie();
  // The game is played another way from now on, under its clock.
  void EntreDans(Regime& regime);
  // The regime's clock for the games to come, if it has one to give.
  void RegleHorloge();
  // The window hears when the clock starts or stops counting.
  void AnnonceMinuteur();
  // A game on the current draw.
  void Depart();
  void Gagne();
  void TempsEcoule();
  void Reagit(const TableauNoir::Reaction& reaction);
  void RetrouveTirageDeLaManche();
  // A new random draw that keeps to the chosen mark; false when the search
  // was given up for another game.
  bool TireAuHasardDeDifficulte();
  // After a press, a typed answer or "Retour": the coach speaks again and
  // the hints start over when the finished lines changed.
  void SuitLesLignes();
  // The end of a game: its mark, and the coach's last word.
  void BilanDeFin(bool gagnee);
  Solveur& SolveurDeTravail();

  // A game that ended, found or not, goes into the history.
  void EnregistrePartie(bool trouve, int secondes, int points);

  void DonneTirageDeSerie();
  // The duel's next go: a new draw, or the same draw for the second player;
  // after the last draw, back to training.
  void JoueTourDeDuel();
  void DonneTirageDeDuel();
  // The regime hears how the game on the board ended.
  void ConclutPartie(bool trouve, int secondes);
  void TermineSerie();
  void DonneTirageDuCode();
  // The series by code is over: the player's name, its sheet, training again.
  void TermineCode();
  // Back to the way the player played before the code: a competition's mode, or training.
  void QuitteLeCode();
  QString TextePointsClub(int points) const;

  mutable ServicesDuJeu services_;  // the date is asked from what only reads the game too
  VueJeu& vue_;
  const QString repertoireProgramme_;

  Preferences preferences_{services_, repertoireProgramme_};

  Solveur solveur_;
  // Series and the solving of listed draws during a game work here, so
  // that the draw being played and its solutions are never disturbed.
  std::unique_ptr<Solveur> travail_;
  Manche manche_;
  Horloge horloge_{services_};
  bool minuteurAnnonce_ = false;  // what the window was last told of its timer
  int ecouleAuDepart_ = 0;        // where the clock stood when this game began
  // Draws of a chosen mark are tried here, while the game on the board goes on.
  std::unique_ptr<Solveur> recherche_;
  bool rechercheEnCours_ = false;

  RegimeEntrainement entrainement_;
  RegimeDuJour duJour_;
  RegimeSerie regimeSerie_{competition_.serie()};
  RegimeDuel regimeDuel_{preferences_.textes()};
  RegimeCode regimeCode_;
  QString codePropose_;
  std::optional<FeuilleDeMarque> feuille_;
  Regime* regime_ = &entrainement_;
  std::optional<int> nbSolutions_;


  Bibliotheque liste_{services_, preferences_.textes(), vue_};
  Competition competition_{services_, preferences_.textes(), vue_, liste_, repertoireProgramme_};

  Journal journal_{services_};
  Arbitrage arbitrage_{services_, preferences_.textes()};

  Aides aides_{solveur_, manche_, preferences_.textes(), vue_, this};
};

}  // namespace tolvan
