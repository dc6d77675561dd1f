// Making the draw of a new game, and the draws list of the "Tirages" page.
#include <QCheckBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeView>

#include "TForm1.h"
#include "game/Tirages.h"
#include "library/FichierTirages.h"

namespace tolvan {

TForm1::SourceTirage TForm1::tiragealeatoire() {
  SourceTirage source = SourceTirage::Aucune;
  SousGarde(QStringLiteral("Tform1.TirageAleatoire;"), [this, &source] {
    if (RBfichier->isChecked()) {
      if (TireDansLaListe()) source = SourceTirage::Liste;
      return;
    }
    const OptionsTirage options{CkBFou->isChecked(), CkBpremier->isChecked(), CBauto->isChecked(),
                                CkBreal->isChecked()};
    TireAuHasard(*solveur_, options, [this](int n) { return plateforme_.Aleatoire(n); });
    if (!CBauto->isChecked()) {
      LBnbsol->hide();
      LBnbsol2->hide();
    }
    source = SourceTirage::Hasard;
  });
  return source;
}

bool TForm1::TireDansLaListe() {
  if (tirages_.NbLignes() == 0) return false;
  const int ligne = plateforme_.Aleatoire(tirages_.NbLignes());
  LV_to_TIR(ligne);
  // Reached only when the row held a draw: a bad row changes nothing.
  tirages_.DefinitLigneCourante(ligne);
  tirages_.CocheLigne(ligne);
  return true;
}

void TForm1::LV_to_TIR(int ligne) { solveur_->ChangeTirage(TirageDeRangee(tirages_.Rangee(ligne))); }

void TForm1::TIR_to_LV() {
  if (tirages_.EstPleine()) {
    // The draw has no row of its own: a win marks none, not the last game's.
    tirages_.DefinitLigneCourante(-1);
    MontreListePleine();
    return;
  }
  SousGarde(QStringLiteral("TIR_to_LV;"), [this] {
    const Solveur& s = *solveur_;
    tirages_.DefinitLigneCourante(tirages_.Ajoute(RangeeDuTirage(s.Tirage, s.NbSolutions, s.NbEtapesMin, s.TexteSimple)));
  });
}

void TForm1::MontreListePleine() {
  plateforme_.Message(TypeMessage::Avertissement, QString::fromUtf8(MessageListePleine), BoutonsMessage::Ok);
}

void TForm1::Effacercestirages1Click() {
  QList<int> lignes;
  for (const QModelIndex& rangee : LVtirage->selectionModel()->selectedRows()) lignes.append(rangee.row());
  tirages_.Efface(lignes);
}

void TForm1::LVtirageDblClick() {
  const int ligne = PremiereLigneChoisie();
  if (ligne < 0) return;
  SousGarde(QStringLiteral("TForm1.LVtirageDblClick;"), [this, ligne] {
    LV_to_TIR(ligne);
    // A new game on that draw, with the whole of its time.
    PreparePartie();
    depart();
    PCmain->setCurrentWidget(TSjeu);
    tirages_.DefinitLigneCourante(ligne);
  });
}

void TForm1::Copiercecompte1Click() {
  const int ligne = PremiereLigneChoisie();
  if (ligne >= 0) plateforme_.CopieTexte(QString::fromStdString(LigneTirage(tirages_.Rangee(ligne))));
}

void TForm1::BTeffaceToutClick() {
  if (plateforme_.Message(TypeMessage::Information, Textes.MsgToutEffacer, BoutonsMessage::OuiNon) == Reponse::Oui) {
    tirages_.EffaceTout();
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
