// The options kept from one run to the next: read when the window is made,
// written when it closes.
#include <algorithm>

#include <QCheckBox>
#include <QComboBox>

#include "Reglages.h"
#include "TForm1.h"

namespace tolvan {

QCheckBox* TForm1::CaseDe(Reglage reglage) const {
  switch (reglage) {
    case Reglage::SolAuto: return CBauto;
    case Reglage::CalcAuto: return CkBcalcul;
    case Reglage::VoirSol: return CBmontre;
    case Reglage::Premier: return CkBpremier;
    case Reglage::Fous: return CkBFou;
    case Reglage::Click: return CBsonClick;
    case Reglage::Result: return CBsonres;
    case Reglage::Erreur: return CBsonerreur;
    case Reglage::Annul: return CBsonBack;
    case Reglage::NewGame: return CBsonNew;
    case Reglage::Trouve: return CBsonGagne;
    case Reglage::TempsSon: return CBsonlose;
    default: return nullptr;
  }
}

void TForm1::PoseCase(QCheckBox* caseACocher, bool cochee) {
  // As if the player had clicked it: only a change runs the box's handler.
  if (caseACocher->isChecked() == cochee) return;
  caseACocher->setChecked(cochee);
  if (caseACocher == CBauto) CBautoClick();
  if (caseACocher == CBmontre) CBmontreClick();
}

void TForm1::AppliqueReglage(Reglage reglage, const QString& valeur) {
  if (QCheckBox* caseACocher = CaseDe(reglage)) {
    PoseCase(caseACocher, CaseDuTexte(valeur));
    return;
  }
  switch (reglage) {
    case Reglage::Langue: FichierLangue = valeur; break;
    case Reglage::Fichier: FichierSon = valeur; break;
    case Reglage::Temps: {
      // As if chosen in the list: a change restarts the clock under its
      // limit through the list's own handler.
      const int choix = valeur.toInt();
      CBtemps->setCurrentIndex(choix >= 0 && choix < CBtemps->count() ? choix : -1);
      break;
    }
    default: break;
  }
}

void TForm1::SignaleErreurRegistre(const QString& entete) {
  QString texte = QStringLiteral("Erreur registre\rPROCEDURE ") + entete;
  if (const QString echec = plateforme_.Reglages().DernierEchec(); !echec.isEmpty()) texte += "\r" + echec;
  plateforme_.Message(TypeMessage::Simple, texte, BoutonsMessage::Ok);
}

std::array<QString, NbReglages> TForm1::ReglagesEnVigueur() const {
  std::array<QString, NbReglages> valeurs;
  for (int i = 0; i < NbReglages; ++i) {
    const auto reglage = static_cast<Reglage>(i);
    if (const QCheckBox* caseACocher = CaseDe(reglage)) {
      valeurs[static_cast<std::size_t>(i)] = TexteCase(caseACocher->isChecked());
    }
  }
  valeurs[static_cast<std::size_t>(Reglage::Langue)] = FichierLangue;
  valeurs[static_cast<std::size_t>(Reglage::Fichier)] = FichierSon;
  valeurs[static_cast<std::size_t>(Reglage::Temps)] = QString::number(CBtemps->currentIndex());
  return valeurs;
}

void TForm1::LisInfoRegistre() {
  const LectureReglages lecture = LisReglages(plateforme_.Reglages());
  for (int i = 0; i < NbReglages; ++i) {
    const auto& valeur = lecture.valeurs[static_cast<std::size_t>(i)];
    if (valeur) AppliqueReglage(static_cast<Reglage>(i), *valeur);
  }
  // The close writes only what changes meanwhile, so that another copy of
  // the game keeps its own changes; a value the store lacks is written
  // too, and so is every one when the store could not be read at all.
  const auto enVigueur = ReglagesEnVigueur();
  const bool rienLu =
      std::none_of(lecture.valeurs.begin(), lecture.valeurs.end(), [](const auto& v) { return v.has_value(); });
  for (std::size_t i = 0; i < enVigueur.size(); ++i) {
    const bool aEcrire = lecture.echec ? rienLu : !lecture.valeurs[i];
    reglagesLus_[i] = aEcrire ? std::nullopt : std::optional<QString>(enVigueur[i]);
  }
  if (lecture.echec) SignaleErreurRegistre(QStringLiteral("LisInfoRegistre;"));
}

void TForm1::EcrisInfoRegistre() {
  std::array<std::optional<QString>, NbReglages> changees;
  const auto enVigueur = ReglagesEnVigueur();
  for (std::size_t i = 0; i < enVigueur.size(); ++i) {
    if (reglagesLus_[i] != enVigueur[i]) changees[i] = enVigueur[i];
  }
  if (!EcritReglages(plateforme_.Reglages(), changees)) SignaleErreurRegistre(QStringLiteral("EcrisInfoRegistre;"));
}

}  // namespace tolvan
