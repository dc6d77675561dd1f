#include "ThemeSonore.h"

#include "FichierTexte.h"

namespace tolvan {

std::array<QString*, SonsDuJeu::Nombre> SonsDuJeu::DansLOrdreDuTheme() {
  return {&SonClick, &SonResult, &SonErreur, &SonAnnul, &SonNewGame, &SonTrouve, &SonTemps};
}

std::array<const QString*, SonsDuJeu::Nombre> SonsDuJeu::DansLOrdreDuTheme() const {
  return {&SonClick, &SonResult, &SonErreur, &SonAnnul, &SonNewGame, &SonTrouve, &SonTemps};
}

namespace {

bool RessaieOuverture(const QString& chemin, Plateforme& plateforme, const TextesMessages& textes) {
  const QString texte = textes.MsgErreurOuverture + "\r" + chemin + "\r" + textes.MsgReessayer;
  return plateforme.Message(TypeMessage::Erreur, texte, BoutonsMessage::ReessayerAnnuler) == Reponse::Reessayer;
}

}  // namespace

void ChargeTheme(const QString& chemin, SonsDuJeu& sons, Plateforme& plateforme, const TextesMessages& textes) {
  for (;;) {
    const LectureTexte lecture = LitFichierTexte(chemin);
    switch (lecture.etat) {
      case LectureTexte::OuvertureImpossible:
        if (RessaieOuverture(chemin, plateforme, textes)) continue;
        return;
      case LectureTexte::LectureImpossible:
        plateforme.Message(TypeMessage::Erreur, textes.MsgErreurLecture, BoutonsMessage::Ok);
        return;
      case LectureTexte::Lu: {
        const auto noms = sons.DansLOrdreDuTheme();
        for (int i = 0; i < SonsDuJeu::Nombre; ++i) *noms[i] = lecture.lignes.value(i);
        return;
      }
    }
  }
}

void SauveTheme(const QString& chemin, const SonsDuJeu& sons, Plateforme& plateforme,
                const TextesMessages& textes) {
  QStringList lignes;
  for (const QString* nom : sons.DansLOrdreDuTheme()) lignes.append(*nom);
  for (;;) {
    switch (EcritFichierTexte(chemin, lignes)) {
      case EcritureTexte::OuvertureImpossible:
        if (RessaieOuverture(chemin, plateforme, textes)) continue;
        return;
      case EcritureTexte::EcritureImpossible:
        plateforme.Message(TypeMessage::Erreur, textes.MsgErreurEcriture, BoutonsMessage::Ok);
        return;
      case EcritureTexte::Ecrit:
        return;
    }
  }
}

}  // namespace tolvan
