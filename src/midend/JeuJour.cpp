// The draw of the day, the line a player shares after it, and the history
// every finished game goes into.
#include "FichierTexte.h"
#include "Jeu.h"
#include "MessagesHistorique.h"
#include "engine/Difficulte.h"
#include "game/DureesTemps.h"
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
    // "illimité": the clock shows the time spent, as the shared line does.
    manche_.ChangeLimite(DureesTemps[0], true);
    chronoDuJour_ = true;
    Depart();
    AjouteTirageJoue();
    JoueSon(Evenement::NewGame);
  });
}

void Jeu::QuitteChronoDuJour() {
  if (!chronoDuJour_) return;
  chronoDuJour_ = false;
  if (!serie_.ModeCompetition()) AppliqueLimiteEntrainement();
}

void Jeu::CopieResultat() {
  if (!ligneDePartage_.isEmpty()) services_.CopieTexte(ligneDePartage_);
}

ModePartie Jeu::ModeDeLaPartie() const {
  if (serie_.ModeCompetition()) return ModePartie::Competition;
  if (jour_ && manche_.Tirage() == jour_->tirage) return ModePartie::Jour;
  return ModePartie::Entrainement;
}

int Jeu::MarqueDeLaPartie() const {
  if (ModeDeLaPartie() == ModePartie::Jour) return jour_->difficulte;
  return difficultePartie_.value_or(DifficulteMax);
}

bool Jeu::JourDejaJoue(QDate jour) const { return joursFinis_.contains(jour) || historique_.JourJoue(jour); }

void Jeu::EnregistrePartie(bool trouve, int secondes, int points) {
  PartieJouee partie;
  partie.fin = services_.Maintenant();
  partie.mode = ModeDeLaPartie();
  const TTirage& tirage = manche_.Tirage();
  for (int i = 1; i <= NbNombres; ++i) partie.nombres[static_cast<std::size_t>(i - 1)] = static_cast<int>(tirage.Nombres[i]);
  partie.resultat = static_cast<int>(tirage.Resultat);
  partie.trouve = trouve;
  partie.secondes = secondes;
  partie.lignes = manche_.Tableau().NbLignesFinies();
  partie.indices = IndicesUtilises();
  partie.points = points;
  partie.difficulte = MarqueDeLaPartie();
  if (partie.mode == ModePartie::Jour) {
    partie.jour = DateQt(jour_->date);
    partie.rejouee = JourDejaJoue(partie.jour);
    joursFinis_.insert(partie.jour);
    ligneDePartage_ = QString::fromStdString(tolvan::LigneDePartage({jour_->date, trouve, secondes, partie.lignes,
                                                             partie.indices, partie.difficulte, partie.rejouee}));
  }
  if (!historique_.EstOuvert()) return;
  QString erreur;
  historique_.Enregistre(partie, &erreur);
  // Said once while games wait (a read-only file was said at its opening).
  if (erreur.isEmpty() || historique_.EnAttente() != 1 || historique_.EnLectureSeule()) return;
  services_.Message(TypeMessage::Erreur,
                    QStringLiteral("La partie n'a pas pu être enregistrée dans l'historique : %1\r"
                                   "Elle est gardée et sera enregistrée à la fin d'une prochaine partie.").arg(erreur),
                    BoutonsMessage::Ok);
}

void Jeu::OuvreHistorique() {
  const QString chemin = services_.FichierHistorique();
  if (const auto avis = AvisOuverture(historique_.Ouvre(chemin), chemin)) {
    services_.Message(avis->type, avis->texte, BoutonsMessage::Ok);
  }
}

BilanParties Jeu::BilanDesParties() const { return historique_.Bilan(services_.Maintenant().date()); }

void Jeu::ExporteHistorique() {
  const std::optional<QString> chemin = services_.FichierASauver(SDcsv);
  if (!chemin) return;
  ExporteParties(historique_, *chemin, services_, textes_);
}

}  // namespace tolvan
