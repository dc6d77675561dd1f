// The field of the game page where a calculation or a short command is
// typed: F3 brings the keyboard there, Enter hands the text to the game,
// and the game's answer is said where the keyboard is, for a screen reader,
// and shown in a bubble under the field, for the eyes.
#include <QAccessible>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QToolTip>

#include "Apparence.h"
#include "Fabrique.h"
#include "TForm1.h"

namespace tolvan {

void TForm1::CreeChampCalcul(QWidget* page) {
  // Below "Modifier" and "Aides", where the day's result is copied between games.
  MonCalcul = Champ(page, "MonCalcul", {}, QRect(4, 227, 160, 26), 200,
                    QStringLiteral("F3. Entrée joue le calcul ; ? le temps, n les nombres, r Retour, i un indice"));
  MonCalcul->setPlaceholderText(QStringLiteral("Tapez un calcul (F3)"));
  MonCalcul->setAccessibleName(QStringLiteral("Tapez un calcul"));
}

void TForm1::ConnecteCalcul() {
  connect(MonCalcul, &QLineEdit::returnPressed, this, &TForm1::MonCalculEntree);
  // Mended or typed afresh, the text no longer goes with the last answer.
  connect(MonCalcul, &QLineEdit::textEdited, this, [this] {
    if (!MonCalcul->accessibleDescription().isEmpty()) MonCalcul->setAccessibleDescription({});
  });
  connect(new QShortcut(QKeySequence(Qt::Key_F3), this), &QShortcut::activated, this, &TForm1::AtteintLeCalcul);
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
  // Qt 6.4 and Orca say a control as it takes the keyboard, not a text that
  // changes: the answer is the field's description, and the field is
  // left and taken again, so that it is heard with it.
  MonCalcul->setAccessibleDescription(phrase);
  BTannul->setFocus(Qt::OtherFocusReason);
  MonCalcul->setFocus(Qt::OtherFocusReason);
  QToolTip::showText(MonCalcul->mapToGlobal(QPoint(0, MonCalcul->height())), phrase, MonCalcul);
  if (refus) SignaleRefus(MonCalcul);
}

}  // namespace tolvan
