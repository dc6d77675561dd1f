// The blackboard on the "Jeu" page: presses on tiles and operators, typed
// answers and "Retour" go to the rules of TableauNoir, then the board, the
// tiles and the sounds show what they decided.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include "TForm1.h"

namespace tolvan {

void TForm1::miseAjour() {
  SousGarde(QStringLiteral("Tform1.miseAjour;"), [this] {
    const TTirage& tirage = solveur_->Tirage;
    for (int i = 1; i <= NbNombres; ++i) Tableau.change(i, tirage.Nombres[i]);
    Bresult->setText(QString::number(tirage.Resultat));
    Enbadecomp->setText(QString::number(tirage.Resultat));
    AfficheTableau();
  });
}

void TForm1::AfficheTableau() {
  for (int i = 1; i <= NbNombres; ++i) {
    QPushButton* tuile = Tuiles[static_cast<std::size_t>(i - 1)];
    tuile->setText(QString::number(Tableau.Tuiles[i].valeur));
    tuile->setProperty("tag", Tableau.Tuiles[i].valeur);
    tuile->setEnabled(Tableau.Tuiles[i].active);
  }
  RefaitLigne();
}

void TForm1::RefaitLigne() {
  SousGarde(QStringLiteral("Tform1.RefaitLigne;"), [this] {
    const auto textes = Tableau.Textes();
    for (std::size_t i = 0; i < MM.size(); ++i) {
      MM[i]->setPlainText(QString::fromStdString(textes[i]));
      MM[i]->setAlignment(Qt::AlignCenter);
    }
  });
}

void TForm1::JoueReaction(const TableauNoir::Reaction& reaction) {
  using Son = TableauNoir::Reaction::Son;
  switch (reaction.son) {
    case Son::Aucun: break;
    case Son::Click: JoueSonEvenement(Evenement::Click); break;
    case Son::Result: JoueSonEvenement(Evenement::Result); break;
    case Son::Erreur: JoueSonEvenement(Evenement::Erreur); break;
    case Son::Annul: JoueSonEvenement(Evenement::Annul); break;
  }
}

void TForm1::Effectue(int code) {
  const TableauNoir::Reaction reaction =
      Tableau.Effectue(code, CkBcalcul->isChecked(), solveur_->Tirage.Resultat);
  AfficheTableau();
  if (reaction.demandeReponse) DemandeReponse();
  JoueReaction(reaction);
  if (reaction.gagne) Cgagner();
}

void TForm1::DemandeReponse() {
  MaReponse->setText(QStringLiteral("???"));
  MaReponse2->show();
  MaReponse->show();
  MaReponse->setFocus();
  MaReponse->selectAll();
}

void TForm1::CacheReponse() {
  MaReponse->hide();
  MaReponse2->hide();
}

void TForm1::MaReponseKeyup(int touche, Qt::KeyboardModifiers modificateurs) {
  const bool chiffreDuPave = (modificateurs & Qt::KeypadModifier) && touche >= Qt::Key_0 && touche <= Qt::Key_9;
  const bool entree = touche == Qt::Key_Enter || touche == Qt::Key_Return;
  if (!chiffreDuPave && !entree) {
    MaReponse->clear();
    return;
  }
  if (!entree) return;
  switch (Tableau.VerifieResultat(MaReponse->text().toStdString(), solveur_->Tirage.Resultat)) {
    case TableauNoir::Verdict::Refusee:
      MaReponse->clear();
      MaReponse->setFocus();
      return;
    case TableauNoir::Verdict::Acceptee:
      CacheReponse();
      AfficheTableau();
      return;
    case TableauNoir::Verdict::Gagnee:
      CacheReponse();
      AfficheTableau();
      Cgagner();
      return;
  }
}

void TForm1::BTannulClick() {
  const TableauNoir::Reaction reaction = Tableau.Retour();
  JoueReaction(reaction);
  AfficheTableau();
  CacheReponse();
}

}  // namespace tolvan
