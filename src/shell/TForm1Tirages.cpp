// Making the draw of a new game, and the draws list of the "Tirages" page.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "TForm1.h"
#include "game/Tirages.h"

namespace tolvan {

void TForm1::tiragealeatoire() {
  SousGarde(QStringLiteral("Tform1.TirageAleatoire;"), [this] {
    if (RBfichier->isChecked()) {
      if (tirages_->NbLignes() == 0) return;
      const int ligne = plateforme_.Aleatoire(tirages_->NbLignes());
      tirages_->DefinitLigneCourante(ligne);
      LV_to_TIR(ligne);
      tirages_->CocheLigne(ligne);
      solveur_->SolutionsCalculees = 0;
      depart();
      return;
    }
    const OptionsTirage options{CkBFou->isChecked(), CkBpremier->isChecked(), CBauto->isChecked(),
                                CkBreal->isChecked()};
    TireAuHasard(*solveur_, options, [this](int n) { return plateforme_.Aleatoire(n); });
    if (CBauto->isChecked()) {
      Bresult->setText(QString::number(solveur_->Tirage.Resultat));
    } else {
      LBnbsol->hide();
      LBnbsol2->hide();
    }
    depart();
    TIR_to_LV();
  });
}

void TForm1::LV_to_TIR(int ligne) { solveur_->Tirage = TirageDesCellules(tirages_->Cellules(ligne)); }

void TForm1::TIR_to_LV() {
  SousGarde(QStringLiteral("TIR_to_LV;"),
            [this] { tirages_->DefinitLigneCourante(tirages_->Ajoute(CellulesDuTirage(*solveur_))); });
}

void TForm1::Effacercestirages1Click() { tirages_->EffaceSelection(); }

void TForm1::BTeffaceToutClick() {
  if (plateforme_.Message(TypeMessage::Information, Textes.MsgToutEffacer, BoutonsMessage::OuiNon) == Reponse::Oui) {
    tirages_->EffaceTout();
  }
}

void TForm1::CBautoClick() {
  const bool automatique = CBauto->isChecked();
  CkBreal->setEnabled(automatique);
  CBmontre->setEnabled(automatique);
  if (automatique) return;
  // "Réalisables uniquement" needs the solver: the plain draws take its place.
  if (CkBreal->isChecked()) RBquelconque->setChecked(true);
  if (CBmontre->isChecked()) {
    CBmontre->setChecked(false);
    CBmontreClick();
  }
}

void TForm1::CBmontreClick() {
  LBnbsol->setVisible(CBmontre->isChecked());
  LBnbsol2->setVisible(CBmontre->isChecked());
}

}  // namespace tolvan
