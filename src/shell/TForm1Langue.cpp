// Language files: every caption of the table of lines, and the message
// texts, replaced at once by a file's lines.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include "midend/Chemins.h"
#include "midend/Horloge.h"
#include "LignesLangue.h"
#include "TaillePolice.h"
#include "Apparence.h"
#include "TForm1.h"

namespace tolvan {

void TForm1::PoseTexte(const char* controle, const QString& texte) {
  const QString nom = QString::fromLatin1(controle);
  if (nom == objectName()) {
    setWindowTitle(texte);
    return;
  }
  QWidget* cible = findChild<QWidget*>(nom);
  if (!cible) return;
  if (const int onglet = PCmain->indexOf(cible); onglet >= 0) {
    PCmain->setTabText(onglet, texte);
  } else if (auto* bouton = qobject_cast<QAbstractButton*>(cible)) {
    bouton->setText(texte);
  } else if (auto* etiquette = qobject_cast<QLabel*>(cible)) {
    etiquette->setText(texte);
    // The game's name, large, in whatever letters a language gives it.
    if (etiquette == LBtitre) AjustePolice(LBtitre, texte, LBtitre->width(), PointsTitre);
  } else if (auto* groupe = qobject_cast<QGroupBox*>(cible); groupe && groupe != GBbravo) {
    groupe->setTitle(texte);
    // Kept for when a series' draw has shown its own title there.
    groupe->setProperty("titre", texte);
  }
  if (cible == GBbravo) {
    // The title of a won game's summary; a time-out's summary keeps its own.
    jeu_->DefinitTexte(&TextesMessages::MsgBravo, texte);
    RedessineBilan();
  }
}

void TForm1::PoseTextesFrancais() {
  for (const LigneLangue& ligne : LignesLangue()) {
    for (const CibleLangue& cible : ligne.cibles) PoseTexte(cible.controle, QString::fromUtf8(cible.francais));
  }
}

void TForm1::PoseTextesPropres() {
  const TextesMessages& textes = jeu_->Textes();
  BTjour->setText(textes.MsgTirageDuJour);
  BTcopie->setText(textes.MsgCopierResultat);
  BTindice->setText(textes.MsgIndice);
  BTmesParties->setText(textes.MsgMesParties);
  CBcote->setText(textes.MsgVoirMaCote);
  BTautres->setText(textes.MsgJouerAutrement);
  BTarbitrage->setText(textes.MsgArbitrage);
  MonCalcul->setPlaceholderText(textes.champ.invite);
  LBdifficulte->setText(textes.MsgDifficulte);
  // In the size of its neighbours, on two lines when it needs them.
  CBcoach->setText(textes.MsgCoach);
  for (QComboBox* liste : {CBdifficulte, CBetape, CBoper}) liste->setItemText(0, textes.MsgToutes);
  for (int etapes = 1; etapes < CBetape->count(); ++etapes) CBetape->setItemText(etapes, textes.MsgEnEtapes.arg(etapes));
  for (int choix = 0; choix < CBtemps->count(); ++choix) CBtemps->setItemText(choix, NomDuChoixTemps(choix, textes));
  plateforme_.DefinitMotsDesBoutons({textes.MsgOui, textes.MsgNon, textes.MsgAnnuler, textes.MsgBoutonReessayer});
}

void TForm1::AppliqueLigneLangue(int ligne, const QString& texte) {
  const LigneLangue& lue = LignesLangue()[static_cast<std::size_t>(ligne)];
  for (const CibleLangue& cible : lue.cibles) PoseTexte(cible.controle, texte);
  if (lue.message) jeu_->DefinitTexte(lue.message, texte);
}

void TForm1::change_langue(const QString& chemin) {
  // The game reads the file; each line it gives goes where the table says.
  jeu_->ChargeLangue(chemin, [this](int ligne, const QString& texte) { AppliqueLigneLangue(ligne, texte); });
  PoseTextesPropres();
  // The clock and a time-out's summary speak the new language at once.
  Redessine();
}

void TForm1::BTchangeLangueClick() {
  if (const std::optional<QString> chemin = jeu_->ChoisitLangue()) change_langue(*chemin);
  Redessine();
}

}  // namespace tolvan
