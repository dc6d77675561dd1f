// The band below the pages: the hints (a number broken into primes, the
// last lines of the solutions) and the mini calculator.
#include <QLineEdit>

#include "TForm1.h"
#include "Touches.h"

namespace tolvan {

void TForm1::BTbackClick() {
  jeu_->BasculeAides();
  Redessine();
}

void TForm1::BTindiceClick() {
  jeu_->Indice();
  Redessine();
}

void TForm1::BTdecompClick() {
  jeu_->Decompose(Enbadecomp->text().toStdString());
  // The number broken down replaces what was typed, even the same number.
  Enbadecomp->setText(QString::fromStdString(jeu_->NombreADecomposer()));
  Redessine();
}

void TForm1::BTlastligneClick() {
  jeu_->ChercheDerniereLigne();
  Redessine();
}

void TForm1::RBplusClick() {
  jeu_->ChoisitOperationDerniereLigne(OperAddition);
  Redessine();
}

void TForm1::RBfoisClick() {
  jeu_->ChoisitOperationDerniereLigne(OperMultiplication);
  Redessine();
}

void TForm1::RBmoinsClick() {
  jeu_->ChoisitOperationDerniereLigne(OperSoustraction);
  Redessine();
}

void TForm1::RBdivClick() {
  jeu_->ChoisitOperationDerniereLigne(OperDivision);
  Redessine();
}

void TForm1::BitBtn5Click() {
  jeu_->DerniereLigneVoisine(true);
  Redessine();
}

void TForm1::BitBtn6Click() {
  jeu_->DerniereLigneVoisine(false);
  Redessine();
}

void TForm1::LcalculKeyDown() { jeu_->CalculatriceEnfonce(); }

void TForm1::LcalculKeyPress(const QString& texte) {
  jeu_->CalculatriceTape(texte);
  Redessine();
}

void TForm1::LcalculKeyUp(int touche, Qt::KeyboardModifiers modificateurs) {
  using Touche = MiniCalculatrice::Touche;
  const bool pave = modificateurs & Qt::KeypadModifier;
  Touche genre = Touche::Autre;
  if (EstChiffreDuPave(touche, modificateurs)) genre = Touche::ChiffreDuPave;
  if (pave && touche == Qt::Key_Asterisk) genre = Touche::Fois;
  if (pave && touche == Qt::Key_Plus) genre = Touche::Plus;
  if (pave && touche == Qt::Key_Minus) genre = Touche::Moins;
  if (pave && touche == Qt::Key_Slash) genre = Touche::Divise;
  if (EstEntree(touche)) genre = Touche::Entree;
  jeu_->CalculatriceRelache(genre);
  Redessine();
}

}  // namespace tolvan
