#include "Journal.h"

#include "FichierTexte.h"
#include "OperationFichier.h"
#include "engine/Difficulte.h"
#include "game/LigneDePartage.h"

namespace tolvan {

namespace {

const DialogueFichier SDcsv{QStringLiteral("Exporter mes parties"), QStringLiteral("Fichiers CSV|*.csv"),
                            QStringLiteral("csv")};

Date DateDe(QDate jour) {
  return Date{std::chrono::year(jour.year()), std::chrono::month(static_cast<unsigned>(jour.month())),
              std::chrono::day(static_cast<unsigned>(jour.day()))};
}

QDate DateQt(const Date& date) {
  return QDate(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
               static_cast<int>(static_cast<unsigned>(date.day())));
}

}  // namespace

void Journal::DonneTirageDuJour(Solveur& solveur) {
  const Date date = DateDe(services_.Maintenant().date());
  TireDuJour(solveur, date);
  jour_ = TirageDuJourDonne{date, solveur.Tirage, MarqueDifficulte(solveur)};
}

void Journal::CopieResultat() {
  if (!ligneDePartage_.isEmpty()) services_.CopieTexte(ligneDePartage_);
}

bool Journal::JourDejaJoue(QDate jour) const { return joursFinis_.contains(jour) || historique_.JourJoue(jour); }

void Journal::Enregistre(PartieJouee partie) {
  partie.fin = services_.Maintenant();
  if (partie.mode == ModePartie::Jour && jour_) {
    partie.difficulte = jour_->difficulte;
    partie.jour = DateQt(jour_->date);
    partie.rejouee = JourDejaJoue(partie.jour);
    joursFinis_.insert(partie.jour);
    ligneDePartage_ = QString::fromStdString(tolvan::LigneDePartage(
        {jour_->date, partie.trouve, partie.secondes, partie.lignes, partie.indices, partie.difficulte, partie.rejouee}));
  }
  if (!historique_.EstOuvert()) return;
  QString erreur;
  if (historique_.Enregistre(partie, &erreur)) return;
  // Said once: the games that follow are not recorded either.
  historique_.Ferme();
  services_.Message(TypeMessage::Erreur,
                    QStringLiteral("La partie n'a pas pu être enregistrée dans l'historique : %1\r"
                                   "Le jeu continue sans enregistrer les parties.").arg(erreur),
                    BoutonsMessage::Ok);
}

void Journal::Ouvre() {
  const Historique::Ouverture ouverture = historique_.Ouvre(services_.FichierHistorique());
  switch (ouverture.etat) {
    case Historique::Ouverture::Ouvert: return;
    case Historique::Ouverture::MisDeCote:
      services_.Message(TypeMessage::Avertissement,
                        QStringLiteral("L'historique des parties était endommagé (%1).\rIl a été mis de côté sous le "
                                       "nom « %2 » et un nouvel historique commence.")
                            .arg(ouverture.detail, ouverture.misDeCote),
                        BoutonsMessage::Ok);
      return;
    case Historique::Ouverture::Impossible:
      services_.Message(TypeMessage::Erreur,
                        QStringLiteral("L'historique des parties (%1) ne peut pas être ouvert : %2\r"
                                       "Le jeu continue sans enregistrer les parties.")
                            .arg(historique_.Chemin(), ouverture.detail),
                        BoutonsMessage::Ok);
      return;
  }
}

BilanParties Journal::Bilan() const { return historique_.Bilan(services_.Maintenant().date()); }

void Journal::Exporte(const TextesMessages& textes) {
  const std::optional<QString> chemin = services_.FichierASauver(SDcsv);
  if (!chemin) return;
  const QStringList lignes = historique_.LignesCsv();
  AvecReessai(QuestionReessai(textes.MsgErreurOuverture, textes), services_, textes,
              [&] { return IssueEcriture(EcritFichierTexte(*chemin, lignes)); });
}

}  // namespace tolvan
