// The ways to play in the window: each button of the catalogue pressed the
// same way (its series stopped, or another given up, then its choice made
// in its dialog when it has one, then started), the dialogs of the duel and
// of club play, and the sheet a series leaves.
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>

#include "TFRMcode.h"
#include "TFRMduel.h"
#include "TForm1.h"
#include "midend/regimes/RegimeCode.h"

namespace tolvan {

void TForm1::ConnecteFacons() {
  // Each way to play's button, wherever its page put it, starts its way;
  // one with no button of its own is an entry of "Jouer autrement".
  for (const FaconDeJouer& facon : FaconsDeJouer()) {
    const QString nom = facon.bouton;
    if (auto* bouton = findChild<QPushButton*>(nom)) {
      connect(bouton, &QPushButton::clicked, this, [this, nom] { LanceFacon(nom); });
      continue;
    }
    QAction* entree = BTautres->menu()->addAction(nom);
    entree->setObjectName(nom);
    connect(entree, &QAction::triggered, this, [this, nom] { LanceFacon(nom); });
  }
  choixDesFacons_ = {{QStringLiteral("BTduel"), &TForm1::ChoisitDuel}, {QStringLiteral("BTcode"), &TForm1::ChoisitCode}};
  const std::initializer_list<std::pair<QPushButton*, void (TForm1::*)()>> boutons = {
      {frmCode_->BTnouveauCode, &TForm1::BTnouveauCodeClick},
      {frmCode_->BTcopieCode, &TForm1::BTcopieCodeClick},
      {frmCode_->BTjoueCode, &TForm1::BTjoueCodeClick},
      {frmFeuille_->BTimprimeFeuille, &TForm1::BTimprimeFeuilleClick},
      {frmFeuille_->BTcopieFeuille, &TForm1::BTcopieFeuilleClick},
  };
  for (const auto& [bouton, gestionnaire] : boutons) connect(bouton, &QPushButton::clicked, this, gestionnaire);
}

void TForm1::LanceFacon(const QString& bouton) {
  if (jeu_->PresseFacon(bouton)) {
    if (const auto choix = choixDesFacons_.value(bouton)) {
      (this->*choix)();
    } else if (jeu_->Commence(bouton)) {
      MontreLaFaconCommencee();
    }
  }
  Redessine();
}

void TForm1::MontreLaFaconCommencee() {
  PCmain->setCurrentWidget(TSjeu);
  // A game dealt is heard from its target; otherwise the summary says who
  // plays first, and takes the keyboard to say it.
  bilanAFocaliser_ = !jeu_->manche().PartieEnJeu();
  Redessine();
  FocaliseCible();
}

void TForm1::ChoisitDuel() {
  QStringList durees;
  for (int i = 0; i < CBtemps->count(); ++i) durees.append(CBtemps->itemText(i));
  frmDuel_->Prepare(jeu_->Textes(), durees, CBtemps->currentIndex());
  if (plateforme_.ExecuteDialogue(*frmDuel_) == QDialog::Accepted &&
      jeu_->Commence(QStringLiteral("BTduel"), frmDuel_->Reglage())) {
    MontreLaFaconCommencee();
  }
}

void TForm1::ChoisitCode() {
  frmCode_->PoseTextes(jeu_->Textes());
  frmCode_->TXTcode->setFocus(Qt::OtherFocusReason);
  frmCode_->TXTcode->selectAll();
  plateforme_.ExecuteDialogue(*frmCode_);
}

void TForm1::BTnouveauCodeClick() {
  // Shown selected in its field, ready to be copied.
  frmCode_->TXTcode->setText(NouveauCode(plateforme_));
  frmCode_->TXTcode->setFocus(Qt::OtherFocusReason);
  frmCode_->TXTcode->selectAll();
}

void TForm1::BTcopieCodeClick() {
  // Said on the button until the code is changed.
  if (CopieCode(plateforme_, frmCode_->TXTcode->text(), jeu_->Textes())) frmCode_->MontreCopie(jeu_->Textes());
}

void TForm1::BTjoueCodeClick() {
  if (!jeu_->Commence(QStringLiteral("BTcode"), frmCode_->TXTcode->text())) {
    // Refused: the player mends the code where it was typed.
    frmCode_->TXTcode->setFocus(Qt::OtherFocusReason);
    return;
  }
  frmCode_->accept();
  MontreLaFaconCommencee();
}

void TForm1::FeuilleFinie() {
  // After the handler that ended the series has drawn its summary.
  QTimer::singleShot(0, this, &TForm1::MontreFeuille);
}

void TForm1::MontreFeuille() {
  const std::optional<Feuille>& feuille = jeu_->FeuilleDeSerie();
  if (!feuille || fermee_) return;
  frmFeuille_->PoseTextes(jeu_->Textes());
  frmFeuille_->Montre(*feuille);
  plateforme_.ExecuteDialogue(*frmFeuille_);
  Redessine();
}

void TForm1::BTimprimeFeuilleClick() { jeu_->ImprimeFeuille(); }

void TForm1::BTcopieFeuilleClick() {
  jeu_->CopieFeuille();
  frmFeuille_->BTcopieFeuille->setText(jeu_->Textes().MsgCopie);
}

}  // namespace tolvan
