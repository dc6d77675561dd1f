// The player's options, one field each. The game reads them here and only
// here; the check boxes of the "Options" page mirror them. Most are kept
// from one run to the next in the settings store.
#pragma once

#include <array>

#include <QString>

#include "Reglages.h"
#include "game/Evenement.h"

namespace tolvan {

// "Tirages quelconques", "Réalisables uniquement", "Au hasard dans la liste".
enum class GenreTirage { Quelconque, Realisables, Fichier };

struct Options {
  bool solutionsAuto = false;    // "Calculer Automatiquement les solutions"
  bool resultatsAuto = true;     // "Calcul automatique des résultats"
  bool voirNbSolutions = false;  // "Voir le nombre de solutions"
  bool premiers = false;         // "Résultats premiers uniquement"
  bool fous = false;             // "Tirages Fous !"
  int temps = 0;                 // the choice of "Temps :"; -1 when none is
  GenreTirage genre = GenreTirage::Quelconque;
  // The mark random draws keep to, 1 to 5; 0 for any ("toutes").
  int difficulte = 0;
  // "Coach : dire si le compte est encore possible", in training.
  bool coach = false;
  // "Voir ma cote": the player's rating on the game page and in summaries.
  bool voirCote = true;
  std::array<bool, NbEvenements> sons{true, true, true, true, true, true, true};
  // The files chosen last, kept with the options.
  QString fichierLangue;
  QString fichierSon;

  bool SonActif(Evenement evenement) const { return sons[static_cast<std::size_t>(evenement)]; }
  // A mark 5 draw has no exact solution: it is never a solvable one, so the
  // two can't be asked for together.
  bool DifficultePossible(int marque) const { return !(marque == 5 && genre == GenreTirage::Realisables); }
  bool GenrePossible(GenreTirage choix) const { return !(choix == GenreTirage::Realisables && difficulte == 5); }
  friend bool operator==(const Options&, const Options&) = default;
};

// The options as the settings store keeps them, every value given.
ValeursReglages ValeursDesOptions(const Options& options);

}  // namespace tolvan
