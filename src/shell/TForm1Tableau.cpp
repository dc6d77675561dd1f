// The blackboard on the "Jeu" page: presses on tiles and operators, typed
// answers and "Retour" go to the round, then the board, the tiles and the
// sounds show what it decided.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include "Apparence.h"
#include "TForm1.h"
#include "TaillePolice.h"
#include "Touches.h"

namespace tolvan {

namespace {

// Room for the text inside a tile or the target, within border and padding.
int LargeurUtile(const QPushButton* bouton) { return bouton->width() - 8; }

int LargeurUtile(const QTextEdit* ligne) {
  return ligne->viewport()->width() - 2 * static_cast<int>(ligne->document()->documentMargin()) - 2;
}

}  // namespace

void TForm1::miseAjour() {
  SousGarde(QStringLiteral("Tform1.miseAjour;"), [this] {
    const TTirage& tirage = solveur_->Tirage;
    for (int i = 1; i <= NbNombres; ++i) manche_.Tableau().change(i, tirage.Nombres[i]);
    const QString cible = QString::number(tirage.Resultat);
    Bresult->setText(cible);
    Bresult->setAccessibleName(QStringLiteral("à trouver : ") + cible);
    AjustePolice(Bresult, cible, LargeurUtile(Bresult), PointsCible);
    Enbadecomp->setText(cible);
    // What the hints found was about the draw before.
    Ldecompos->clear();
    ElastLigne->clear();
    AfficheTableau();
  });
}

void TForm1::AfficheTableau() {
  const TableauNoir& tableau = manche_.Tableau();
  for (int i = 1; i <= NbNombres; ++i) {
    QPushButton* tuile = Tuiles[static_cast<std::size_t>(i - 1)];
    const QString nombre = QString::number(tableau.Tuiles[i].valeur);
    tuile->setText(nombre);
    tuile->setAccessibleName(nombre);
    tuile->setProperty("tag", tableau.Tuiles[i].valeur);
    tuile->setEnabled(tableau.Tuiles[i].active);
    AjustePolice(tuile, nombre, LargeurUtile(tuile), PointsTuile);
  }
  RefaitLigne();
}

void TForm1::RefaitLigne() {
  SousGarde(QStringLiteral("Tform1.RefaitLigne;"), [this] {
    const auto textes = manche_.Tableau().Textes();
    for (std::size_t i = 0; i < MM.size(); ++i) {
      const QString texte = QString::fromStdString(textes[i]);
      AjustePolice(MM[i], texte, LargeurUtile(MM[i]), PointsLigne);
      MM[i]->setPlainText(texte);
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
  // The board comes back before the press is handled.
  if (vueSolutions_) BTvoirSolClick();
  const TableauNoir::Reaction reaction = manche_.Effectue(code, CkBcalcul->isChecked());
  AfficheTableau();
  if (reaction.demandeReponse) DemandeReponse();
  if (reaction.refusee) SignaleRefusLigne();
  JoueReaction(reaction);
  if (reaction.gagne) Cgagner();
}

void TForm1::SignaleRefusLigne() {
  const int ligne = manche_.Tableau().NumLigne;
  if (ligne >= 1 && ligne <= NbLignes) SignaleRefus(MM[static_cast<std::size_t>(ligne - 1)]);
}

void TForm1::DemandeReponse() {
  MaReponse->setText(QStringLiteral("???"));
  MaReponse2->show();
  MaReponse->show();
  FocaliseChamp(MaReponse);
}

void TForm1::CacheReponse() {
  MaReponse->hide();
  MaReponse2->hide();
}

void TForm1::MaReponseKeyup(int touche, Qt::KeyboardModifiers modificateurs) {
  const bool chiffreDuPave = EstChiffreDuPave(touche, modificateurs);
  const bool entree = EstEntree(touche);
  if (!chiffreDuPave && !entree) {
    MaReponse->clear();
    return;
  }
  if (!entree) return;
  const TableauNoir::Verdict verdict = manche_.VerifieResultat(MaReponse->text().toStdString());
  if (verdict == TableauNoir::Verdict::Refusee) {
    MaReponse->clear();
    MaReponse->setFocus();
    SignaleRefusLigne();
    return;
  }
  CacheReponse();
  AfficheTableau();
  if (verdict == TableauNoir::Verdict::Gagnee) Cgagner();
}

void TForm1::BTannulClick() {
  const TableauNoir::Reaction reaction = manche_.Retour();
  if (reaction.son == TableauNoir::Reaction::Son::Aucun) return;  // nothing was taken back
  JoueReaction(reaction);
  AfficheTableau();
  CacheReponse();
}

}  // namespace tolvan
