// The "Ambiance sonore" group: choosing, hearing and switching the seven
// event sounds, and sound themes.
#include <QCheckBox>
#include <QPushButton>

#include "Chemins.h"
#include "TForm1.h"

namespace tolvan {

namespace {

const DialogueFichier OPson{QStringLiteral("Choisir un bruitage"), QStringLiteral("Fichier WAV|*.wav"), {}};
const DialogueFichier OPtheme{QStringLiteral("Ouvrir un fichier SON"), QStringLiteral("Fichiers bruitage *.son|*.son"),
                              QStringLiteral("son")};
const DialogueFichier SDtheme{QStringLiteral("Sauvegarder un fichier SON"), QStringLiteral("Fichiers Sons|*.son"),
                              QStringLiteral("son")};

}  // namespace

void TForm1::JoueSonEvenement(Evenement evenement) {
  const LigneSon& ligne = lignesSon_[static_cast<std::size_t>(evenement)];
  if (ligne.active->isChecked()) plateforme_.JoueSon(Sons.*ligne.son);
}

void TForm1::ChoisitSon(Evenement evenement) {
  const LigneSon& ligne = lignesSon_[static_cast<std::size_t>(evenement)];
  const std::optional<QString> fichier = plateforme_.FichierAOuvrir(OPson);
  if (!fichier) return;
  Sons.*ligne.son = *fichier;
  ligne.choix->setText(NomDeFichier(*fichier));
}

void TForm1::EcouteSon(Evenement evenement) {
  plateforme_.JoueSon(Sons.*lignesSon_[static_cast<std::size_t>(evenement)].son);
}

void TForm1::AfficheNomsDesSons() {
  for (const LigneSon& ligne : lignesSon_) ligne.choix->setText(NomDeFichier(Sons.*ligne.son));
}

void TForm1::BTsonClickClick() { ChoisitSon(Evenement::Click); }
void TForm1::BTsonResClick() { ChoisitSon(Evenement::Result); }
void TForm1::BTsonErreurClick() { ChoisitSon(Evenement::Erreur); }
void TForm1::BTsonBackClick() { ChoisitSon(Evenement::Annul); }
void TForm1::BTsonnewClick() { ChoisitSon(Evenement::NewGame); }
void TForm1::BTsonGagneClick() { ChoisitSon(Evenement::Trouve); }
void TForm1::BTsonLoseClick() { ChoisitSon(Evenement::Temps); }

void TForm1::BitBtn8Click() { EcouteSon(Evenement::Click); }
void TForm1::BitBtn9Click() { EcouteSon(Evenement::Result); }
void TForm1::BitBtn10Click() { EcouteSon(Evenement::Erreur); }
void TForm1::BitBtn11Click() { EcouteSon(Evenement::Annul); }
void TForm1::BitBtn12Click() { EcouteSon(Evenement::NewGame); }
void TForm1::BitBtn13Click() { EcouteSon(Evenement::Trouve); }
void TForm1::BitBtn14Click() { EcouteSon(Evenement::Temps); }

void TForm1::BTopenSonClick() {
  const std::optional<QString> fichier = plateforme_.FichierAOuvrir(OPtheme);
  if (!fichier) return;
  FichierSon = *fichier;  // kept even when the theme cannot be read
  ChargeTheme(*fichier, Sons, plateforme_, Textes);
  AfficheNomsDesSons();
}

void TForm1::BTsaveSonClick() {
  const std::optional<QString> fichier = plateforme_.FichierASauver(SDtheme);
  if (fichier) SauveTheme(*fichier, Sons, plateforme_, Textes);
}

void TForm1::CBsonTousClick() {
  const bool tous = CBsonTous->isChecked();
  for (QCheckBox* active : {CBsonClick, CBsonres, CBsonGagne, CBsonerreur, CBsonlose, CBsonBack, CBsonNew}) {
    active->setChecked(tous);
  }
}

}  // namespace tolvan
