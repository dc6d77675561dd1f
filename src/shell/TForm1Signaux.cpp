// Which handler each control calls.
#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTextEdit>
#include <QTimer>
#include <QTreeView>

#include "Apparence.h"
#include "midend/EvenementsSonores.h"
#include "TForm1.h"
#include "TaillePolice.h"
#include "Touches.h"

namespace tolvan {

void TForm1::ConnecteSignaux() {
  const std::initializer_list<std::pair<QPushButton*, void (TForm1::*)()>> boutons = {
      {Button1, &TForm1::Button1Click},
      {Bresult, &TForm1::BresultClick},
      {BTnouvPartie, &TForm1::BTnouvPartieClick},
      {BTrejoue, &TForm1::BTrejoueClick},
      {BTcopie, &TForm1::BTcopieClick},
      {BTmesParties, &TForm1::BTmesPartiesClick},
      {BTannul, &TForm1::BTannulClick},
      {BTeffaceTout, &TForm1::BTeffaceToutClick},
      {BTopenSon, &TForm1::BTopenSonClick},
      {BTsaveSon, &TForm1::BTsaveSonClick},
      {BTvoirSol, &TForm1::BTvoirSolClick},
      {BTright, &TForm1::BTrightClick},
      {BTleft, &TForm1::BTleftClick},
      {BTsimple, &TForm1::BTsimpleClick},
      {BTtordue, &TForm1::BTtordueClick},
      {BTmienne, &TForm1::BTmienneClick},
      {BTmodifier, &TForm1::Modifer1Click},
      {BTjouer, &TForm1::BTjouerClick},
      {BTback, &TForm1::BTbackClick},
      {BTdecomp, &TForm1::BTdecompClick},
      {BTindice, &TForm1::BTindiceClick},
      {BTlastligne, &TForm1::BTlastligneClick},
      {BitBtn5, &TForm1::BitBtn5Click},
      {BitBtn6, &TForm1::BitBtn6Click},
      {BTopen, &TForm1::BTopenClick},
      {BTsave, &TForm1::BTsaveClick},
      {BTimprim, &TForm1::BTimprimClick},
      {BTexcel, &TForm1::BTexcelClick},
      {BTgenere, &TForm1::BTgenereClick},
      {STOP, &TForm1::STOPClick},
      {BTchange, &TForm1::BTchangeClick},
      {BTarbitrage, &TForm1::BTarbitrageClick},
      {BTchangeLangue, &TForm1::BTchangeLangueClick},
  };
  for (const auto& [bouton, gestionnaire] : boutons) connect(bouton, &QPushButton::clicked, this, gestionnaire);
  for (const EvenementSonore& e : EvenementsSonores()) {
    const LigneSon& ligne = lignesSon_[static_cast<std::size_t>(e.evenement)];
    const Evenement evenement = e.evenement;
    connect(ligne.choix, &QPushButton::clicked, this, [this, evenement] { ChoisitSon(evenement); });
    connect(ligne.ecoute, &QPushButton::clicked, this, [this, evenement] { EcouteSon(evenement); });
    // Ticked by a click or by the program, the box says what the player wants.
    connect(ligne.active, &QCheckBox::toggled, this, [this, evenement](bool actif) {
      jeu_->ChangeSon(evenement, actif);
      Redessine();
    });
  }
  for (const auto& [bouton, genre] : std::initializer_list<std::pair<QRadioButton*, GenreTirage>>{
           {RBquelconque, GenreTirage::Quelconque}, {CkBreal, GenreTirage::Realisables}, {RBfichier, GenreTirage::Fichier}}) {
    const GenreTirage choisi = genre;
    connect(bouton, &QRadioButton::toggled, this, [this, choisi](bool choisie) {
      if (!choisie) return;
      jeu_->ChoisitGenreTirage(choisi);
      Redessine();
    });
  }
  for (const auto& [caseACocher, change] : std::initializer_list<std::pair<QCheckBox*, bool Options::*>>{
           {CkBcalcul, &Options::resultatsAuto}, {CkBpremier, &Options::premiers}, {CkBFou, &Options::fous},
           {CBcote, &Options::voirCote}}) {
    const auto option = change;
    connect(caseACocher, &QCheckBox::toggled, this, [this, option](bool actif) {
      jeu_->ChangeCase(option, actif);
      Redessine();
    });
  }
  connect(CBsonTous, &QCheckBox::clicked, this, &TForm1::CBsonTousClick);
  connect(CBauto, &QCheckBox::toggled, this, &TForm1::CBautoClick);
  connect(CBmontre, &QCheckBox::toggled, this, &TForm1::CBmontreClick);
  connect(CBtemps, &QComboBox::currentIndexChanged, this, &TForm1::CBtempsChange);
  connect(CBdifficulte, &QComboBox::currentIndexChanged, this, &TForm1::CBdifficulteChange);
  connect(CBcoach, &QCheckBox::toggled, this, &TForm1::CBcoachClick);
  connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
  connect(CBetape, &QComboBox::currentIndexChanged, this, &TForm1::CBetapeChange);
  connect(CBoper, &QComboBox::currentIndexChanged, this, &TForm1::CBoperChange);
  const std::initializer_list<std::pair<QRadioButton*, void (TForm1::*)()>> operations = {
      {RBplus, &TForm1::RBplusClick}, {RBfois, &TForm1::RBfoisClick}, {RBmoins, &TForm1::RBmoinsClick},
      {RBdiv, &TForm1::RBdivClick}};
  for (const auto& [bouton, gestionnaire] : operations) connect(bouton, &QRadioButton::clicked, this, gestionnaire);
  // What a found draw is worth follows the competition page's choices.
  connect(CBtime, &QComboBox::currentIndexChanged, this, [this](int choix) {
    jeu_->ChoisitCoefficient(choix);
    Redessine();
  });

  connect(LVtirage, &QWidget::customContextMenuRequested, this, &TForm1::MontreMenuTirages);
  const std::initializer_list<std::pair<const char*, void (TForm1::*)()>> menu = {
      {"Jouercetirage1", &TForm1::LVtirageDblClick},
      {"Calculerlasolution1", &TForm1::Calculerlasolution1Click},
      {"Copiercecompte1", &TForm1::Copiercecompte1Click},
      {"Effacercestirages1", &TForm1::Effacercestirages1Click},
  };
  for (const auto& [nom, gestionnaire] : menu) {
    connect(PMtirage->findChild<QAction*>(QString::fromLatin1(nom)), &QAction::triggered, this, gestionnaire);
  }
  connect(LVtirage, &QAbstractItemView::doubleClicked, this, &TForm1::LVtirageDblClick);
  connect(CBclasse, &QCheckBox::clicked, this, &TForm1::CBclasseClick);
  connect(CBcompet, &QCheckBox::clicked, this, &TForm1::CBcompetClick);
  connect(CBaide, &QCheckBox::clicked, this, &TForm1::CBaideClick);
  connect(CBtime, &QComboBox::activated, this, &TForm1::CBtimeClick);

  // Tiles and operators act when a mouse button goes down, not on a click.
  for (int i = 0; i < 6; ++i) codesDesBoutons_.insert(Tuiles[static_cast<std::size_t>(i)], i + 1);
  codesDesBoutons_.insert(BTplus, CodePlus);
  codesDesBoutons_.insert(BTfois, CodeFois);
  codesDesBoutons_.insert(BTmoins, CodeMoins);
  codesDesBoutons_.insert(BTdivis, CodeDivise);
  for (QObject* bouton : codesDesBoutons_.keys()) {
    // Pressed with the mouse they leave the keyboard where it is, in the
    // answer field while a typed result is awaited; Tab still reaches them.
    static_cast<QWidget*>(bouton)->setFocusPolicy(Qt::TabFocus);
    bouton->installEventFilter(this);
    // A screen reader presses them as a click.
    const int code = codesDesBoutons_.value(bouton);
    connect(static_cast<QPushButton*>(bouton), &QPushButton::clicked, this, [this, code] { Effectue(code); });
  }
  MaReponse->installEventFilter(this);
  for (QLineEdit* champ : Edits) {
    champ->installEventFilter(this);
    // The board's numbers may be long: each shows whole, smaller if need be.
    const int points = champ == Edits[NbNombres] ? PointsSaisieCible : PointsSaisie;
    connect(champ, &QLineEdit::textChanged, this,
            [champ, points](const QString& texte) { AjustePolice(champ, texte, champ->width() - 10, points); });
  }
  Enbadecomp->installEventFilter(this);
  Lcalcul->installEventFilter(this);
  PCmain->installEventFilter(this);
  // F2, anywhere in the window, asks the clock for the time.
  connect(new QShortcut(QKeySequence(Qt::Key_F2), this), &QShortcut::activated, this, &TForm1::DitLeTemps);
  ConnecteCalcul();
  for (QTextEdit* ligne : MM) ligne->installEventFilter(this);
  LVtirage->installEventFilter(this);

  const std::initializer_list<std::pair<QLabel*, void (TForm1::*)()>> liens = {
      {Label9, &TForm1::Label9Click},
      {Label4, &TForm1::Label4Click},
      {LbsiteTavrel, &TForm1::LbsiteTavrelClick},
      {LBmailTavrel, &TForm1::LBmailTavrelClick},
  };
  for (const auto& [lien, gestionnaire] : liens) connect(lien, &QLabel::linkActivated, this, gestionnaire);

  // F1 opens the help from anywhere in the window, as "HELP !" does.
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, &TForm1::Button1Click);
}

bool TForm1::eventFilter(QObject* objet, QEvent* event) {
  // A quick second press on the same button comes as a double click.
  const bool presse = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
  if (presse && codesDesBoutons_.contains(objet)) {
    // Taken when the button goes down, and so never a click as well.
    Effectue(codesDesBoutons_.value(objet));
    return true;
  }
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(objet, event);
  const auto& touche = *static_cast<QKeyEvent*>(event);
  // From the keyboard, Space or Enter on a tile or an operator is its press.
  if (codesDesBoutons_.contains(objet) &&
      (touche.key() == Qt::Key_Space || touche.key() == Qt::Key_Return || touche.key() == Qt::Key_Enter)) {
    EffectueAuClavier(codesDesBoutons_.value(objet));
    return true;
  }
  // On a board line, as anywhere on the game page, the operator keys and
  // Backspace play; Tab after a line's news leads back to the tiles.
  if (EstLigneDuTableau(static_cast<QWidget*>(objet))) return RetourneAuxTuiles(touche) || ToucheJeu(touche);
  if (objet == MaReponse || objet == Enbadecomp || std::find(Edits.begin(), Edits.end(), objet) != Edits.end()) {
    return ToucheChampNombre(static_cast<QLineEdit*>(objet), touche);
  }
  if (objet == Lcalcul) return ToucheCalculatrice(touche);
  // Keys no control of the game page took come up to the pages.
  if (objet == PCmain && PCmain->currentWidget() == TSjeu) return ToucheJeu(touche);
  if (objet == LVtirage) return ToucheListeTirages(touche);
  return QWidget::eventFilter(objet, event);
}

}  // namespace tolvan
