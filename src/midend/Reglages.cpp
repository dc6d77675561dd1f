#include "Reglages.h"

#include <algorithm>

namespace tolvan {

const ValeurReglage& EmplacementDe(Reglage reglage) {
  static const std::array<ValeurReglage, NbReglages> emplacements = {{
      {CleTolvan, QStringLiteral("Langue")},
      {CleOption, QStringLiteral("SolAuto")},
      {CleOption, QStringLiteral("CalcAuto")},
      {CleOption, QStringLiteral("VoirSol")},
      {CleOption, QStringLiteral("Premier")},
      {CleOption, QStringLiteral("Fous")},
      {CleOption, QStringLiteral("Temps")},
      {CleSound, QStringLiteral("Click")},
      {CleSound, QStringLiteral("Result")},
      {CleSound, QStringLiteral("erreur")},
      {CleSound, QStringLiteral("Annul")},
      {CleSound, QStringLiteral("NewGame")},
      {CleSound, QStringLiteral("Trouve")},
      {CleSound, QStringLiteral("temps")},
      {CleSound, QStringLiteral("Fichier")},
      {CleOption, QStringLiteral("Coach")},
      {CleOption, QStringLiteral("Difficulte")},
      {CleOption, QStringLiteral("VoirCote")},
  }};
  return emplacements[static_cast<std::size_t>(reglage)];
}

LectureReglages LisReglages(MagasinReglages& magasin) {
  LectureReglages lecture;
  try {
    if (!magasin.CleExiste(CleTolvan)) return lecture;
  } catch (const ErreurReglages&) {
    lecture.echec = true;
    return lecture;
  }
  for (int i = 0; i < NbReglages; ++i) {
    const auto reglage = static_cast<Reglage>(i);
    const ValeurReglage& emplacement = EmplacementDe(reglage);
    try {
      std::optional<QString> valeur = magasin.Lit(emplacement.cle, emplacement.nom);
      bool entier = true;
      if (valeur && reglage == Reglage::Temps) valeur->toInt(&entier);
      if (!entier) {
        lecture.echec = true;
        continue;
      }
      lecture.valeurs[static_cast<std::size_t>(i)] = std::move(valeur);
    } catch (const ErreurReglages&) {
      lecture.echec = true;
    }
  }
  return lecture;
}

bool EcritReglages(MagasinReglages& magasin, const ValeursReglages& valeurs) {
  if (std::none_of(valeurs.begin(), valeurs.end(), [](const std::optional<QString>& v) { return v.has_value(); })) {
    return true;
  }
  // Written in the order the keys were always written: the theme's path
  // first among the sound values.
  const Reglage ordre[NbReglages] = {Reglage::Langue,  Reglage::SolAuto, Reglage::CalcAuto, Reglage::VoirSol,
                                     Reglage::Premier, Reglage::Fous,    Reglage::Temps,    Reglage::Fichier,
                                     Reglage::Click,   Reglage::Result,  Reglage::Erreur,   Reglage::Annul,
                                     Reglage::NewGame, Reglage::Trouve,  Reglage::TempsSon, Reglage::Coach,
                                     Reglage::Difficulte, Reglage::VoirCote};
  try {
    for (const Reglage reglage : ordre) {
      const std::optional<QString>& valeur = valeurs[static_cast<std::size_t>(reglage)];
      if (!valeur) continue;
      const ValeurReglage& emplacement = EmplacementDe(reglage);
      magasin.Ecrit(emplacement.cle, emplacement.nom, *valeur);
    }
    magasin.Enregistre();
  } catch (const ErreurReglages&) {
    return false;
  }
  return true;
}

}  // namespace tolvan
