// Text for a French spreadsheet: fields separated by semicolons, as
// LibreOffice and Excel read a ".csv" file in France. A field is written
// so that it stays one field and stays text: one holding a semicolon, a
// double quote or a line break is put between double quotes (a quote
// inside doubled), and one that a spreadsheet would take for a formula
// (it begins with =, +, -, @, a tab or a carriage return and is not a plain
// number such as -5 or 3,5) is given an apostrophe first, so that a name
// such as "=1+1" or "@SOMME(A1)" is shown and never computed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvan {

inline constexpr char SeparateurCsv = ';';

std::string ChampCsv(std::string_view texte);
// The fields made safe by ChampCsv, separated by semicolons.
std::string LigneCsv(const std::vector<std::string>& champs);

// What ChampCsv wrote, from one field already cut at its semicolons: the
// double quotes around it taken off (a doubled quote read as one) and the
// apostrophe put before a formula's first character dropped.
std::string TexteDeChampCsv(std::string_view champ);

}  // namespace tolvan
