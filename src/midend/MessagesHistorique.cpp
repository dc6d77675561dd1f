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

namespace {

// "1 partie n'a pas pu être enregistrée", "2 parties n'ont pas pu être enregistrées".
QString PartiesNonEnregistrees(int n) {
  return n > 1 ? QStringLiteral("%1 parties n'ont pas pu être enregistrées").arg(n)
               : QStringLiteral("%1 partie n'a pas pu être enregistrée").arg(n);
}

}  // namespace

AvisHistorique AvisFermeture(int enAttente, const QString& raison, const Garde& garde, const QString& reserve) {
  const QString debut = PartiesNonEnregistrees(enAttente) + QStringLiteral(" dans l'historique : %1.\r").arg(raison);
  if (garde.gardees == enAttente) {
    return AvisHistorique{TypeMessage::Avertissement,
                          debut + (enAttente > 1 ? QStringLiteral("Elles sont gardées dans « %1 » et seront enregistrées "
                                                                  "au prochain lancement de Tolvan.")
                                                 : QStringLiteral("Elle est gardée dans « %1 » et sera enregistrée "
                                                                  "au prochain lancement de Tolvan."))
                                       .arg(reserve)};
  }
  const int perdues = enAttente - garde.gardees;
  QString suite = (perdues > 1 ? QStringLiteral("%1 ne peuvent pas non plus être gardées dans « %2 » (%3) : elles sont perdues.")
                               : QStringLiteral("%1 ne peut pas non plus être gardée dans « %2 » (%3) : elle est perdue."))
                      .arg(perdues)
                      .arg(reserve, garde.raison);
  if (garde.gardees > 0) {
    suite += QStringLiteral("\r") + (garde.gardees > 1 ? QStringLiteral("Les %1 autres seront enregistrées au prochain lancement.")
                                                       : QStringLiteral("L'autre sera enregistrée au prochain lancement."))
                                        .arg(garde.gardees);
  }
  return AvisHistorique{TypeMessage::Erreur, debut + suite};
}

AvisHistorique AvisReprise(const QString& erreur, const QString& reserve) {
  return AvisHistorique{TypeMessage::Avertissement,
                        QStringLiteral("Les parties gardées à la dernière fermeture (%1) ne peuvent pas être reprises : %2")
                            .arg(reserve, erreur)};
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
