// Which spreadsheet opens a draws file: "excel" when the system has such a
// program, else LibreOffice Calc told how the file is laid out (TABs,
// Windows-1252); with neither, the desktop's own handler for the file.
#pragma once

#include <functional>
#include <optional>

#include <QString>
#include <QStringList>

namespace tolvan {

struct CommandeProgramme {
  QString programme;
  QStringList arguments;
  friend bool operator==(const CommandeProgramme&, const CommandeProgramme&) = default;
};

// `existe` tells whether a program of that name is on the PATH.
std::optional<CommandeProgramme> CommandeTableur(const QString& chemin,
                                                 const std::function<bool(const QString&)>& existe);

}  // namespace tolvan
