#include "MessagesHistorique.h"

#include "FichierTexte.h"
#include "OperationFichier.h"
#include "RaisonEchec.h"

namespace tolvan {

std::optional<AvisHistorique> AvisOuverture(const Historique::Ouverture& ouverture, const QString& chemin) {
  switch (ouverture.etat) {
    case Historique::Ouverture::Ouvert: return std::nullopt;
    case Historique::Ouverture::MisDeCote:
      return AvisHistorique{TypeMessage::Avertissement,
                            QStringLiteral("L'historique des parties était endommagé (%1).\rIl a été mis de côté sous le "
                                           "nom « %2 » et un nouvel historique commence.")
                                .arg(ouverture.detail, ouverture.misDeCote)};
    case Historique::Ouverture::LectureSeule:
      return AvisHistorique{TypeMessage::Avertissement,
                            QStringLiteral("L'historique des parties ne peut pas être modifié :\r%1\r"
                                           "Mes parties le montre tel quel ; les parties jouées sont gardées et seront "
                                           "enregistrées dès que le fichier pourra être modifié.")
                                .arg(LigneEchec(chemin, ouverture.detail))};
    case Historique::Ouverture::Incomplet:
      return AvisHistorique{TypeMessage::Avertissement,
                            QStringLiteral("L'historique des parties (%1) est incomplet : %2.\r"
                                           "Ses parties se lisent avec ces valeurs vides.")
                                .arg(chemin, ouverture.detail)};
    case Historique::Ouverture::Impossible: break;
  }
  return AvisHistorique{TypeMessage::Erreur, QStringLiteral("L'historique des parties (%1) ne peut pas être ouvert : %2\r"
                                                            "Le jeu continue sans enregistrer les parties.")
                                                 .arg(chemin, ouverture.detail)};
}

bool ExporteParties(const Historique& historique, const QString& chemin, Services& services,
                    const TextesMessages& textes) {
  QString erreur;
  const QStringList lignes = historique.LignesCsv(&erreur);
  if (!erreur.isEmpty()) {
    services.Message(TypeMessage::Erreur,
                     QStringLiteral("L'historique des parties ne peut pas être lu :\r%1\rRien n'a été exporté.")
                         .arg(LigneEchec(historique.Chemin(), erreur)),
                     BoutonsMessage::Ok);
    return false;
  }
  if (lignes.size() <= 1) {
    services.Message(TypeMessage::Information,
                     QStringLiteral("Aucune partie n'est encore enregistrée : %1 n'a pas été écrit.").arg(chemin),
                     BoutonsMessage::Ok);
    return false;
  }
  return AvecReessai(chemin, services, textes, [&] { return IssueEcriture(EcritFichierTexte(chemin, lignes)); });
}

}  // namespace tolvan
