#include "ThemeSonore.h"

#include "FichierTexte.h"
#include "OperationFichier.h"

namespace tolvan {

void ChargeTheme(const QString& chemin, SonsDuJeu& sons, Services& plateforme, const TextesMessages& textes) {
  AvecReessai(chemin, plateforme, textes, [&]() -> Tentative {
    const LectureTexte lecture = LitFichierTexte(chemin);
    if (lecture.etat == LectureTexte::OuvertureImpossible) return {IssueFichier::OuvertureImpossible, lecture.raison};
    // A whole file names every sound, empty past its end; a read that fails
    // changes only the names read before the failure.
    const bool entier = lecture.etat == LectureTexte::Lu;
    for (int i = 0; i < NbEvenements && (entier || i < lecture.lignes.size()); ++i) {
      sons.noms[static_cast<std::size_t>(i)] = lecture.lignes.value(i);
    }
    return entier ? IssueFichier::Reussie : IssueFichier::LectureImpossible;
  });
}

void SauveTheme(const QString& chemin, const SonsDuJeu& sons, Services& plateforme,
                const TextesMessages& textes) {
  QStringList lignes;
  for (const QString& nom : sons.noms) lignes.append(nom);
  AvecReessai(chemin, plateforme, textes, [&] { return IssueEcriture(EcritFichierTexte(chemin, lignes)); });
}

}  // namespace tolvan
