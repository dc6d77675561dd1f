// The "Tirages" page: the draws list, its files, printing, the spreadsheet
// and generated series.
#include <QCheckBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QTabWidget>
#include <QTreeView>

#include "TFRMgene.h"
#include "TForm1.h"

namespace tolvan {

int TForm1::PremiereLigneChoisie() const {
  int premiere = -1;
  for (const QModelIndex& rangee : LVtirage->selectionModel()->selectedRows()) {
    if (premiere < 0 || rangee.row() < premiere) premiere = rangee.row();
  }
  return premiere;
}

void TForm1::BTopenClick() {
  jeu_->OuvreListe();
  Redessine();
}

void TForm1::BTsaveClick() {
  jeu_->SauveListe();
  Redessine();
}

void TForm1::BTexcelClick() {
  jeu_->ExporteListe();
  Redessine();
}

void TForm1::BTimprimClick() {
  jeu_->ImprimeListe();
  Redessine();
}

void TForm1::BTeffaceToutClick() {
  jeu_->EffaceTout();
  Redessine();
}

void TForm1::BTgenereClick() {
  const bool accepte = plateforme_.ExecuteDialogue(*frmGene_) == QDialog::Accepted;
  const DemandeGeneration demande = accepte ? frmGene_->Demande() : DemandeGeneration{};
  if (demande.nombre > 0 && demande.minimiser) showMinimized();
  jeu_->GenereSerie(demande.nombre);
  if (demande.nombre > 0 && !fermee_) {
    showNormal();
    activateWindow();
  }
  Redessine();
}

void TForm1::STOPClick() {
  jeu_->ArreteGeneration();
  Redessine();
}

void TForm1::CBclasseClick() {
  jeu_->Classe(CBclasse->isChecked());
  Redessine();
}

void TForm1::LVtirageDblClick() {
  if (jeu_->JoueLigne(PremiereLigneChoisie())) PCmain->setCurrentWidget(TSjeu);
  Redessine();
}

void TForm1::Calculerlasolution1Click() {
  jeu_->CalculeLigne(PremiereLigneChoisie());
  Redessine();
}

void TForm1::Copiercecompte1Click() { jeu_->CopieLigne(PremiereLigneChoisie()); }

void TForm1::Effacercestirages1Click() {
  QList<int> lignes;
  for (const QModelIndex& rangee : LVtirage->selectionModel()->selectedRows()) lignes.append(rangee.row());
  jeu_->EffaceLignes(lignes);
  Redessine();
}

void TForm1::MontreMenuTirages(const QPoint& ou) { PMtirage->popup(LVtirage->viewport()->mapToGlobal(ou)); }

bool TForm1::ToucheListeTirages(const QKeyEvent& touche) {
  const Qt::KeyboardModifiers modificateurs = touche.modifiers() & ~Qt::KeypadModifier;
  if (touche.key() == Qt::Key_Delete && modificateurs == Qt::NoModifier) {
    Effacercestirages1Click();
    return true;
  }
  if (touche.key() == Qt::Key_F10 && modificateurs == Qt::ShiftModifier) {
    // Beside the current row, as a click there would show it.
    const QRect rangee = LVtirage->visualRect(LVtirage->currentIndex());
    MontreMenuTirages(rangee.isValid() ? rangee.bottomLeft() : QPoint());
    return true;
  }
  return false;
}

}  // namespace tolvan
