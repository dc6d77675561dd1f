// The main window: it shows the game (`Jeu`, the mid end) and turns each
// click or key into one of its verbs. Every handler reads its control,
// calls the game, and redraws the pages from the game's state; no rule,
// flow or option lives here. The controls are the window's own.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include <QHash>
#include <QWidget>

#include "TFRMgene.h"
#include "midend/Jeu.h"
#include "platform/Plateforme.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
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

class CadenceRepeinte;
class TFRMarbitrage;
class TFRMcode;
class TFRMfeuille;
class TFRMname;
class TFRMgene;
class TFRMduel;
class TFRMparties;

class TForm1 : public QWidget, private VueJeu {
 public:
  // `repertoireProgramme` is where the files that come with the game lie
  // (the default sound theme, the help), ending with a separator.
  TForm1(Plateforme& plateforme, const QString& repertoireProgramme, QWidget* parent = nullptr);
  ~TForm1() override;

  // The game the window shows, for whoever wants to read it.
  const Jeu& jeu() const { return *jeu_; }
  // The outer size the window takes with the hints band hidden or shown.
  int MargeFenetre() const;
  QSize TailleFenetre(bool avecAides) const;

  // --- start-up ---
  void FormActivate();
  // Gives the captions and messages the texts of a language file.
  void change_langue(const QString& chemin);

  // --- handlers the tests and tools drive; each reads its control, calls
  // the game and redraws (the others are private) ---
  // "Jeu"
  void BresultClick();
  void BTnouvPartieClick();
  void BTrejoueClick();
  void BTcopieClick();
  void Timer1Timer();
  // A mouse button pressed on tile 1..6 or on an operator 7..10.
  void Effectue(int code);
  void Modifer1Click();
  void BTvoirSolClick();
  void BTsimpleClick();
  void BTbackClick();
  void BTdecompClick();
  void RBfoisClick();
  // "Options"
  void BTopenSonClick();
  void BTsaveSonClick();
  // "Compétition"
  void BTchangeClick();
  // A way to play's button (Tirage du jour, Duel, Commencer une partie,
  // Partie par code...), named as its row of the catalogue, pressed.
  void LanceFacon(const QString& bouton);
  // The code's dialog and the sheet a series leaves (TForm1Facons.cpp).
  void BTnouveauCodeClick();
  void BTcopieCodeClick();
  void BTjoueCodeClick();
  void BTimprimeFeuilleClick();
  void BTcopieFeuilleClick();
  // "Arbitrage": the arbiter's desk (TForm1Arbitrage.cpp)
  void BTarbitrageClick();
  // "Tirages"
  void BTopenClick();
  void BTsaveClick();
  void BTimprimClick();
  void BTexcelClick();
  void BTeffaceToutClick();
  void BTgenereClick();
  void STOPClick();
  void CBclasseClick();
  void LVtirageDblClick();
  void Calculerlasolution1Click();
  void Copiercecompte1Click();
  void Effacercestirages1Click();
  // The list's menu, at this place of the list (its viewport's coordinates).
  void MontreMenuTirages(const QPoint& ou);
  // Delete deletes the chosen rows as the menu does; Shift+F10 opens the
  // menu as the Menu key does. True when the key goes no further.
  bool ToucheListeTirages(const QKeyEvent& touche);
  // "A propos"
  void BTchangeLangueClick();
  void BTmesPartiesClick();
  void Button1Click();
  void Label9Click();
  void Label4Click();
  void LbsiteTavrelClick();
  void LBmailTavrelClick();

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // The other handlers.
  void BTannulClick();
  // Enter in the answer field: the typed result is checked.
  void MaReponseEntree();
  void BTjouerClick();
  // Enter in the field for typed calculations, and F3, which brings the
  // keyboard there from anywhere (TForm1Calcul.cpp).
  void MonCalculEntree();
  void AtteintLeCalcul();
  // A key going down in a number field (`MaReponse`, `Edit1` to `Edit7`,
  // `Enbadecomp`): digits and the keys that move or edit go to the field,
  // Enter confirms it, any other key empties it. True when the key goes no
  // further.
  bool ToucheChampNombre(QLineEdit* champ, const QKeyEvent& touche);
  // A key going down on the game page that no control there took: an
  // operator key presses its button, Backspace presses "Retour".
  bool ToucheJeu(const QKeyEvent& touche);
  void BTrightClick();
  void BTleftClick();
  void BTtordueClick();
  void BTmienneClick();
  void CBetapeChange(int choix);
  void CBoperChange(int choix);
  void BTlastligneClick();
  void RBplusClick();
  void RBmoinsClick();
  void RBdivClick();
  void BitBtn5Click();
  void BitBtn6Click();
  // A key going down in the calculator's field, which the calculator writes.
  bool ToucheCalculatrice(const QKeyEvent& touche);
  void CBautoClick();
  void CBmontreClick();
  void CBtempsChange();
  void CBsonTousClick();
  void CBcompetClick();
  void CBaideClick();
  void CBtimeClick();
  void CBcoachClick();
  void CBdifficulteChange();
  void BTindiceClick();

  // What the game asks of the window.
  void LigneRefusee(int ligne) override;
  void ReponseDemandee() override;
  std::optional<QString> NomDuJoueur() override;
  void Avance(int fait) override;
  void AvantCalcul() override;
  void DebutTravail(int total) override;
  void FinTravail() override;
  void RechercheDeTirage(int essais) override;
  void PartieFinie() override;
  void MinuteurEnMarche(bool enMarche) override;
  void FeuilleFinie() override;
  // The sheet of the series just over, once the handler that ended it has redrawn.
  void MontreFeuille();
  // The choices a way to play asks for before it starts, in its dialog.
  void ChoisitDuel();
  void ChoisitCode();
  // A way to play started: the game page, and the keyboard on its game or summary.
  void MontreLaFaconCommencee();

  void CreeControles();
  void CreePageJeu(QWidget* page);
  void CreeGroupeInfo(QWidget* page);
  void CreeGroupeJeu(QWidget* page);
  void CreeGroupeSaisie(QWidget* page);
  void CreeTableauNoir(QWidget* page);
  void CreeChampCalcul(QWidget* page);
  void ConnecteCalcul();
  void BrancheChampCalcul();
  // What the field for typed calculations answered, said where the keyboard is.
  void DitDansLeCalcul(const QString& phrase, bool refus);
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
  void ConnecteFacons();
  bool eventFilter(QObject* objet, QEvent* event) override;
  void FormCreate();

  // One redraw per page, from the game's state; `Redessine` runs them all
  // and ends every handler.
  void Redessine();
  void RedessineJeu();
  void RedessineTableau();
  void RedessineHorloge();
  void RedessineBilan();
  // The summary panel laid out wide (no games list) or beside the games list.
  void DisposeBilan(bool large);
  // The buttons of the ways to play, as the game says they stand.
  void RedessineFacons();
  void RedessineScores();
  void RedessineSolutions();
  void RedessineCoach();
  void RedessineCote();
  void RedessineOptions();
  void RedessineCompetition();
  void RedessineTirages();
  void RedessineAides();

  // The first selected row of the draws list, or -1.
  int PremiereLigneChoisie() const;
  void FocaliseChamp(QLineEdit* champ);
  void FocaliseCible();
  // F2: the clock takes the keyboard, and a screen reader says the time.
  void DitLeTemps();
  // A press from the keyboard; the board then says what it did.
  void EffectueAuClavier(int code);
  void AnnonceTableau(int lignesFiniesAvant);
  bool EstLigneDuTableau(const QWidget* controle) const;
  // Tab on the line just announced goes back to the first tile in play.
  bool RetourneAuxTuiles(const QKeyEvent& touche);
  // A board line as a screen reader names it: "ligne 2 : 12x6=72".
  static QString NomLigne(int ligne, const QString& texte);
  void MontreLigneTableau(int ligne, const QString& texte);
  void ChoisitSon(Evenement evenement);
  void EcouteSon(Evenement evenement);
  // One line of a language file, on its captions or its message text.
  void AppliqueLigneLangue(int ligne, const QString& texte);
  void PoseTexte(const char* controle, const QString& texte);
  // The built-in French captions, all from one table.
  void PoseTextesFrancais();
  // The captions of what Tolvan added, from the game's texts.
  void PoseTextesPropres();

  Plateforme& plateforme_;
  const QString repertoireProgramme_;
  std::unique_ptr<Jeu> jeu_;
  bool centree_ = false;
  bool premiereActivation_ = true;
  bool fermee_ = false;  // the window was closed: nothing brings it back
  bool rechercheMontree_ = false;  // the busy cursor of a search for a mark is up
  bool suiteMontree_ = false;         // the next-draw button says "Partie Suivante"
  bool bilanLarge_ = false;           // the summary is laid out wide
  bool bilanAFocaliser_ = false;      // a game ended: its summary takes the keyboard
  bool refusAnnonce_ = false;         // the line just refused, to be said with it
  bool retourAuxTuiles_ = false;      // a board line was just announced
  bool calculTape_ = false;           // a typed calculation plays: the keyboard stays in its field
  std::unique_ptr<CadenceRepeinte> cadence_;  // while a long job runs
  std::unique_ptr<TFRMname> frmName_;
  std::unique_ptr<TFRMgene> frmGene_;
  std::unique_ptr<TFRMparties> frmParties_;
  std::unique_ptr<TFRMduel> frmDuel_;
  std::unique_ptr<TFRMcode> frmCode_;
  std::unique_ptr<TFRMfeuille> frmFeuille_;
  std::unique_ptr<TFRMarbitrage> frmArbitrage_;
  QHash<QObject*, int> codesDesBoutons_;  // tile or operator -> its press code
  // The ways to play that ask for a choice before they start, by button.
  QHash<QString, void (TForm1::*)()> choixDesFacons_;

  // One row of the "Ambiance sonore" group, in the order of the sound events.
  struct LigneSon {
    QCheckBox* active;
    QPushButton* choix;
    QPushButton* ecoute;
  };
  std::array<LigneSon, NbEvenements> lignesSon_{};

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
  QPushButton *BTjour = nullptr, *BTcopie = nullptr;  // "Tirage du jour", "Copier le résultat"
  QPushButton* BTduel = nullptr;
  QString ligneCopiee_;  // the line last copied: the button says so until another
  QLabel* MaReponse2 = nullptr;
  QLineEdit* MaReponse = nullptr;
  QLineEdit* MonCalcul = nullptr;  // where a calculation or a short command is typed
  std::array<QTextEdit*, 5> MM{};  // MM1 to MM5
  QTextEdit* TMsolution = nullptr;
  QPushButton *BTvoirSol = nullptr, *BTsimple = nullptr, *BTtordue = nullptr, *BTleft = nullptr,
              *BTright = nullptr, *BTmienne = nullptr;
  QComboBox *CBetape = nullptr, *CBoper = nullptr;
  QProgressBar* PB = nullptr;
  QLabel* LBcoach = nullptr;
  QLabel* LBcote = nullptr;       // "Ma cote : ..."
  QPushButton* BTautres = nullptr;  // "Jouer autrement", its menu the ways with no button of their own

  // "Options"
  QGroupBox *GBentrain = nullptr, *GBtirage = nullptr, *GBson = nullptr;
  QCheckBox *CBauto = nullptr, *CkBcalcul = nullptr, *CBmontre = nullptr, *CkBpremier = nullptr, *CkBFou = nullptr,
            *CBcoach = nullptr;
  QLabel* LBdifficulte = nullptr;
  QComboBox* CBdifficulte = nullptr;
  QLabel* LBtemps = nullptr;
  QComboBox* CBtemps = nullptr;
  QRadioButton *RBquelconque = nullptr, *CkBreal = nullptr, *RBfichier = nullptr;
  QLabel* TXTnamefile2 = nullptr;
  QCheckBox* CBsonTous = nullptr;  // the seven rows of sounds are in `lignesSon_`
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
  QPushButton* BTcode = nullptr;  // "Partie par code"
  QPushButton* BTarbitrage = nullptr;  // "Arbitrage"

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
  QPushButton *BTchangeLangue = nullptr, *Button1 = nullptr, *BTmesParties = nullptr;
  QCheckBox* CBcote = nullptr;  // "Voir ma cote"

  // The hints band and the mini calculator, below the pages.
  QGroupBox *GBindice = nullptr, *GBcalcul = nullptr;
  QPushButton *BTdecomp = nullptr, *BTlastligne = nullptr, *BitBtn6 = nullptr, *BitBtn5 = nullptr;
  QLineEdit *Ldecompos = nullptr, *Enbadecomp = nullptr, *ElastLigne = nullptr;
  // A hint step's whole sentence, wrapped over as many lines as it takes.
  QTextEdit* Lindice = nullptr;
  QPushButton* BTindice = nullptr;
  QLabel* LBnbIndices = nullptr;
  QRadioButton *RBplus = nullptr, *RBfois = nullptr, *RBmoins = nullptr, *RBdiv = nullptr;
  QLineEdit *Lcalcul = nullptr, *TXTnb1 = nullptr, *TXTope = nullptr, *TXTnb2 = nullptr, *TXTresult = nullptr;
  QLabel* Label1 = nullptr;

  // Hidden controls the window has always had; nothing shows or reads them.
  QLabel *Lprem = nullptr, *Lsec = nullptr, *Lresu = nullptr;
  QLineEdit* PressPapier = nullptr;
  QTimer* Timer1 = nullptr;
};

}  // namespace tolvan
