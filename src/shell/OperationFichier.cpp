#include "OperationFichier.h"

namespace tolvan {

QString QuestionOuverture(const QString& chemin, const TextesMessages& textes) {
  return textes.MsgErreurOuverture + "\r" + chemin + "\r" + textes.MsgReessayer;
}

bool AvecReessai(const QString& texteOuverture, Plateforme& plateforme, const TextesMessages& textes,
                 const std::function<IssueFichier()>& operation) {
  for (;;) {
    switch (operation()) {
      case IssueFichier::Reussie: return true;
      case IssueFichier::OuvertureImpossible:
        if (plateforme.Message(TypeMessage::Erreur, texteOuverture, BoutonsMessage::ReessayerAnnuler) ==
            Reponse::Reessayer) {
          continue;
        }
        return false;
      case IssueFichier::LectureImpossible:
        plateforme.Message(TypeMessage::Erreur, textes.MsgErreurLecture, BoutonsMessage::Ok);
        return false;
      case IssueFichier::EcritureImpossible:
        plateforme.Message(TypeMessage::Erreur, textes.MsgErreurEcriture, BoutonsMessage::Ok);
        return false;
    }
  }
}

}  // namespace tolvan
