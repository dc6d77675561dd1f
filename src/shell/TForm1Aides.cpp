// The band below the pages: the hints (a number broken into primes, the
// last lines of the solutions) and the mini calculator.
#include <map>

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

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
  // The step is heard where the keyboard goes; Shift+Tab leads back to "Indice".
  if (Lindice->hasFocus()) BTindice->setFocus(Qt::OtherFocusReason);
  Lindice->setFocus(Qt::OtherFocusReason);
  Lindice->moveCursor(QTextCursor::Start);
}

void TForm1::BTdecompClick() {
  jeu_->Decompose(Enbadecomp->text().toStdString());
  // The number broken down replaces what was typed, even the same number.
  Enbadecomp->setText(QString::fromStdString(jeu_->aides().NombreADecomposer()));
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

bool TForm1::ToucheCalculatrice(const QKeyEvent& touche) {
  using Touche = MiniCalculatrice::Touche;
  Touche genre = Touche::Autre;
  switch (GenreDe(touche)) {
    // Tab moves on to the next control; the other such keys change nothing.
    case GenreTouche::Deplacement: return touche.key() != Qt::Key_Tab && touche.key() != Qt::Key_Backtab;
    case GenreTouche::Chiffre: genre = Touche::Chiffre; break;
    case GenreTouche::Entree: genre = Touche::Entree; break;
    case GenreTouche::Operateur: {
      static const std::map<int, Touche> operateurs = {
          {CodePlus, Touche::Plus}, {CodeMoins, Touche::Moins}, {CodeFois, Touche::Fois}, {CodeDivise, Touche::Divise}};
      genre = operateurs.at(CodeOperateur(touche));
      break;
    }
    case GenreTouche::Edition:
    case GenreTouche::Autre: break;
  }
  jeu_->CalculatriceTouche(touche.text(), genre);
  Redessine();
  return true;
}

}  // namespace tolvan
