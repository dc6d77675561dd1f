// Which handler each control calls.
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

#include "TForm1.h"

namespace tolvan {

void TForm1::ConnecteSignaux() {
  const std::initializer_list<std::pair<QPushButton*, void (TForm1::*)()>> boutons = {
      {Button1, &TForm1::Button1Click},
      {Bresult, &TForm1::BresultClick},
      {BTnouvPartie, &TForm1::BTnouvPartieClick},
      {BTrejoue, &TForm1::BTrejoueClick},
      {BTannul, &TForm1::BTannulClick},
      {BTeffaceTout, &TForm1::BTeffaceToutClick},
      {BTsonClick, &TForm1::BTsonClickClick},
      {BTsonRes, &TForm1::BTsonResClick},
      {BTsonErreur, &TForm1::BTsonErreurClick},
      {BTsonBack, &TForm1::BTsonBackClick},
      {BTsonnew, &TForm1::BTsonnewClick},
      {BTsonGagne, &TForm1::BTsonGagneClick},
      {BTsonLose, &TForm1::BTsonLoseClick},
      {BitBtn8, &TForm1::BitBtn8Click},
      {BitBtn9, &TForm1::BitBtn9Click},
      {BitBtn10, &TForm1::BitBtn10Click},
      {BitBtn11, &TForm1::BitBtn11Click},
      {BitBtn12, &TForm1::BitBtn12Click},
      {BitBtn13, &TForm1::BitBtn13Click},
      {BitBtn14, &TForm1::BitBtn14Click},
      {BTopenSon, &TForm1::BTopenSonClick},
      {BTsaveSon, &TForm1::BTsaveSonClick},
  };
  for (const auto& [bouton, gestionnaire] : boutons) connect(bouton, &QPushButton::clicked, this, gestionnaire);
  connect(CBsonTous, &QCheckBox::clicked, this, &TForm1::CBsonTousClick);
  connect(CBauto, &QCheckBox::clicked, this, &TForm1::CBautoClick);
  connect(CBmontre, &QCheckBox::clicked, this, &TForm1::CBmontreClick);
  connect(CBtemps, &QComboBox::currentIndexChanged, this, &TForm1::CBtempsChange);
  connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
  // What a found draw is worth follows the competition page's choices.
  connect(CBtime, &QComboBox::currentIndexChanged, this, [this](int choix) { serie_.DefinitCoefficient(choix); });
  connect(CBaide, &QCheckBox::toggled, this, [this](bool interdite) { serie_.DefinitAideInterdite(interdite); });

  connect(LVtirage, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& ou) { PMtirage->popup(LVtirage->viewport()->mapToGlobal(ou)); });
  connect(PMtirage->findChild<QAction*>("Effacercestirages1"), &QAction::triggered, this,
          &TForm1::Effacercestirages1Click);

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
  }
  MaReponse->installEventFilter(this);

  for (QLabel* lien : {Label9, Label4, LbsiteTavrel, LBmailTavrel}) {
    lien->setCursor(Qt::PointingHandCursor);
    lien->installEventFilter(this);
  }
}

bool TForm1::eventFilter(QObject* objet, QEvent* event) {
  // A quick second press on the same button comes as a double click.
  const bool presse = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
  if (presse && codesDesBoutons_.contains(objet)) {
    Effectue(codesDesBoutons_.value(objet));
  }
  // From the keyboard, Space or Enter on a tile or an operator is its press.
  if (event->type() == QEvent::KeyPress && codesDesBoutons_.contains(objet)) {
    const int touche = static_cast<QKeyEvent*>(event)->key();
    if (touche == Qt::Key_Space || touche == Qt::Key_Return || touche == Qt::Key_Enter) {
      Effectue(codesDesBoutons_.value(objet));
      return true;
    }
  }
  if (event->type() == QEvent::KeyRelease && objet == MaReponse) {
    const auto* touche = static_cast<QKeyEvent*>(event);
    MaReponseKeyup(touche->key(), touche->modifiers());
  }
  // The four links of the "A propos" page are plain labels that react to a click.
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (objet == Label9) Label9Click();
    if (objet == Label4) Label4Click();
    if (objet == LbsiteTavrel) LbsiteTavrelClick();
    if (objet == LBmailTavrel) LBmailTavrelClick();
  }
  return QWidget::eventFilter(objet, event);
}

}  // namespace tolvan
