// A game from its start to the target found or the time run out: the clock,
// the points, the recap and the score list.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>

#include "TForm1.h"
#include "game/Points.h"

namespace tolvan {

int TForm1::Ecoule() const { return PB->value(); }

std::uint16_t TForm1::PointsDuMoment() const {
  return CalculePoints(Ecoule(), TempsNiveau, CBtime->currentIndex(), CBaide->isChecked());
}

void TForm1::AfficheJeu() {
  GBjeu->show();
  GBinfo->hide();
  GBsaisie->hide();
  BTjouer->hide();
  BTmodifier->show();
}

void TForm1::depart() {
  miseAjour();
  PartieGagnee = false;
  TMsolution->clear();
  repaint();
  if (CBauto->isChecked()) solveur_->ChercheSol(0);
  // The search runs to its end before returning: the solver is free here.
  LBnbsol->setText(QString::number(solveur_->SolutionApprochee ? 0 : solveur_->NbSolutions));
  Tableau.Recommence();
  CacheReponse();
  // The board of the last game goes away with it.
  RefaitLigne();
  Timer1->start();
}

void TForm1::nouvellePartie() {
  Tableau.ModifieTout(true);
  Tableau.NumLigne = 0;
  Tableau.EtatSaisie = 0;
  Tableau.LigneSuivante();
  CacheReponse();
  AfficheTableau();
  Ldecompos->clear();
  ElastLigne->clear();
  LBnbsol->clear();
  PB->setValue(0);
  if (!CBcompet->isChecked()) tiragealeatoire();
  JoueSonEvenement(Evenement::NewGame);
}

void TForm1::BresultClick() {
  if (!CBcompet->isChecked()) nouvellePartie();
}

void TForm1::BTnouvPartieClick() {
  AfficheJeu();
  nouvellePartie();
}

void TForm1::BTrejoueClick() {
  GBjeu->show();
  GBinfo->hide();
  depart();
  Tableau.ModifieTout(true);
  AfficheTableau();
}

void TForm1::CBtempsChange() {
  PB->setValue(0);
  PB->setMaximum(DureesTemps[static_cast<std::size_t>(std::max(0, CBtemps->currentIndex()))]);
}

void TForm1::Timer1Timer() {
  PB->setValue(PB->value() + 1);
  LBpoint->setText(QString::number(PointsDuMoment()));
  if (PB->value() >= PB->maximum()) fini();
}

void TForm1::fini() {
  JoueSonEvenement(Evenement::Temps);
  // An answer still awaited cannot win a game that is over.
  Tableau.OublieReponse();
  CacheReponse();
  PB->setValue(0);
  Timer1->stop();
  GBjeu->hide();
  GBinfo->show();
}

void TForm1::EcritRecap() {
  const TTirage& tirage = solveur_->Tirage;
  QStringList lignes{QString::number(tirage.Resultat)};
  QString nombres;
  for (longint nombre : tirage.Nombres) nombres += QString::number(nombre) + QLatin1Char(' ');
  lignes << nombres << QStringLiteral(" ");
  for (int k = 1; k <= Tableau.NbLignesFinies(); ++k) lignes << QString::fromStdString(Tableau.TexteLigne(k));
  MMrecap->clear();
  for (const QString& ligne : lignes) {
    MMrecap->append(ligne);
    MMrecap->setAlignment(Qt::AlignCenter);
  }
}

void TForm1::Cgagner() {
  SousGarde(QStringLiteral("Tform1.Cgagner;"), [this] {
    JoueSonEvenement(Evenement::Trouve);
    Timer1->stop();
    GBjeu->hide();
    GBinfo->show();
    PartieGagnee = true;
    EcritRecap();
    tirages_->MarqueTrouve();
    auto* rangee = new QTreeWidgetItem(LVscore);
    if (SerieEnCours) {
      ++NbTrouves;
      const std::uint16_t points = PointsDuMoment();
      rangee->setText(0, QString::number(NbTrouves));
      rangee->setText(1, QString::number(points));
      ScoreTotal += points;
      LBscoreActu->setText(QString::number(ScoreTotal));
    } else {
      rangee->setText(0, QStringLiteral("=>"));
      rangee->setText(1, QString::number(Ecoule()) + QLatin1Char('\''));
    }
    LVscore->scrollToItem(rangee);
  }, QStringLiteral("BUG !"));
}

}  // namespace tolvan
