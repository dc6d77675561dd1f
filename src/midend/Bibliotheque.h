// The draws list of the "Tirages" page as a part of the game: the list,
// the file it was read from or saved to, printing, the spreadsheet and
// generated series. It knows nothing of the game on the board: the game
// asks it for a row to play and gives it the draws played.
#pragma once

#include <optional>

#include <QList>
#include <QString>

#include "Services.h"
#include "TextesMessages.h"
#include "VueJeu.h"
#include "engine/Solveur.h"
#include "library/ListeTirages.h"

namespace tolvan {

class Bibliotheque {
 public:
  Bibliotheque(Services& services, const TextesMessages& textes, VueJeu& vue)
      : services_(services), textes_(textes), vue_(vue) {}

  const ListeTirages& Modele() const { return tirages_; }
  ListeTirages& Modele() { return tirages_; }
  const QString& Fichier() const { return fichierListe_; }
  bool GenerationEnCours() const { return generationEnCours_; }

  // Appends the draws of a file the player picks.
  void Ouvre();
  // Writes the list to a file the player picks, whole or not at all; then,
  // for the spreadsheet, opens it there.
  void Sauve();
  void Exporte();
  // The list is about to go (a level takes its place, the program ends).
  // Rows changed since it was last saved or read are offered a save first;
  // false when the player would rather keep the list as it is.
  bool LaisseLaListe();
  void Imprime();
  void EffaceTout();
  void CopieLigne(int ligne);
  // Solves the row's draw on `solveur` and writes what it found in the row.
  void Calcule(int ligne, Solveur& solveur);
  // Appends a file's draws; false when it could not be read.
  bool LitTirages(const QString& chemin);

  // A generated series of `nombre` draws (none when 0), made one by one on
  // `solveur`; the list stops being sorted either way.
  void GenereSerie(int nombre, Solveur& solveur);
  void ArreteGeneration() { arretDemande_ = true; }

  // A row to play, any of them; nothing when the list is empty.
  std::optional<int> LigneAuHasard();
  // The draw just dealt on `solveur` gets a row of its own, the current one.
  void AjouteTirageJoue(const Solveur& solveur);

 private:
  bool EcritTirages(const QString& chemin);
  std::optional<QString> ChoisitFichierListe();
  void MontreListePleine();

  Services& services_;
  const TextesMessages& textes_;
  VueJeu& vue_;
  ListeTirages tirages_;
  QString fichierListe_;
  bool generationEnCours_ = false;
  bool arretDemande_ = false;  // "STOP", taken between two draws of a series
};

}  // namespace tolvan
