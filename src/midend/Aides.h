// The help around the game on the board, as a part of the game: the
// solutions panel, the hints band with its calculator, the coach and the
// hints by steps, and the mark of a game that ended. It reads the draw's
// solver and the round; whether a help is open is the game's to say (the
// way it is played decides), and it is told so.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QString>

#include "TextesMessages.h"
#include "VueJeu.h"
#include "engine/PanneauSolutions.h"
#include "engine/Solveur.h"
#include "game/Coach.h"
#include "game/Manche.h"
#include "game/MiniCalculatrice.h"

namespace tolvan {

class Aides {
 public:
  Aides(Solveur& solveur, const Manche& manche, const TextesMessages& textes, VueJeu& vue,
        EvenementsSolveur* evenements);

  const LignesPanneau& LignesSolutions() const { return lignesSolutions_; }
  bool SolutionsVisibles() const { return solutionsVisibles_; }
  // The solutions were opened while this game was played: that is help too.
  bool SolutionsVues() const { return solutionsVues_; }
  bool AidesAffichees() const { return aidesAffichees_; }
  const std::string& NombreADecomposer() const { return nombreADecomposer_; }
  const std::string& Decomposition() const { return decomposition_; }
  const std::string& DerniereLigneTrouvee() const { return derniereLigne_; }
  longint OperationDerniereLigne() const { return operDerniereLigne_; }
  const MiniCalculatrice& Calculatrice() const { return calculatrice_; }
  const std::string& TexteCoach() const { return texteCoach_; }
  const std::string& TexteIndice() const { return texteIndice_; }
  int IndicesUtilises() const { return indicesUtilises_; }
  // The mark of the game that just ended; nothing before a game ended.
  std::optional<int> Difficulte() const { return difficultePartie_; }

  // A new draw on the board: what the hints found was about the one before.
  void NouveauTirage();
  // A new game: the board comes back, the coach and the hints start over;
  // the panel's filters stay.
  void NouvellePartie();

  // --- the solutions panel ---
  void MontreSolutions(bool visibles) { solutionsVisibles_ = visibles; }
  void BasculeSolutions();
  void SolutionVoisine(bool suivante);
  void MontreLaPlusSimple();
  void MontreLaPlusTordue();
  // The player's lines, on the solver's draw: the game's draw is put back first.
  void MontreLaMienne();
  void FiltreEtapes(int choix);
  void FiltreOperation(int choix);

  // --- the hints band and the calculator ---
  void MontreAides(bool affichees) { aidesAffichees_ = affichees; }
  void BasculeAides() { aidesAffichees_ = !aidesAffichees_; }
  void ChercheDerniereLigne();
  // An empty field (or one holding no number) stands for the target.
  void Decompose(const std::string& champ);
  void ChoisitOperationDerniereLigne(longint oper);
  void DerniereLigneVoisine(bool suivante);
  void CalculatriceTouche(const QString& texte, MiniCalculatrice::Touche touche);

  // --- the coach and the hints by steps ---
  // The coach was turned on or off: it speaks again at the next line, or
  // at once when `coach` and lines are finished.
  void CoachChange(bool coach);
  // After a press, a typed answer or "Retour": the coach speaks again and
  // the hints start over when the finished lines changed.
  void SuitLesLignes(bool coach);
  // One more step of help from the position on the board; once the
  // ladder's last step is shown, a press neither climbs nor counts.
  void Indice();
  // The game is over, its draw back on the solver: searched once, for its
  // mark, its row of the history and the coach's last word.
  void BilanDeFin(bool gagnee, bool coach);

 private:
  void MontreApresCalcul(const std::function<LignesPanneau()>& lignes);
  void MontreDerniereLigne(const std::optional<std::string>& texte);
  // What the coach and the hints see: the numbers in play.
  Position PositionEnJeu();
  Solveur& SolveurDuCoach();

  Solveur& solveur_;
  const Manche& manche_;
  const TextesMessages& textes_;
  VueJeu& vue_;
  EvenementsSolveur* evenements_;

  LignesPanneau lignesSolutions_;
  bool solutionsVisibles_ = false;
  bool solutionsVues_ = false;
  FiltresSolutions filtres_;
  bool aidesAffichees_ = false;
  std::string nombreADecomposer_;
  std::string decomposition_;
  std::string derniereLigne_;
  longint operDerniereLigne_ = OperAddition;
  MiniCalculatrice calculatrice_;

  // The coach's and the hints' own solver: the draw's stays as it is.
  std::unique_ptr<Solveur> coach_;
  std::string texteCoach_;
  int lignesSuivies_ = 0;  // finished lines when the coach last spoke
  int echelon_ = 0;        // hint steps shown for this position
  std::string texteIndice_;
  int indicesUtilises_ = 0;
  std::optional<int> difficultePartie_;
};

}  // namespace tolvan
