// The main window: it owns every control and the state of the running
// game, and turns each click into a call on the game's logic.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include <QHash>
#include <QLocale>
#include <QWidget>

#include "TFRMgene.h"
#include "TextesMessages.h"
#include "Reglages.h"
#include "ThemeSonore.h"
#include "competition/Niveau.h"
#include "competition/Serie.h"
#include "engine/PanneauSolutions.h"
#include "engine/Solveur.h"
#include "game/Manche.h"
#include "game/MiniCalculatrice.h"
#include "library/ListeTirages.h"
#include "platform/Plateforme.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTextEdit;
class QTimer;
class QTreeView;
class QTreeWidget;

namespace tolvan {

class TFRMname;
class TFRMgene;

class TForm1 : public QWidget, private EvenementsSolveur {
 public:
  // `repertoireProgramme` is where the files that come with the game lie
  // (the default sound theme, the help), ending with a separator.
  TForm1(Plateforme& plateforme, const QString& repertoireProgramme, QWidget* parent = nullptr);
  ~TForm1() override;

  // --- start-up and shutdown ---
  void FormCreate();
  void MontreAvantToutePartie();
  void PrepareSolutions();
  void FormActivate();
  void FormClose();
  // The options kept from one run to the next.
  void LisInfoRegistre();
  void EcrisInfoRegistre();
  // A store that cannot be read or written; the program carries on.
  void SignaleErreurRegistre(const QString& entete);

  // --- language files ---
  void BTchangeLangueClick();
  // Gives the captions and messages the texts of a language file.
  void change_langue(const QString& chemin);

  // --- "A propos" ---
  void Button1Click();
  void Label9Click();
  void Label4Click();
  void LbsiteTavrelClick();
  void LBmailTavrelClick();

  // --- the round ---
  void BresultClick();
  void BTnouvPartieClick();
  void BTrejoueClick();
  void CBtempsChange();
  void Timer1Timer();
  // A new random draw and a game on it; nothing at all when no draw comes out.
  void nouvellePartie();
  // Starts a game on the current draw.
  void depart();
  void Cgagner();
  // The time allowed for the draw on screen has run out.
  void fini();

  // --- the blackboard ---
  // A mouse button pressed on tile 1..6 or on an operator 7..10.
  void Effectue(int code);
  void BTannulClick();
  // A key released in the answer field.
  void MaReponseKeyup(int touche, Qt::KeyboardModifiers modificateurs);

  // --- the solutions panel ---
  void BTvoirSolClick();
  void BTrightClick();
  void BTleftClick();
  void BTsimpleClick();
  void BTtordueClick();
  void BTmienneClick();
  // The two filters of the arrows take the choice at once.
  void CBetapeChange(int choix);
  void CBoperChange(int choix);

  // --- a typed draw ---
  void Modifer1Click();
  void BTjouerClick();
  // A key released in one of the number fields (`Edit1` to `Edit7`, `Enbadecomp`).
  void EditKeyUp(QLineEdit* champ, int touche, Qt::KeyboardModifiers modificateurs);
  void FocaliseChamp(QLineEdit* champ);

  // --- hints and the mini calculator ---
  void BTbackClick();
  void BTdecompClick();
  void BTlastligneClick();
  // The radio buttons of the last line's operation.
  void RBplusClick();
  void RBfoisClick();
  void RBmoinsClick();
  void RBdivClick();
  void ChoisitOperation(longint oper);
  void BitBtn5Click();
  void BitBtn6Click();
  void LcalculKeyDown();
  void LcalculKeyPress(const QString& texte);
  void LcalculKeyUp(int touche, Qt::KeyboardModifiers modificateurs);

  // --- competitions ---
  void CBcompetClick();
  void BTchangeClick();
  void BTstartClick();
  void CBaideClick();
  void CBtimeClick();
  // Reads a level file, and with `avecTirages` its draws into the list;
  // false when it could not be read whole.
  bool change_level(const QString& chemin, bool avecTirages);
  bool enregistre_record(const QString& chemin);
  bool charge_score(const QString& chemin);
  QString FichierNiveau;

  // --- draws ---
  // Where the draw of a new game came from; `Aucune` when none came out.
  enum class SourceTirage { Aucune, Liste, Hasard };
  // Makes the current draw of a new game according to the options.
  SourceTirage tiragealeatoire();
  // Throws std::invalid_argument, leaving the current draw as it was, when
  // the row holds no draw.
  void LV_to_TIR(int ligne);
  void TIR_to_LV();
  void Effacercestirages1Click();
  void BTeffaceToutClick();
  void LVtirageDblClick();
  void Copiercecompte1Click();
  void Calculerlasolution1Click();
  void CBclasseClick();

  // --- draws files, printing, the spreadsheet ---
  void BTopenClick();
  void BTsaveClick();
  void BTimprimClick();
  void BTexcelClick();
  // Appends the file's draws to the list; false when it could not be read.
  bool LitFichierTirages(const QString& chemin);
  // Replaces the file with the list; false when it was not written whole.
  bool EcritFichierTirages(const QString& chemin);
  void ImprimeTirages();

  // --- series of generated draws ---
  void BTgenereClick();
  void STOPClick();
  void GenereSerie(const DemandeGeneration& demande);
  void CBautoClick();
  void CBmontreClick();

  // --- sounds ---
  void BTsonClickClick();
  void BTsonResClick();
  void BTsonErreurClick();
  void BTsonBackClick();
  void BTsonnewClick();
  void BTsonGagneClick();
  void BTsonLoseClick();
  void BitBtn8Click();
  void BitBtn9Click();
  void BitBtn10Click();
  void BitBtn11Click();
  void BitBtn12Click();
  void BitBtn13Click();
  void BitBtn14Click();
  void BTopenSonClick();
  void BTsaveSonClick();
  void CBsonTousClick();

  // The seven game events, in the order of a theme file.
  enum class Evenement { Click, Result, Erreur, Annul, NewGame, Trouve, Temps };
  // Plays the event's sound when its box is ticked.
  void JoueSonEvenement(Evenement evenement);

  // Shows "BUG ! \rPROCEDURE <entete>" for an unexpected failure.
  void AfficheBug(const QString& entete, const QString& bug = QStringLiteral("BUG ! "));

  // Runs a handler's body; an unexpected failure inside it is shown as a
  // "BUG" naming the procedure, and the program carries on.
  template <class Corps>
  void SousGarde(const QString& entete, Corps&& corps, const QString& bug = QStringLiteral("BUG ! ")) {
    try {
      corps();
    } catch (...) {
      AfficheBug(entete, bug);
    }
  }

  // --- program-wide state ---
  Solveur& solveur() { return *solveur_; }
  const Manche& manche() const { return manche_; }
  const Serie& serie() const { return serie_; }
  ListeTirages& Tirages() { return tirages_; }
  TextesMessages Textes;
  SonsDuJeu Sons;
  QString FichierSon;
  QString FichierLangue;
  bool PremiereActivation = true;

  TFRMname* FRMname() const { return frmName_.get(); }
  TFRMgene* FRMgene() const { return frmGene_.get(); }

  // The outer size the window takes with the hints band hidden or shown.
  int MargeFenetre() const;
  QSize TailleFenetre(bool avecAides) const;

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // The search's busy cursor and failures go to the platform.
  void CurseurOccupe() override;
  void CurseurNormal() override;
  void SignaleBug(const std::string& message) override;

  void CreeControles();
  void CreePageJeu(QWidget* page);
  void CreeGroupeInfo(QWidget* page);
  void CreeGroupeJeu(QWidget* page);
  void CreeGroupeSaisie(QWidget* page);
  void CreeTableauNoir(QWidget* page);
  void CreeOutilsSolutions(QWidget* page);
  void CreePageOptions(QWidget* page);
  void CreeGroupeSon(QWidget* page);
  void CreePageCompetition(QWidget* page);
  void CreePageTirages(QWidget* page);
  void CreePageAPropos(QWidget* page);
  void CreeBandeAides();
  void CreeControlesCaches();
  void NommePourLecteursDEcran();
  void ConnecteSignaux();
  bool eventFilter(QObject* objet, QEvent* event) override;

  // The round as the window shows it: which panel, the clock, the summary
  // and the games list, the tiles and the blackboard.
  void AffichePanneau();
  void AfficheHorloge();
  void AfficheBilan();
  void AfficheTitreBilan();
  void AfficheScores();
  void AfficheTableau();
  // The commands that start a game or change the draws list are enabled
  // unless a series is being generated (or competition rules say otherwise).
  void ActiveCommandes();
  // The first selected row of the draws list, or -1.
  int PremiereLigneChoisie() const;
  void ArreteClassement();
  // The list holds as many rows as it can: what comes next is not kept.
  void MontreListePleine();
  Solveur& SolveurDeTravail();
  void JoueReaction(const TableauNoir::Reaction& reaction);
  void DemandeReponse();
  void CacheReponse();
  void SignaleRefusLigne();
  // The last game's draw becomes the current draw again.
  void RetrouveTirageDeLaManche();
  // Clears what belonged to the last game before a new one starts.
  void PreparePartie();
  void MontreSolutions(const LignesPanneau& lignes);
  // Shows "Calculs ..." while `lignes` computes the table, then its lines.
  void MontreApresCalcul(const std::function<LignesPanneau()>& lignes);
  void AfficheCalculatrice();
  void MontreDerniereLigne(const std::optional<std::string>& texte);
  bool TireDansLaListe();

  void remplitCBtemps();
  void remplitCBtime();
  void mode_entrain();
  void mode_compet();
  // The controls of competition mode on, those of training off, or the reverse.
  void DisposeMode(bool competition);
  void EtatSerie();
  void EtatRepos();
  // The next draw of a running series, dealt from its rows, with its clock.
  void DonneTirageDeSerie();
  // The end of a series: the player's name, the total among the records.
  void TermineSerie();
  void AfficheNiveau(const LectureNiveau& lecture, bool records);
  // A level file's lines, asking again while it cannot be opened; nothing
  // when the player gives up. A read that fails keeps the lines before it.
  struct LignesLues {
    std::vector<std::string> lignes;
    bool entieres = true;
  };
  std::optional<LignesLues> LignesFichierNiveau(const QString& chemin);
  // Where "Changer le level" opens the first time: the player's copies of
  // the levels that come with the game.
  QString DossierNiveaux() const;
  void miseAjour();
  void RefaitLigne();
  void AfficheNomsDesSons();
  QCheckBox* CaseDe(Reglage reglage) const;
  // Sets a box as a click would, running its handler when it changes.
  void PoseCase(QCheckBox* caseACocher, bool cochee);
  void AppliqueReglage(Reglage reglage, const QString& valeur);
  std::array<QString, NbReglages> ReglagesEnVigueur() const;
  // One line of a language file, on its captions or its message text.
  void AppliqueLigneLangue(int ligne, const QString& texte);
  void PoseTexte(const char* controle, const QString& texte);
  // The built-in French captions, all from one table.
  void PoseTextesFrancais();
  void ChoisitSon(Evenement evenement);
  void EcouteSon(Evenement evenement);

  Plateforme& plateforme_;
  const QString repertoireProgramme_;
  bool centree_ = false;
  std::unique_ptr<Solveur> solveur_;
  Serie serie_;
  Manche manche_{serie_};
  ListeTirages tirages_;
  QString titreBravo_ = QStringLiteral("BRAVO");
  bool vueSolutions_ = false;  // the solutions panel covers the blackboard
  FiltresSolutions filtres_;
  longint operDerniereLigne_ = OperAddition;
  bool aidesAffichees_ = false;  // the hints band is shown below the pages
  MiniCalculatrice calculatrice_{QLocale().decimalPoint().toStdString()};
  Niveau niveau_;
  QString nomJoueur_;  // the name last confirmed, empty at first
  // The options as they stood once read; nothing for those to write at close whatever they are.
  std::array<std::optional<QString>, NbReglages> reglagesLus_;
  bool generationEnCours_ = false;
  bool arretDemande_ = false;  // "STOP", taken between two draws of a series
  bool fermee_ = false;        // the window was closed: nothing brings it back
  // Series and the solving of listed draws during a game work here, so that
  // the draw being played and its solutions are never disturbed.
  std::unique_ptr<Solveur> travail_;
  std::unique_ptr<TFRMname> frmName_;
  std::unique_ptr<TFRMgene> frmGene_;

  // One row of the "Ambiance sonore" group, in theme-file order.
  struct LigneSon {
    QString SonsDuJeu::*son;
    QCheckBox* active;
    QPushButton* choix;
    QPushButton* ecoute;
  };
  std::array<LigneSon, SonsDuJeu::Nombre> lignesSon_{};
  QHash<QObject*, int> codesDesBoutons_;  // tile or operator -> its press code

 public:
  // --- controls, by page (their object names are these names) ---
  QTabWidget* PCmain = nullptr;
  QWidget *TSjeu = nullptr, *TSoption = nullptr, *TScompet = nullptr, *TStirage = nullptr, *TSapro = nullptr;

  // "Jeu"
  QGroupBox *GBinfo = nullptr, *GBjeu = nullptr, *GBsaisie = nullptr, *GBtablo = nullptr, *GBbravo = nullptr,
            *GBopSol = nullptr;
  QLabel *Label6 = nullptr, *LBscoreActu = nullptr;
  QPushButton *BTnouvPartie = nullptr, *BTrejoue = nullptr;
  QTextEdit* MMrecap = nullptr;
  QTreeWidget* LVscore = nullptr;
  std::array<QLineEdit*, 7> Edits{};  // Edit1 to Edit7
  QPushButton* Bresult = nullptr;
  std::array<QPushButton*, 6> Tuiles{};  // P1 to P6
  QPushButton *BTplus = nullptr, *BTfois = nullptr, *BTmoins = nullptr, *BTdivis = nullptr;
  QLabel *LBpoint = nullptr, *LBpoint2 = nullptr, *LBnbsol = nullptr, *LBnbsol2 = nullptr;
  QPushButton *BTjouer = nullptr, *BTmodifier = nullptr, *BTback = nullptr, *BTannul = nullptr;
  QLabel* MaReponse2 = nullptr;
  QLineEdit* MaReponse = nullptr;
  std::array<QTextEdit*, 5> MM{};  // MM1 to MM5
  QTextEdit* TMsolution = nullptr;
  QPushButton *BTvoirSol = nullptr, *BTsimple = nullptr, *BTtordue = nullptr, *BTleft = nullptr,
              *BTright = nullptr, *BTmienne = nullptr;
  QComboBox *CBetape = nullptr, *CBoper = nullptr;
  QProgressBar* PB = nullptr;

  // "Options"
  QGroupBox *GBentrain = nullptr, *GBtirage = nullptr, *GBson = nullptr;
  QCheckBox *CBauto = nullptr, *CkBcalcul = nullptr, *CBmontre = nullptr, *CkBpremier = nullptr, *CkBFou = nullptr;
  QLabel* LBtemps = nullptr;
  QComboBox* CBtemps = nullptr;
  QRadioButton *RBquelconque = nullptr, *CkBreal = nullptr, *RBfichier = nullptr;
  QLabel* TXTnamefile2 = nullptr;
  QCheckBox *CBsonTous = nullptr, *CBsonClick = nullptr, *CBsonres = nullptr, *CBsonerreur = nullptr,
            *CBsonBack = nullptr, *CBsonNew = nullptr, *CBsonGagne = nullptr, *CBsonlose = nullptr;
  QPushButton *BTsonClick = nullptr, *BTsonRes = nullptr, *BTsonErreur = nullptr, *BTsonBack = nullptr,
              *BTsonnew = nullptr, *BTsonGagne = nullptr, *BTsonLose = nullptr;
  QPushButton *BitBtn8 = nullptr, *BitBtn9 = nullptr, *BitBtn10 = nullptr, *BitBtn11 = nullptr, *BitBtn12 = nullptr,
              *BitBtn13 = nullptr, *BitBtn14 = nullptr;
  QPushButton *BTopenSon = nullptr, *BTsaveSon = nullptr;

  // "Compétition"
  QCheckBox* CBcompet = nullptr;
  QPushButton *BTstart = nullptr, *BTchange = nullptr;
  QGroupBox* GroupBox3 = nullptr;
  QLineEdit *LBniveau = nullptr, *TXTtime = nullptr;
  QLabel *Lbtime = nullptr, *TXTtime2 = nullptr, *LBniv = nullptr;
  QComboBox* CBtime = nullptr;
  QCheckBox* CBaide = nullptr;
  QTreeWidget* LVrecord = nullptr;
  QProgressBar* PBcharge = nullptr;

  // "Tirages"
  QLabel* TXTnamefile = nullptr;
  QPushButton *BTopen = nullptr, *BTsave = nullptr, *BTeffaceTout = nullptr, *BTimprim = nullptr,
              *BTexcel = nullptr, *BTgenere = nullptr, *STOP = nullptr;
  QCheckBox* CBclasse = nullptr;
  QProgressBar* PB2 = nullptr;
  QTreeView* LVtirage = nullptr;
  QMenu* PMtirage = nullptr;

  // "A propos"
  QLabel *LBtitre = nullptr, *Label8 = nullptr, *Label2 = nullptr, *Label7 = nullptr, *Label9 = nullptr,
         *Label4 = nullptr, *LbsiteTavrel = nullptr, *LBmailTavrel = nullptr;
  QPushButton *BTchangeLangue = nullptr, *Button1 = nullptr;

  // The hints band and the mini calculator, below the pages.
  QGroupBox *GBindice = nullptr, *GBcalcul = nullptr;
  QPushButton *BTdecomp = nullptr, *BTlastligne = nullptr, *BitBtn6 = nullptr, *BitBtn5 = nullptr;
  QLineEdit *Ldecompos = nullptr, *Enbadecomp = nullptr, *ElastLigne = nullptr;
  QRadioButton *RBplus = nullptr, *RBfois = nullptr, *RBmoins = nullptr, *RBdiv = nullptr;
  QLineEdit *Lcalcul = nullptr, *TXTnb1 = nullptr, *TXTope = nullptr, *TXTnb2 = nullptr, *TXTresult = nullptr;
  QLabel* Label1 = nullptr;

  // Hidden controls the window has always had; nothing shows or reads them.
  QLabel *Lprem = nullptr, *Lsec = nullptr, *Lresu = nullptr;
  QLineEdit* PressPapier = nullptr;
  QTimer* Timer1 = nullptr;
};

}  // namespace tolvan
