// Series of generated draws, the sorted list, and solving a listed draw.
#include <QApplication>
#include <QCheckBox>
#include <QItemSelectionModel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeView>

#include "CadenceRepeinte.h"
#include "TForm1.h"
#include "library/GenerationSerie.h"

namespace tolvan {

namespace {

// How often the window is repainted during a series; every draw still lets
// "STOP" and the game's clock through.
constexpr int IntervalleRepeinte = 50;

}  // namespace

Solveur& TForm1::SolveurDeTravail() {
  if (!travail_) travail_ = std::make_unique<Solveur>(static_cast<EvenementsSolveur*>(this));
  return *travail_;
}

void TForm1::BTgenereClick() {
  const bool accepte = plateforme_.ExecuteDialogue(*frmGene_) == QDialog::Accepted;
  // The generated rows stay in the order they come.
  ArreteClassement();
  if (accepte) GenereSerie(frmGene_->Demande());
  PB2->setValue(0);
}

void TForm1::STOPClick() { arretDemande_ = true; }

void TForm1::GenereSerie(const DemandeGeneration& demande) {
  PB2->setRange(0, std::max(1, demande.nombre));
  PB2->setValue(0);
  arretDemande_ = false;
  if (demande.nombre <= 0) return;
  generationEnCours_ = true;
  ActiveCommandes();
  LVtirage->hide();
  if (demande.minimiser) showMinimized();
  CadenceRepeinte repeinte(this, IntervalleRepeinte);
  const Hasard hasard = [this](int n) { return plateforme_.Aleatoire(n); };
  for (int i = 1; i <= demande.nombre && !arretDemande_ && !tirages_.EstPleine(); ++i) {
    SousGarde(QStringLiteral("TIR_to_LV;"), [&] { tirages_.Ajoute(TirageDeSerie(SolveurDeTravail(), hasard)); });
    PB2->setValue(i);
    repeinte.Pas();
    QApplication::processEvents();
  }
  arretDemande_ = false;
  LVtirage->show();
  generationEnCours_ = false;
  ActiveCommandes();
  if (tirages_.EstPleine()) MontreListePleine();
  if (fermee_) return;
  showNormal();
  activateWindow();
}

void TForm1::CBclasseClick() { tirages_.Classe(CBclasse->isChecked()); }

int TForm1::PremiereLigneChoisie() const {
  int premiere = -1;
  for (const QModelIndex& rangee : LVtirage->selectionModel()->selectedRows()) {
    if (premiere < 0 || rangee.row() < premiere) premiere = rangee.row();
  }
  return premiere;
}

void TForm1::Calculerlasolution1Click() {
  const int ligne = PremiereLigneChoisie();
  if (ligne < 0) return;
  SousGarde(QStringLiteral("TForm1.Calculerlasolution1Click;"), [this, ligne] {
    const TTirage tirage = TirageDeRangee(tirages_.Rangee(ligne));
    // During a game its draw stays the current one: the row is solved aside.
    const bool partieEnJeu = manche_.PartieEnJeu();
    Solveur& solveur = partieEnJeu ? SolveurDeTravail() : *solveur_;
    solveur.ChangeTirage(tirage);
    if (!partieEnJeu) miseAjour();
    solveur.ChercheSol(solveur.IndiceSimple);
    tirages_.EcritSolution(ligne, solveur.NbSolutions, solveur.NbEtapesMin, solveur.TexteSimple);
  });
}

}  // namespace tolvan
