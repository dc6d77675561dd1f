// The arbiter's desk as a part of the game: the lines gathered from the
// players' files, the clipboard and the paper sheets typed on a grid, the
// desk's choices (the code, the groups, the exceptional scale, the line
// kept for a name), and the ranking made from them all (competition/
// Classement.h), printed, exported and copied. It owns the desk's state;
// the window only shows it and hands over what is typed.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "Services.h"
#include "TextesMessages.h"
#include "competition/Classement.h"
#include "competition/TiragesDuCode.h"

namespace tolvan {

class Arbitrage {
 public:
  Arbitrage(Services& services, const TextesMessages& textes);

  // --- gathering: each file read again replaces what it gave before ---
  // Files the arbiter picks, several at once.
  void OuvreFichiers();
  // Every file of a folder the arbiter picks.
  void OuvreDossier();
  void LitFichiers(const QStringList& chemins);
  // The clipboard's text, as one more source.
  void Colle();
  // Everything gathered and typed goes, once the arbiter confirms.
  void ToutEfface();

  // --- the desk's choices ---
  // The ranking's code, typed; empty, the code the most lines carry. False,
  // and the arbiter is told why, when it cannot be read.
  bool ChoisitCode(const QString& texte);
  // The ranking's code, typed or found in the lines; empty when none.
  QString Code() const;
  bool CodeChoisi() const { return codeChoisi_.has_value(); }
  int Tirages() const { return classement_.code ? classement_.code->Tirages() : 0; }
  // "7 50 1 5 75 25 → 321": the ranking code's draw `tirage`, from 1.
  QString TexteDuTirage(int tirage) const;
  void ChoisitTailleGroupes(int taille);
  int TailleGroupes() const { return regles_.tailleGroupes; }
  void ChoisitApprocheSalle(bool salle);
  bool ApprocheSalle() const { return regles_.approcheSalle; }
  // The row `avis` of TableauAvis is a line the arbiter may keep for its
  // name; keeping it refuses the name's other lines.
  bool PeutGarder(int avis) const;
  void Garde(int avis);

  // --- the paper sheets: a row a player (column 0 the name, then each
  // draw's result), and an empty row after them for the next ---
  int RangeesSaisie() const { return static_cast<int>(papier_.size()) + 1; }
  QString TexteSaisi(int rangee, int colonne) const;
  // What was typed in a cell; returns what it says at once: a result's
  // check ("412 : à 4 de 416, 6 points"), or why it is not a number, in
  // which case the cell keeps what it had.
  QString Saisit(int rangee, int colonne, const QString& texte);
  // "Anne, tirage 2", for a draw's cell.
  QString NomCase(int rangee, int colonne) const;
  // The check of a cell's result; nothing without one.
  std::optional<ControleTirage::Verdict> VerdictCase(int rangee, int colonne) const;
  QString TexteVerdictCase(int rangee, int colonne) const;

  // --- what the desk shows, in the words of the moment ---
  const Classement& classement() const { return classement_; }
  // The column titles first.
  std::vector<QStringList> TableauClassement() const;
  // Place, kind, reason: the refusals, then the alerts.
  std::vector<QStringList> TableauAvis() const;
  // The head-to-head sheet, or why there is none.
  QStringList FaceAFace() const;
  // "Classés : 12, refusées : 1, alertes : 3".
  QString Bilan() const;
  // The language changed: the reasons are said again in its words.
  void Actualise() { Reclasse(); }

  // --- out: through the print dialog, a file the arbiter picks, the clipboard ---
  void ImprimeClassement();
  // Each player's sheet on a page of its own.
  void ImprimeFeuilles();
  void Exporte();
  // The ranking's table, one row a line, its cells separated by tabs, as
  // a spreadsheet pastes it.
  void CopieClassement();

 private:
  struct FeuillePapier {
    QString nom;
    std::array<std::optional<longint>, CodeSerie::TiragesMax> resultats{};
    bool Vide() const;
  };

  void Reclasse();
  std::vector<EntreeClub> EntreesDuPapier() const;
  // The name a file's lines are known by: its name, or its path when
  // another file of that name was gathered.
  std::string Source(const QString& chemin);
  const std::vector<Corrige>& Corriges();
  // A player's sheet as printed: as a player's own, with the rank and group.
  QStringList FeuilleDe(const JoueurClasse& joueur, const std::vector<Corrige>& corriges) const;

  Services& services_;
  const TextesMessages& textes_;
  Rassemblement rassemblement_;
  std::vector<std::pair<QString, std::string>> sources_;  // each file's path and its name here
  int collages_ = 0;
  std::optional<CodeSerie> codeChoisi_;
  ReglesClassement regles_;
  std::vector<FeuillePapier> papier_;
  std::string motSaisie_;  // what the paper sheets' place was called at the last ranking
  mutable ControlesParCode controles_;  // the checks of the ranking's code, worked out once
  std::optional<std::pair<CodeSerie, std::vector<Corrige>>> corriges_;  // the key, for the sheets
  Classement classement_;
};

}  // namespace tolvan
