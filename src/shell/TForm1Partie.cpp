// A game from its start to the target found or the time run out. The round
// decides; these handlers ask it and show what it holds: the panel, the
// clock, the summary and the games list.
#include <algorithm>

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

void TForm1::AffichePanneau() {
  const Manche::Panneau panneau = manche_.PanneauVisible();
  GBjeu->setVisible(panneau == Manche::Panneau::Jeu);
  GBinfo->setVisible(panneau == Manche::Panneau::Resume);
  GBsaisie->setVisible(panneau == Manche::Panneau::Saisie);
  // "Jouer" takes the place of "Modifier" while a draw is typed.
  BTjouer->setVisible(panneau == Manche::Panneau::Saisie);
  BTmodifier->setVisible(panneau != Manche::Panneau::Saisie);
  ActiveCommandes();
}

void TForm1::ActiveCommandes() {
  const bool libre = !generationEnCours_;
  const bool entrainement = !serie_.ModeCompetition();
  BTrejoue->setEnabled(libre && entrainement && manche_.TirageDonne());
  BTmodifier->setEnabled(libre && entrainement);
  for (QWidget* commande : std::initializer_list<QWidget*>{Bresult, BTjouer, BTopen, BTsave, BTeffaceTout,
                                                           BTimprim, BTexcel, BTgenere, CBclasse}) {
    commande->setEnabled(libre);
  }
  // Between two series of a competition there is no next draw to play.
  BTnouvPartie->setEnabled(libre && (entrainement || serie_.EnCours()));
  // A level read would replace the list; the mode cannot change during a series.
  CBcompet->setEnabled(libre && !serie_.EnCours());
}

void TForm1::AfficheHorloge() {
  // The bar only shows the time: it is given a value within its range.
  PB->setRange(0, std::max(1, manche_.Limite()));
  PB->setValue(std::clamp(manche_.Ecoule(), 0, PB->maximum()));
  PB->setFormat(QString::fromStdString(manche_.TexteHorloge(Textes.MsgIlReste.toStdString(), Textes.MsgChrono.toStdString())));
  if (!manche_.HorlogeEnMarche()) {
    Timer1->stop();
  } else if (!Timer1->isActive()) {
    // Started only when stopped, so a running second is never cut short.
    Timer1->start();
  }
}

void TForm1::AfficheTitreBilan() {
  GBbravo->setTitle(manche_.DerniereIssue() == Manche::Issue::TempsEcoule ? Textes.MsgTempsEcoule : titreBravo_);
}

void TForm1::AfficheBilan() {
  AfficheTitreBilan();
  MMrecap->clear();
  for (const std::string& ligne : manche_.Recap()) {
    MMrecap->append(QString::fromStdString(ligne));
    MMrecap->setAlignment(Qt::AlignCenter);
  }
}

void TForm1::AfficheScores() {
  LVscore->clear();
  QTreeWidgetItem* derniere = nullptr;
  for (const LigneScore& score : manche_.Scores()) {
    derniere = new QTreeWidgetItem(
        LVscore, QStringList{QString::fromStdString(score.partie), QString::fromStdString(score.score)});
  }
  if (derniere) LVscore->scrollToItem(derniere);
  LBscoreActu->setText(QString::number(serie_.ScoreTotal()));
}

void TForm1::depart() {
  manche_.Demarre(solveur_->Tirage);
  miseAjour();
  TMsolution->clear();
  AffichePanneau();
  repaint();
  if (CBauto->isChecked()) solveur_->ChercheSol(0);
  // The search runs to its end before returning: the solver is free here.
  LBnbsol->setText(QString::number(solveur_->SolutionApprochee ? 0 : solveur_->NbSolutions));
  CacheReponse();
  AfficheHorloge();
}

void TForm1::PreparePartie() {
  manche_.RemetHorlogeAZero();
  LBnbsol->clear();
}

void TForm1::nouvellePartie() {
  // In competition the draws come from the series only.
  if (serie_.ModeCompetition()) return;
  const SourceTirage source = tiragealeatoire();
  if (source == SourceTirage::Aucune) return;
  PreparePartie();
  depart();
  if (source == SourceTirage::Hasard) TIR_to_LV();
  JoueSonEvenement(Evenement::NewGame);
}

void TForm1::BresultClick() { nouvellePartie(); }

void TForm1::BTnouvPartieClick() {
  if (serie_.EnCours()) {
    // The series' first draw comes silently with "Commencer une partie".
    DonneTirageDeSerie();
    JoueSonEvenement(Evenement::NewGame);
  } else {
    nouvellePartie();
  }
}

void TForm1::RetrouveTirageDeLaManche() {
  if (!manche_.TirageDonne() || solveur_->Tirage == manche_.Tirage()) return;
  solveur_->ChangeTirage(manche_.Tirage());
}

void TForm1::BTrejoueClick() {
  if (!manche_.TirageDonne()) return;
  RetrouveTirageDeLaManche();
  depart();
}

void TForm1::CBtempsChange() {
  // No entry chosen (a stored choice out of the list): the limit stays.
  if (CBtemps->currentIndex() < 0) return;
  const int choix = CBtemps->currentIndex();
  manche_.ChangeLimite(DureesTemps[static_cast<std::size_t>(choix)], choix == 0);
  AfficheHorloge();
}

void TForm1::Timer1Timer() {
  const Manche::Seconde seconde = manche_.Tique();
  LBpoint->setText(QString::number(seconde.points));
  AfficheHorloge();
  if (seconde.tempsEcoule) fini();
}

void TForm1::fini() {
  JoueSonEvenement(Evenement::Temps);
  CacheReponse();
  AffichePanneau();
  AfficheHorloge();
  AfficheBilan();
  // In competition the first draw not found ends the series, even one given up.
  if (serie_.ModeCompetition()) TermineSerie();
}

void TForm1::Cgagner() {
  SousGarde(QStringLiteral("Tform1.Cgagner;"), [this] {
    JoueSonEvenement(Evenement::Trouve);
    manche_.Gagne();
    AfficheHorloge();
    AffichePanneau();
    AfficheBilan();
    tirages_.MarqueTrouve();
    AfficheScores();
  }, QStringLiteral("BUG !"));
}

}  // namespace tolvan
