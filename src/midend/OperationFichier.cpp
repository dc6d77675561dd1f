#include "OperationFichier.h"

#include "Dates.h"
#include "RaisonEchec.h"
#include "game/LigneDePartage.h"

namespace tolvan {

QString QuestionOuverture(const QString& chemin, const QString& raison, const TextesMessages& textes) {
  return QuestionReessai(textes.MsgErreurOuverture + "\r" + LigneEchec(chemin, raison), textes);
}

QString QuestionReessai(const QString& probleme, const TextesMessages& textes) {
  return probleme + "\r" + textes.MsgReessayer;
}

bool Reessayer(Services& plateforme, const QString& question) {
  return plateforme.Message(TypeMessage::Erreur, question, BoutonsMessage::ReessayerAnnuler) == Reponse::Reessayer;
}

Tentative IssueEcriture(const ResultatEcriture& ecriture) {
  switch (ecriture.etat) {
    case EcritureTexte::OuvertureImpossible: return {IssueFichier::OuvertureImpossible, ecriture.raison};
    case EcritureTexte::EcritureImpossible: return {IssueFichier::EcritureImpossible, ecriture.raison};
    case EcritureTexte::Ecrit: break;
  }
  return IssueFichier::Reussie;
}

bool AvecReessai(const QString& chemin, Services& plateforme, const TextesMessages& textes,
                 const std::function<Tentative()>& operation) {
  for (;;) {
    const Tentative tentative = operation();
    const QString ligne = LigneEchec(chemin, tentative.raison);
    switch (tentative.issue) {
      case IssueFichier::Reussie: return true;
      case IssueFichier::OuvertureImpossible:
        if (Reessayer(plateforme, QuestionOuverture(chemin, tentative.raison, textes))) continue;
        return false;
      case IssueFichier::LectureImpossible:
        plateforme.Message(TypeMessage::Erreur, textes.MsgErreurLecture + "\r" + ligne, BoutonsMessage::Ok);
        return false;
      case IssueFichier::EcritureImpossible:
        plateforme.Message(TypeMessage::Erreur, textes.MsgErreurEcriture + "\r" + ligne, BoutonsMessage::Ok);
        return false;
      case IssueFichier::Signalee: return false;
    }
  }
}

void ImprimeLignes(Services& plateforme, const TextesMessages& textes, const QString& titre, const QStringList& lignes) {
  if (!plateforme.ChoisitImprimante()) return;
  for (;;) {
    switch (plateforme.Imprime(titre, lignes)) {
      case Services::Impression::Faite: return;
      case Services::Impression::LigneImpossible:
        plateforme.Message(TypeMessage::Erreur, QStringLiteral("Erreur d'écriture imprimante"), BoutonsMessage::Ok);
        return;
      case Services::Impression::DemarrageImpossible:
        if (!Reessayer(plateforme, QuestionReessai(textes.MsgErreurImprimante, textes))) return;
    }
  }
}

void ImprimeFeuille(Services& plateforme, const TextesMessages& textes, const Feuille& feuille) {
  const QString date =
      QString::fromStdString(DateEnToutesLettres(DateDe(plateforme.Maintenant().date()), textes.partage));
  ImprimeLignes(plateforme, textes, feuille.titre, feuille.LignesImprimees(date));
}

}  // namespace tolvan
