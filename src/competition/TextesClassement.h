// The ranking in words: the table the desk shows and prints and the
// command writes, the rows of its spreadsheet, and the head-to-head sheet
// of two players. Names are shown as written, never read as markup.
#pragma once

#include <string>
#include <vector>

#include "Classement.h"
#include "PhrasesArbitrage.h"

namespace tolvan {

using Cellules = std::vector<std::vector<std::string>>;

// The column titles (rank, name, total, draws at 10, group), then one row
// a player in ranking order.
Cellules TableauClassement(const Classement& classement, const PhrasesArbitrage& mots = {});

// The ranking as printed: its title, the table in aligned columns (or
// that no line is ranked), then the lines refused and the alerts, each
// with its place.
std::vector<std::string> LignesClassement(const Classement& classement, const PhrasesArbitrage& mots = {});

// The file for a spreadsheet, before its encoding: the titles, then each
// player's rank, group, name, total, draws at 10, each draw's points and
// each draw's result (empty where none is known).
std::vector<std::string> LignesCsvClassement(const Classement& classement, const PhrasesArbitrage& mots = {});

// With exactly two players: each draw with both results, their points and
// who was nearer, then who wins; nothing otherwise. The nearer is the one
// whose result the plates give nearer the target, else the one with more
// points (a line without results has only its points).
std::vector<std::string> LignesFaceAFace(const Classement& classement, const std::vector<ControleTirage>& controles,
                                         const PhrasesArbitrage& mots = {});

}  // namespace tolvan
