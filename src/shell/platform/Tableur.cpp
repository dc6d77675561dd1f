#include "Tableur.h"

namespace tolvan {

namespace {

// LibreOffice's text import: fields separated by TAB (9), text quoted by
// '"' (34), the Windows-1252 character set (1), from line 1.
const QString FiltreTirages = QStringLiteral("--infilter=Text - txt - csv (StarCalc):9,34,1,1");

}  // namespace

std::optional<CommandeProgramme> CommandeTableur(const QString& chemin,
                                                 const std::function<bool(const QString&)>& existe) {
  if (existe(QStringLiteral("excel"))) return CommandeProgramme{QStringLiteral("excel"), {QStringLiteral("/e"), chemin}};
  if (existe(QStringLiteral("localc"))) return CommandeProgramme{QStringLiteral("localc"), {FiltreTirages, chemin}};
  if (existe(QStringLiteral("libreoffice"))) {
    return CommandeProgramme{QStringLiteral("libreoffice"), {QStringLiteral("--calc"), FiltreTirages, chemin}};
  }
  return std::nullopt;
}

}  // namespace tolvan
