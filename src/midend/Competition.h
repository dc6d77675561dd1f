// Competitions as a part of the game: the series, the level read from its
// file with its ten records, and the player's name they are kept under. A
// level brings its draws into the draws list, the one part it reaches.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QString>

#include "Bibliotheque.h"
#include "ServicesDuJeu.h"
#include "TextesMessages.h"
#include "VueJeu.h"
#include "competition/Niveau.h"
#include "competition/Serie.h"

namespace tolvan {

class Competition {
 public:
  // `repertoireProgramme`: where the levels that come with the game lie.
  Competition(ServicesDuJeu& services, const TextesMessages& textes, VueJeu& vue, Bibliotheque& liste,
              QString repertoireProgramme)
      : services_(services), textes_(textes), vue_(vue), liste_(liste),
        repertoireProgramme_(std::move(repertoireProgramme)) {}

  const Serie& serie() const { return serie_; }
  Serie& serie() { return serie_; }
  // The level as its page shows it: its name, its time, its records.
  const Niveau& NiveauAffiche() const { return niveauAffiche_; }
  const QString& FichierNiveau() const { return fichierNiveau_; }
  // A level was read whole: a series can start.
  bool NiveauPret() const { return niveauPret_; }

  // "Changer le level": the level's draws replace the list. One that could
  // not be read whole leaves the one in place as it was.
  void ChangeNiveau();
  // The series is over: the player's name is asked, the total goes among
  // the level's records if it earns a place, and the file is written again.
  void TermineSerie();
  // The player's name, asked with the one last given; that one when the
  // player declines.
  QString NomDuJoueur();

 private:
  // The level file's lines, asking again while it cannot be opened.
  struct LignesLues {
    std::vector<std::string> lignes;
    bool entieres = true;
  };
  std::optional<LignesLues> LignesFichierNiveau(const QString& chemin);
  bool LitNiveauComplet(const QString& chemin, bool avecTirages);
  void MontreNiveau(const LectureNiveau& lecture);
  QString DossierNiveaux();
  bool EcritRecords(const QString& chemin);
  bool RelitRecords(const QString& chemin);

  ServicesDuJeu& services_;
  const TextesMessages& textes_;
  VueJeu& vue_;
  Bibliotheque& liste_;
  const QString repertoireProgramme_;

  Serie serie_;
  Niveau niveau_;         // as read last, records added at the end of a series
  Niveau niveauAffiche_;  // as its page shows it
  QString fichierNiveau_;
  bool niveauPret_ = false;
  QString nomJoueur_;  // the name last given, empty at first
};

}  // namespace tolvan
