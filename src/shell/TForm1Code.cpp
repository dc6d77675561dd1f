// Club play by a code in the window: the code's dialog, reached from the
// "Compétition" page, and the score sheet at the end of the series.
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>

#include "TFRMcode.h"
#include "TForm1.h"

namespace tolvan {

void TForm1::ConnecteDialoguesCode() {
  const std::initializer_list<std::pair<QPushButton*, void (TForm1::*)()>> boutons = {
      {BTcode, &TForm1::BTcodeClick},
      {frmCode_->BTnouveauCode, &TForm1::BTnouveauCodeClick},
      {frmCode_->BTcopieCode, &TForm1::BTcopieCodeClick},
      {frmCode_->BTjoueCode, &TForm1::BTjoueCodeClick},
      {frmFeuille_->BTimprimeFeuille, &TForm1::BTimprimeFeuilleClick},
      {frmFeuille_->BTcopieFeuille, &TForm1::BTcopieFeuilleClick},
  };
  for (const auto& [bouton, gestionnaire] : boutons) connect(bouton, &QPushButton::clicked, this, gestionnaire);
}

void TForm1::BTcodeClick() {
  // During a series by code the button stops it.
  if (jeu_->regimeCode().EnCours()) {
    jeu_->ArreteCode();
    Redessine();
    return;
  }
  frmCode_->PoseTextes(jeu_->Textes());
  frmCode_->TXTcode->setFocus(Qt::OtherFocusReason);
  frmCode_->TXTcode->selectAll();
  plateforme_.ExecuteDialogue(*frmCode_);
  Redessine();
}

void TForm1::BTnouveauCodeClick() {
  jeu_->NouveauCode();
  // Shown selected in its field, ready to be copied.
  frmCode_->TXTcode->setText(jeu_->CodePropose());
  frmCode_->TXTcode->setFocus(Qt::OtherFocusReason);
  frmCode_->TXTcode->selectAll();
}

void TForm1::BTcopieCodeClick() { jeu_->CopieCode(frmCode_->TXTcode->text()); }

void TForm1::BTjoueCodeClick() {
  if (!jeu_->JoueCode(frmCode_->TXTcode->text())) {
    // Refused: the player mends the code where it was typed.
    frmCode_->TXTcode->setFocus(Qt::OtherFocusReason);
    return;
  }
  frmCode_->TXTcode->setText(jeu_->CodePropose());
  frmCode_->accept();
  PCmain->setCurrentWidget(TSjeu);
  Redessine();
  FocaliseCible();
}

void TForm1::FeuilleFinie() {
  // After the handler that ended the series has drawn its summary.
  QTimer::singleShot(0, this, &TForm1::MontreFeuille);
}

void TForm1::MontreFeuille() {
  if (!jeu_->Feuille() || fermee_) return;
  frmFeuille_->PoseTextes(jeu_->Textes());
  frmFeuille_->Montre(jeu_->LignesFeuille());
  plateforme_.ExecuteDialogue(*frmFeuille_);
  Redessine();
}

void TForm1::BTimprimeFeuilleClick() { jeu_->ImprimeFeuille(); }

void TForm1::BTcopieFeuilleClick() { jeu_->CopieResultatFeuille(); }

}  // namespace tolvan
