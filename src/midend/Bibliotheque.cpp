// The draws list of the "Tirages" page: its files, printing, the
// spreadsheet and generated series.
#include "Bibliotheque.h"

#include <algorithm>

#include <QDir>

#include "Chemins.h"
#include "FichierTexte.h"
#include "OperationFichier.h"
#include "RaisonEchec.h"
#include "library/FichierTirages.h"
#include "library/GenerationSerie.h"
#include "library/RangeeTirage.h"
#include "VueJeu.h"

namespace tolvan {

namespace {

const DialogueFichier ODtirage{QStringLiteral("Ouverture d'un fichier de tirages"),
                               QStringLiteral("Fichiers Tirage *.tir|*.tir"), {}};
const DialogueFichier SDtirage{QStringLiteral("Sauvegarde d'un fichier de tirages"),
                               QStringLiteral("Fichiers Tirage|*.tir"), QStringLiteral("tir")};

// Malformed lines shown one box each; the others are counted in one box.
constexpr int ConversionsMontrees = 3;

}  // namespace

void Bibliotheque::MontreListePleine() {
  services_.Message(TypeMessage::Avertissement, QString::fromUtf8(MessageListePleine), BoutonsMessage::Ok);
}

bool Bibliotheque::LitTirages(const QString& chemin) {
  return AvecReessai(chemin, services_, textes_, [&]() -> Tentative {
    int malformees = 0;
    int lignesLues = 0;
    vue_.DebutTravail(0);
    const SuiviLecture suivi{
        [this](RangeeTirage rangee) { return tirages_.AjouteLue(std::move(rangee)) >= 0; },
        [&](std::string_view ligne) {
          if (++malformees <= ConversionsMontrees) {
            services_.Message(TypeMessage::Erreur, QString::fromStdString(MessageConversion(ligne)),
                              BoutonsMessage::Ok);
          }
        },
        [&] { vue_.Avance(++lignesLues); }};
    const IssueLecture issue = tolvan::LitTirages(chemin.toStdString(), suivi);
    vue_.FinTravail();
    if (malformees > ConversionsMontrees) {
      services_.Message(TypeMessage::Erreur,
                        QString::fromStdString(MessageConversions(malformees - ConversionsMontrees)),
                        BoutonsMessage::Ok);
    }
    switch (issue) {
      case IssueLecture::OuvertureImpossible: return {IssueFichier::OuvertureImpossible, RaisonLecture(chemin)};
      case IssueLecture::LectureImpossible: return IssueFichier::LectureImpossible;
      case IssueLecture::ListePleine: MontreListePleine(); break;
      case IssueLecture::TropVolumineux:
        services_.Message(TypeMessage::Avertissement, QString::fromUtf8(MessageTropVolumineux), BoutonsMessage::Ok);
        break;
      case IssueLecture::Lu: break;
    }
    return IssueFichier::Reussie;
  });
}

bool Bibliotheque::EcritTirages(const QString& chemin) {
  const QByteArray contenu = QByteArray::fromStdString(OctetsFichierTirages(tirages_.Rangees()));
  const bool ecrit =
      AvecReessai(chemin, services_, textes_, [&] { return IssueEcriture(EcritFichierOctets(chemin, contenu)); });
  if (ecrit) tirages_.MarqueSauvee();
  return ecrit;
}

void Bibliotheque::Ouvre() {
  const std::optional<QString> chemin = services_.FichierAOuvrir(ODtirage);
  if (!chemin) return;
  // The file's rows stay in its order.
  tirages_.Classe(false);
  if (LitTirages(*chemin)) fichierListe_ = *chemin;
}

std::optional<QString> Bibliotheque::ChoisitFichierListe() {
  // An empty list is nothing to keep.
  if (tirages_.NbLignes() == 0) return std::nullopt;
  return services_.FichierASauver(SDtirage);
}

void Bibliotheque::Sauve() {
  if (const std::optional<QString> chemin = ChoisitFichierListe()) EcritTirages(*chemin);
}

void Bibliotheque::Exporte() {
  const std::optional<QString> chemin = ChoisitFichierListe();
  if (!chemin || !EcritTirages(*chemin) || services_.OuvreTableur(*chemin)) return;
  // Nothing opened it: the player learns where the list is, to open it himself.
  services_.Message(TypeMessage::Information,
                    QStringLiteral("Aucun tableur n'a pu ouvrir la liste des tirages.\rElle est enregistrée dans :\r") +
                        QDir::toNativeSeparators(*chemin),
                    BoutonsMessage::Ok);
}

bool Bibliotheque::LaisseLaListe() {
  if (!tirages_.ChangeeDepuisSauvegarde()) return true;
  switch (services_.Message(TypeMessage::Confirmation, QStringLiteral("Sauvegarder la liste des tirages ?"),
                            BoutonsMessage::OuiNonAnnuler)) {
    case Reponse::Non: return true;
    case Reponse::Oui: {
      // Saved as "Sauvegarder" saves it; a save given up or failed keeps the list.
      const std::optional<QString> chemin = services_.FichierASauver(SDtirage);
      return chemin && EcritTirages(*chemin);
    }
    default: return false;
  }
}

void Bibliotheque::Imprime() {
  QStringList lignes;
  for (const RangeeTirage& rangee : tirages_.Rangees()) lignes.append(QString::fromStdString(LigneTirage(rangee)));
  ImprimeLignes(services_, textes_, QStringLiteral("Tolvan"), lignes);
}

void Bibliotheque::EffaceTout() {
  if (services_.Message(TypeMessage::Information, textes_.MsgToutEffacer, BoutonsMessage::OuiNon) == Reponse::Oui) {
    tirages_.EffaceTout();
  }
}

void Bibliotheque::CopieLigne(int ligne) {
  if (ligne >= 0) services_.CopieTexte(QString::fromStdString(LigneTirage(tirages_.Rangee(ligne))));
}

void Bibliotheque::Calcule(int ligne, Solveur& solveur) {
  solveur.ChangeTirage(TirageDeRangee(tirages_.Rangee(ligne)));
  solveur.ChercheSol(solveur.IndiceSimple);
  tirages_.EcritSolution(ligne, solveur.NbSolutions, solveur.NbEtapesMin, solveur.TexteSimple);
}

void Bibliotheque::GenereSerie(int nombre, Solveur& solveur) {
  // The generated rows stay in the order they come.
  tirages_.Classe(false);
  arretDemande_ = false;
  if (nombre <= 0) return;
  generationEnCours_ = true;
  vue_.DebutTravail(nombre);
  const Hasard hasard = [this](int n) { return services_.Aleatoire(n); };
  for (int i = 1; i <= nombre && !arretDemande_ && !tirages_.EstPleine(); ++i) {
    // A draw that fails is left out, and the series goes on.
    try {
      tirages_.Ajoute(TirageDeSerie(solveur, hasard));
    } catch (...) {
      services_.Message(TypeMessage::Erreur, QStringLiteral("BUG ! \rPROCEDURE TIR_to_LV;"), BoutonsMessage::Ok);
    }
    vue_.Avance(i);
  }
  arretDemande_ = false;
  generationEnCours_ = false;
  vue_.FinTravail();
  if (tirages_.EstPleine()) MontreListePleine();
}

std::optional<int> Bibliotheque::LigneAuHasard() {
  if (tirages_.NbLignes() == 0) return std::nullopt;
  return services_.Aleatoire(tirages_.NbLignes());
}

void Bibliotheque::AjouteTirageJoue(const Solveur& s) {
  if (tirages_.EstPleine()) {
    // The draw has no row of its own: a win marks none, not the last game's.
    tirages_.DefinitLigneCourante(-1);
    MontreListePleine();
    return;
  }
  tirages_.DefinitLigneCourante(tirages_.Ajoute(RangeeDuTirage(s.Tirage, s.NbSolutions, s.NbEtapesMin, s.TexteSimple)));
}

}  // namespace tolvan
