// The band below the pages: the hints (a number broken into primes, the
// last lines of the solutions) and the mini calculator.
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "TForm1.h"
#include "TaillePolice.h"
#include "Touches.h"
#include "engine/Entier.h"
#include "game/Indices.h"

namespace tolvan {

void TForm1::BTbackClick() {
  aidesAffichees_ = !aidesAffichees_;
  GBindice->setVisible(aidesAffichees_);
  GBcalcul->setVisible(aidesAffichees_);
  setFixedSize(TailleFenetre(aidesAffichees_));
}

void TForm1::BTdecompClick() {
  Ldecompos->clear();
  // An empty field (or one holding no number) stands for the target.
  const longint nombre = LitEntier(Enbadecomp->text().toStdString()).value_or(solveur_->Tirage.Resultat);
  Enbadecomp->setText(QString::number(nombre));
  Ldecompos->setText(QString::fromStdString(Decomposition(nombre, solveur_->Tirage.Resultat)));
  Ldecompos->setCursorPosition(0);
}

void TForm1::MontreDerniereLigne(const std::optional<std::string>& texte) {
  if (!texte) return;  // no solution at all: nothing changes
  const QString ligne = QString::fromStdString(*texte);
  AjustePolice(ElastLigne, ligne, ElastLigne->width() - 6, 8);
  ElastLigne->setText(ligne);
  ElastLigne->setCursorPosition(0);
}

void TForm1::BTlastligneClick() {
  MontreDerniereLigne(DerniereLigne(*solveur_, operDerniereLigne_, Textes.MsgYenAPas.toStdString()));
}

void TForm1::RBplusClick() { ChoisitOperation(OperAddition); }
void TForm1::RBfoisClick() { ChoisitOperation(OperMultiplication); }
void TForm1::RBmoinsClick() { ChoisitOperation(OperSoustraction); }
void TForm1::RBdivClick() { ChoisitOperation(OperDivision); }

void TForm1::ChoisitOperation(longint oper) {
  operDerniereLigne_ = oper;
  BTlastligneClick();
}

void TForm1::BitBtn5Click() {
  MontreDerniereLigne(DerniereLigneVoisine(*solveur_, operDerniereLigne_, true, Textes.MsgYenAPas.toStdString()));
}

void TForm1::BitBtn6Click() {
  MontreDerniereLigne(DerniereLigneVoisine(*solveur_, operDerniereLigne_, false, Textes.MsgYenAPas.toStdString()));
}

void TForm1::AfficheCalculatrice() {
  Lcalcul->setText(QString::fromStdString(calculatrice_.Saisie()));
  TXTnb1->setText(QString::fromStdString(calculatrice_.Nombre1()));
  TXTope->setText(QString::fromStdString(calculatrice_.Operateur()));
  TXTnb2->setText(QString::fromStdString(calculatrice_.Nombre2()));
  const QString resultat = QString::fromStdString(calculatrice_.Resultat());
  AjustePolice(TXTresult, resultat, TXTresult->width() - 6, 8);
  TXTresult->setText(resultat);
  TXTresult->setCursorPosition(0);
}

void TForm1::LcalculKeyDown() { calculatrice_.Enfonce(); }

void TForm1::LcalculKeyPress(const QString& texte) {
  // Only what the keypad can type matters; anything else is wiped on release.
  for (const QChar caractere : texte) {
    if (caractere.unicode() < 128 && caractere.isPrint()) calculatrice_.Tape(caractere.toLatin1());
  }
  AfficheCalculatrice();
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
  calculatrice_.Relache(genre);
  AfficheCalculatrice();
}

}  // namespace tolvan
