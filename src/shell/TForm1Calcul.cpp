// The field of the game page where a calculation or a short command is
// typed: F3 brings the keyboard there, Enter hands the text to the game,
// and the game's answer is said where the keyboard is, for a screen reader,
// and shown in a bubble under the field, for the eyes.
#include <QKeySequence>
#include <QLineEdit>
#include <QShortcut>
#include <QTabWidget>
#include <QToolTip>

#include "Accessibilite.h"
#include "Apparence.h"
#include "TForm1.h"

namespace tolvan {

namespace {

// Below "Modifier" and "Aides", where the day's result is copied between games.
QLineEdit* ChampCalcul(QWidget* page) {
  auto* champ = new QLineEdit(page);
  // Made and filled before it takes the keyboard, and heard then: marked
  // before anything is set.
  NommeSansAnnonce(champ);
  champ->setObjectName(QStringLiteral("MonCalcul"));
  champ->setGeometry(4, 227, 160, 26);
  champ->setMaxLength(200);
  champ->setToolTip(QStringLiteral("F3. Entrée joue le calcul ; ? le temps, n les nombres, r Retour, i un indice"));
  champ->setAccessibleName(QStringLiteral("Tapez un calcul"));
  return champ;
}

}  // namespace

void TForm1::CreeChampCalcul(QWidget* page) { MonCalcul = ChampCalcul(page); }

void TForm1::ConnecteCalcul() {
  BrancheChampCalcul();
  connect(new QShortcut(QKeySequence(Qt::Key_F3), this), &QShortcut::activated, this, &TForm1::AtteintLeCalcul);
}

void TForm1::BrancheChampCalcul() {
  connect(MonCalcul, &QLineEdit::returnPressed, this, &TForm1::MonCalculEntree);
  // Mended or typed afresh, the text no longer goes with the last answer.
  QLineEdit* champ = MonCalcul;
  connect(champ, &QLineEdit::textEdited, this, [champ] {
    if (!champ->accessibleDescription().isEmpty()) champ->setAccessibleDescription({});
  });
}

void TForm1::AtteintLeCalcul() {
  PCmain->setCurrentWidget(TSjeu);
  MonCalcul->setAccessibleDescription({});
  MonCalcul->setFocus(Qt::ShortcutFocusReason);
}

void TForm1::MonCalculEntree() {
  calculTape_ = true;
  const ReponseDuChamp reponse = jeu_->TapeCalcul(MonCalcul->text().toStdString());
  calculTape_ = false;
  if (!reponse.garde) MonCalcul->clear();
  Redessine();
  DitDansLeCalcul(reponse.phrase, reponse.garde);
}

void TForm1::DitDansLeCalcul(const QString& phrase, bool refus) {
  // A game won has taken the keyboard to its summary, which says it all.
  if (!MonCalcul->isVisible()) return;
  // Orca says a control as it takes the keyboard, and says nothing when the
  // control it last said takes it again, nor a description that changes
  // (Qt 6.4 sends the change without its text). So the answer comes with a
  // new field, which takes the place, the text and the keyboard of the old
  // one, its answer as its description before it shows.
  QLineEdit* ancien = MonCalcul;
  MonCalcul = ChampCalcul(TSjeu);
  BrancheChampCalcul();
  MonCalcul->setText(ancien->text());
  MonCalcul->setPlaceholderText(ancien->placeholderText());
  MonCalcul->setAccessibleDescription(phrase);
  QWidget::setTabOrder(ancien, MonCalcul);
  MonCalcul->show();
  MonCalcul->setFocus(Qt::OtherFocusReason);
  ancien->setObjectName({});
  ancien->hide();
  ancien->deleteLater();
  QToolTip::showText(MonCalcul->mapToGlobal(QPoint(0, MonCalcul->height())), phrase, MonCalcul);
  if (refus) SignaleRefus(MonCalcul);
}

}  // namespace tolvan
