#include "ThemeSonore.h"

#include "FichierTexte.h"
#include "OperationFichier.h"

namespace tolvan {

std::array<QString*, SonsDuJeu::Nombre> SonsDuJeu::DansLOrdreDuTheme() {
  return {&SonClick, &SonResult, &SonErreur, &SonAnnul, &SonNewGame, &SonTrouve, &SonTemps};
}

std::array<const QString*, SonsDuJeu::Nombre> SonsDuJeu::DansLOrdreDuTheme() const {
  return {&SonClick, &SonResult, &SonErreur, &SonAnnul, &SonNewGame, &SonTrouve, &SonTemps};
}

void ChargeTheme(const QString& chemin, SonsDuJeu& sons, Plateforme& plateforme, const TextesMessages& textes) {
  AvecReessai(chemin, plateforme, textes, [&]() -> Tentative {
    const LectureTexte lecture = LitFichierTexte(chemin);
    if (lecture.etat == LectureTexte::OuvertureImpossible) return {IssueFichier::OuvertureImpossible, lecture.raison};
    // A whole file names every sound, empty past its end; a read that fails
    // changes only the names read before the failure.
    const bool entier = lecture.etat == LectureTexte::Lu;
    const auto noms = sons.DansLOrdreDuTheme();
    for (int i = 0; i < SonsDuJeu::Nombre && (entier || i < lecture.lignes.size()); ++i) {
      *noms[i] = lecture.lignes.value(i);
    }
    return entier ? IssueFichier::Reussie : IssueFichier::LectureImpossible;
  });
}

void SauveTheme(const QString& chemin, const SonsDuJeu& sons, Plateforme& plateforme,
                const TextesMessages& textes) {
  QStringList lignes;
  for (const QString* nom : sons.DansLOrdreDuTheme()) lignes.append(*nom);
  AvecReessai(chemin, plateforme, textes, [&] { return IssueEcriture(EcritFichierTexte(chemin, lignes)); });
}

}  // namespace tolvan
