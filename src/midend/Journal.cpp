#include "Journal.h"

#include <algorithm>
#include <limits>

#include "Dates.h"
#include "MessagesHistorique.h"
#include "ReserveHistorique.h"
#include "engine/Difficulte.h"
#include "game/LigneDePartage.h"

namespace tolvan {

namespace {

const DialogueFichier SDcsv{QStringLiteral("Exporter mes parties"), QStringLiteral("Fichiers CSV|*.csv"),
                            QStringLiteral("csv")};

}  // namespace

void Journal::DonneTirageDuJour(Solveur& solveur) {
  const Date date = DateDe(services_.Maintenant().date());
  TireDuJour(solveur, date);
  jour_ = TirageDuJourDonne{date, solveur.Tirage, MarqueDifficulte(solveur)};
}

bool Journal::CopieResultat() {
  if (ligneDePartage_.isEmpty()) return false;
  services_.CopieTexte(ligneDePartage_);
  return true;
}

bool Journal::JourDejaJoue(QDate jour) const { return joursFinis_.contains(jour) || historique_.JourJoue(jour); }

std::optional<NoteDeCote> Journal::Enregistre(PartieJouee partie, const PhrasesPartage& mots) {
  partie.fin = services_.Maintenant();
  if (partie.mode == ModePartie::Jour && jour_) {
    partie.difficulte = jour_->difficulte;
    partie.jour = DateQt(jour_->date);
    partie.rejouee = JourDejaJoue(partie.jour);
    rejoueeDuJour_ = partie.rejouee;
    joursFinis_.insert(partie.jour);
    ligneDePartage_ = QString::fromStdString(tolvan::LigneDePartage(
        {jour_->date, partie.trouve, partie.secondes, partie.lignes, partie.indices, partie.difficulte, partie.rejouee,
         partie.solutionsVues},
        mots));
  }
  cote_.Note(partie);
  if (!historique_.EstOuvert()) return partie.note;
  QString erreur;
  historique_.Enregistre(partie, &erreur);
  // Said once while games wait (a read-only file was said at its opening).
  if (erreur.isEmpty() || historique_.EnAttente() != 1 || historique_.EnLectureSeule()) return partie.note;
  services_.Message(TypeMessage::Erreur,
                    QStringLiteral("La partie n'a pas pu être enregistrée dans l'historique : %1\r"
                                   "Elle est gardée et sera enregistrée à la fin d'une prochaine partie.").arg(erreur),
                    BoutonsMessage::Ok);
  return partie.note;
}

void Journal::Ouvre(Solveur& solveur) {
  const QString chemin = services_.FichierHistorique();
  if (const auto avis = AvisOuverture(historique_.Ouvre(chemin), chemin)) {
    services_.Message(avis->type, avis->texte, BoutonsMessage::Ok);
  }
  if (historique_.EstOuvert()) ReprendPartiesGardees(chemin);
  std::vector<PartieJouee> parties = historique_.Dernieres(std::numeric_limits<int>::max());
  std::reverse(parties.begin(), parties.end());
  std::vector<bool> sansEfforts;
  for (const PartieJouee& partie : parties) sansEfforts.push_back(partie.efforts.isEmpty());
  cote_.Reconstruit(parties, solveur);
  // The efforts worked out now are kept, so that the next start searches nothing.
  std::vector<PartieJouee> completees;
  for (std::size_t i = 0; i < parties.size(); ++i) {
    if (sansEfforts[i] && !parties[i].efforts.isEmpty()) completees.push_back(parties[i]);
  }
  historique_.CompleteEfforts(completees);
}

void Journal::ReprendPartiesGardees(const QString& chemin) {
  const Reprise reprise = ReprendParties(chemin);
  if (!reprise.erreur.isEmpty()) {
    const AvisHistorique avis = AvisReprise(reprise.erreur, CheminReserve(chemin));
    services_.Message(avis.type, avis.texte, BoutonsMessage::Ok);
  }
  historique_.AjouteEnAttente(reprise.parties);
}

void Journal::Ferme() {
  if (!historique_.EstOuvert()) return;
  historique_.Ferme();
  const int enAttente = historique_.EnAttente();
  if (enAttente == 0) return;
  std::vector<PartieJouee> parties = historique_.Dernieres(enAttente);
  std::reverse(parties.begin(), parties.end());
  const QString reserve = CheminReserve(historique_.Chemin());
  const Garde garde = GardeParties(historique_.Chemin(), parties);
  const AvisHistorique avis = AvisFermeture(enAttente, historique_.RaisonEnAttente(), garde, reserve);
  services_.Message(avis.type, avis.texte, BoutonsMessage::Ok);
}

std::vector<PartieJouee> Journal::Dernieres(int nombre, QString* erreur) const {
  std::vector<PartieJouee> parties = historique_.Dernieres(nombre, erreur);
  std::erase_if(parties, [](const PartieJouee& p) { return p.mode == ModePartie::DuelAutreJoueur; });
  return parties;
}

BilanParties Journal::Bilan() const { return historique_.Bilan(services_.Maintenant().date()); }

std::optional<QString> Journal::Exporte(const TextesMessages& textes) {
  DialogueFichier dialogue = SDcsv;
  dialogue.nom = QStringLiteral("mes-parties-%1.csv").arg(services_.Maintenant().date().toString(Qt::ISODate));
  const std::optional<QString> chemin = services_.FichierASauver(dialogue);
  if (!chemin || !ExporteParties(historique_, *chemin, services_, textes)) return std::nullopt;
  return chemin;
}

}  // namespace tolvan
