// The draw of the day, the line a player shares after it, and the history
// every finished game goes into.
#include "FichierTexte.h"
#include "Jeu.h"
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

void Jeu::JoueTirageDuJour() {
  if (!PeutJouerTirageDuJour()) return;
  SousGarde("Tform1.TirageDuJour;", [this] {
    const Date date = DateDe(services_.Maintenant().date());
    TireDuJour(solveur_, date);
    jour_ = TirageDuJourDonne{date, solveur_.Tirage, MarqueDifficulte(solveur_)};
    PreparePartie();
    EntreDans(duJour_);
    Depart();
    AjouteTirageJoue();
    JoueSon(Evenement::NewGame);
  });
}

void Jeu::CopieResultat() {
  if (!ligneDePartage_.isEmpty()) services_.CopieTexte(ligneDePartage_);
}

int Jeu::MarqueDeLaPartie(ModePartie mode) const {
  if (mode == ModePartie::Jour && jour_) return jour_->difficulte;
  return difficultePartie_.value_or(DifficulteMax);
}

bool Jeu::JourDejaJoue(QDate jour) const { return joursFinis_.contains(jour) || historique_.JourJoue(jour); }

void Jeu::EnregistrePartie(bool trouve, int secondes, int points) {
  PartieJouee partie;
  partie.fin = services_.Maintenant();
  regime_->RemplitLigne(partie);
  const TTirage& tirage = manche_.Tirage();
  for (int i = 1; i <= NbNombres; ++i) partie.nombres[static_cast<std::size_t>(i - 1)] = static_cast<int>(tirage.Nombres[i]);
  partie.resultat = static_cast<int>(tirage.Resultat);
  partie.trouve = trouve;
  partie.secondes = horloge_.TempsRetenu(secondes).value_or(SansTemps);
  partie.lignes = manche_.Tableau().NbLignesFinies();
  partie.indices = IndicesUtilises();
  partie.points = points;
  partie.difficulte = MarqueDeLaPartie(partie.mode);
  if (partie.mode == ModePartie::Jour && jour_) {
    partie.jour = DateQt(jour_->date);
    partie.rejouee = JourDejaJoue(partie.jour);
    joursFinis_.insert(partie.jour);
    ligneDePartage_ = QString::fromStdString(tolvan::LigneDePartage({jour_->date, trouve, secondes, partie.lignes,
                                                             partie.indices, partie.difficulte, partie.rejouee}));
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

void Jeu::OuvreHistorique() {
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

BilanParties Jeu::BilanDesParties() const { return historique_.Bilan(services_.Maintenant().date()); }

void Jeu::ExporteHistorique() {
  const std::optional<QString> chemin = services_.FichierASauver(SDcsv);
  if (!chemin) return;
  const QStringList lignes = historique_.LignesCsv();
  AvecReessai(QuestionReessai(textes_.MsgErreurOuverture, textes_), services_, textes_,
              [&] { return IssueEcriture(EcritFichierTexte(*chemin, lignes)); });
}

}  // namespace tolvan
