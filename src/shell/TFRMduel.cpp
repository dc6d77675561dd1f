#include "TFRMduel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVariant>

#include <algorithm>
#include <vector>

#include "Fabrique.h"
#include "midend/Horloge.h"

namespace tolvan {

TFRMduel::TFRMduel(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName("FRMduel");
  setFixedSize(330, 250);
  RBordinateur = BoutonRadio(this, "RBordinateur", {}, QRect(8, 8, 314, 22));
  LBforce = Etiquette(this, "LBforce", {}, QRect(28, 36, 110, 24));
  CBforce = ListeDeroulante(this, "CBforce", QRect(140, 34, 182, 26));
  RBdeuxJoueurs = BoutonRadio(this, "RBdeuxJoueurs", {}, QRect(8, 68, 314, 22));
  LBjoueur1 = Etiquette(this, "LBjoueur1", {}, QRect(28, 96, 110, 24));
  TXTjoueur1 = Champ(this, "TXTjoueur1", {}, QRect(140, 94, 182, 24), 20);
  LBjoueur2 = Etiquette(this, "LBjoueur2", {}, QRect(28, 124, 110, 24));
  TXTjoueur2 = Champ(this, "TXTjoueur2", {}, QRect(140, 122, 182, 24), 20);
  LBnbTirages = Etiquette(this, "LBnbTirages", {}, QRect(8, 160, 130, 24));
  CBnbTirages = ListeDeroulante(this, "CBnbTirages", QRect(140, 158, 80, 26));
  for (const int nombre : NombresDeTiragesDuel) CBnbTirages->addItem(QString::number(nombre), nombre);
  LBtempsDuel = Etiquette(this, "LBtempsDuel", {}, QRect(8, 190, 130, 24));
  CBtempsDuel = ListeDeroulante(this, "CBtempsDuel", QRect(140, 188, 182, 26));
  BTcommencer = Bouton(this, "BTcommencer", {}, QRect(60, 218, 150, 28));
  BTannulDuel = Bouton(this, "BTannulDuel", {}, QRect(216, 218, 106, 28));
  LBforce->setBuddy(CBforce);
  LBjoueur1->setBuddy(TXTjoueur1);
  LBjoueur2->setBuddy(TXTjoueur2);
  LBnbTirages->setBuddy(CBnbTirages);
  LBtempsDuel->setBuddy(CBtempsDuel);
  RBordinateur->setChecked(true);
  BTcommencer->setDefault(true);
  connect(RBordinateur, &QRadioButton::toggled, this, &TFRMduel::MontreAdversaire);
  connect(BTcommencer, &QPushButton::clicked, this, &QDialog::accept);
  connect(BTannulDuel, &QPushButton::clicked, this, &QDialog::reject);
  // Named from the start; the language's texts and the clocks come when it opens.
  Prepare(TextesMessages{}, {}, -1);
  MontreAdversaire();
}

void TFRMduel::Prepare(const TextesMessages& textes, const QStringList& durees, int temps) {
  setWindowTitle(textes.MsgDuel);
  RBordinateur->setText(textes.MsgDuelContreOrdinateur);
  LBforce->setText(textes.MsgDuelForce);
  RBdeuxJoueurs->setText(textes.MsgDuelDeuxJoueurs);
  LBjoueur1->setText(textes.MsgDuelJoueur1 + QStringLiteral(" :"));
  LBjoueur2->setText(textes.MsgDuelJoueur2 + QStringLiteral(" :"));
  LBnbTirages->setText(textes.MsgDuelNbTirages);
  LBtempsDuel->setText(textes.MsgDuelTemps);
  BTcommencer->setText(textes.MsgDuelCommencer);
  BTannulDuel->setText(textes.MsgDuelAnnuler);
  // The strengths by name, the one chosen last kept ("Joueur de club" at first).
  const int force = CBforce->count() > 0 ? CBforce->currentIndex() : 2;
  CBforce->clear();
  for (const QString* nom : {&textes.MsgDuelForce1, &textes.MsgDuelForce2, &textes.MsgDuelForce3,
                             &textes.MsgDuelForce4, &textes.MsgDuelForce5}) {
    CBforce->addItem(*nom);
  }
  CBforce->setCurrentIndex(force);
  // The clock: the choices of "Temps :" that run out, shortest first.
  const int avant = CBtempsDuel->count() > 0 ? CBtempsDuel->currentData().toInt() : -1;
  std::vector<int> choix;
  for (int i = 0; i < std::min<int>(NbChoixTemps, static_cast<int>(durees.size())); ++i) {
    if (CadenceDuChoix(i).CompteARebours()) choix.push_back(i);
  }
  std::stable_sort(choix.begin(), choix.end(),
                   [](int a, int b) { return CadenceDuChoix(a).limite < CadenceDuChoix(b).limite; });
  CBtempsDuel->clear();
  for (const int i : choix) CBtempsDuel->addItem(durees[i], i);
  // The last duel's clock, or the one of "Temps :" when it runs out, or 40 s.
  const int voulu = avant >= 0 ? avant : (temps >= 0 && CadenceDuChoix(temps).CompteARebours() ? temps : 2);
  CBtempsDuel->setCurrentIndex(std::max(0, CBtempsDuel->findData(voulu)));
}

ReglageDuel TFRMduel::Reglage() const {
  ReglageDuel reglage;
  if (RBordinateur->isChecked()) {
    reglage.force = CBforce->currentIndex() + 1;
  } else {
    reglage.force.reset();
  }
  reglage.joueurs = {TXTjoueur1->text(), TXTjoueur2->text()};
  reglage.nbTirages = CBnbTirages->currentData().toInt();
  reglage.choixTemps = CBtempsDuel->currentData().toInt();
  return reglage;
}

void TFRMduel::MontreAdversaire() {
  const bool ordinateur = RBordinateur->isChecked();
  for (QWidget* controle : std::initializer_list<QWidget*>{LBforce, CBforce}) controle->setEnabled(ordinateur);
  for (QWidget* controle : std::initializer_list<QWidget*>{LBjoueur1, TXTjoueur1, LBjoueur2, TXTjoueur2}) {
    controle->setEnabled(!ordinateur);
  }
}

}  // namespace tolvan
