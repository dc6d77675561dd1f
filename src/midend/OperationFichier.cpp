#include "OperationFichier.h"

namespace tolvan {

QString QuestionOuverture(const QString& chemin, const TextesMessages& textes) {
  return QuestionReessai(textes.MsgErreurOuverture + "\r" + chemin, textes);
}

QString QuestionReessai(const QString& probleme, const TextesMessages& textes) {
  return probleme + "\r" + textes.MsgReessayer;
}

bool Reessayer(Services& plateforme, const QString& question) {
  return plateforme.Message(TypeMessage::Erreur, question, BoutonsMessage::ReessayerAnnuler) == Reponse::Reessayer;
}

IssueFichier IssueEcriture(EcritureTexte ecriture) {
  switch (ecriture) {
    case EcritureTexte::OuvertureImpossible: return IssueFichier::OuvertureImpossible;
    case EcritureTexte::EcritureImpossible: return IssueFichier::EcritureImpossible;
    case EcritureTexte::Ecrit: break;
  }
  return IssueFichier::Reussie;
}

bool AvecReessai(const QString& texteOuverture, Services& plateforme, const TextesMessages& textes,
                 const std::function<IssueFichier()>& operation) {
  for (;;) {
    switch (operation()) {
      case IssueFichier::Reussie: return true;
      case IssueFichier::OuvertureImpossible:
        if (Reessayer(plateforme, texteOuverture)) continue;
        return false;
      case IssueFichier::LectureImpossible:
        plateforme.Message(TypeMessage::Erreur, textes.MsgErreurLecture, BoutonsMessage::Ok);
        return false;
      case IssueFichier::EcritureImpossible:
        plateforme.Message(TypeMessage::Erreur, textes.MsgErreurEcriture, BoutonsMessage::Ok);
        return false;
      case IssueFichier::Signalee: return false;
    }
  }
}

}  // namespace tolvan
