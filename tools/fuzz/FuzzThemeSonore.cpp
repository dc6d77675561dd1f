// libFuzzer target for sound themes: whatever the bytes, reading never
// crashes and asks nothing; the seven names are the file's first seven
// lines (empty past its end), and a theme saved reads back the same.
#include <cstdint>

#include "SoutienFuzz.h"
#include "ThemeSonore.h"
#include "library/TexteWindows.h"

namespace {

using namespace tolvan;
using namespace tolvan::fuzz;

std::array<QString, NbEvenements> Noms(const SonsDuJeu& sons) { return sons.noms; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  DemarreQt();
  static Fichiers fichiers;
  fichiers.Efface();
  const QByteArray contenu(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
  const std::vector<std::string> lignes = DecoupeLignes(std::string_view(contenu.constData(), contenu.size()));

  PlateformeMuette plateforme;
  const TextesMessages textes;
  SonsDuJeu sons;
  ChargeTheme(fichiers.Nouveau(contenu, ".son"), sons, plateforme, textes);
  Exige(plateforme.messages == 0);
  const auto noms = Noms(sons);
  for (std::size_t i = 0; i < noms.size(); ++i) {
    const std::string attendu = i < lignes.size() ? Utf8DepuisWindows1252(lignes[i]) : std::string();
    Exige(noms[i] == QString::fromStdString(attendu));
  }

  const QString sauve = fichiers.Chemin(".son");
  SauveTheme(sauve, sons, plateforme, textes);
  SonsDuJeu relus;
  relus[Evenement::Click] = QStringLiteral("pas relu");
  ChargeTheme(sauve, relus, plateforme, textes);
  Exige(plateforme.messages == 0);
  Exige(Noms(relus) == noms);
  return 0;
}
