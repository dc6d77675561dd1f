// libFuzzer target for draws files: whatever the bytes, reading never
// crashes, the lines come out the same whether the file is read in small
// pieces or whole, and every row accepted is well formed: nine whole
// numbers, "OUI" or "NON", a solution without TAB, and it reads back the
// same once written.
#include <cstdint>
#include <cstdlib>
#include <sstream>

#include "library/FichierTirages.h"
#include "library/TexteWindows.h"

namespace {

using namespace tolvan;

void Exige(bool condition) {
  if (!condition) std::abort();
}

bool Chiffres(const std::string& texte) {
  if (texte.empty()) return false;
  for (const char c : texte) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

void VerifieRangee(const RangeeTirage& rangee) {
  for (int i = 0; i <= CelluleEtape; ++i) Exige(Chiffres(rangee.cellules[static_cast<std::size_t>(i)]));
  TirageDeRangee(rangee);  // throws, and so aborts, on a number that does not fit
  const std::string& marque = rangee.cellules[CelluleTrouve];
  Exige(marque == Trouve || marque == PasTrouve);
  Exige(rangee.cellules[CelluleSolution].find('\t') == std::string::npos);
  const std::optional<RangeeTirage> relue = TXT_to_LVitem(Windows1252DepuisUtf8(LigneTirage(rangee)));
  Exige(relue.has_value() && *relue == rangee);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  if (taille == 0) return 0;
  const std::size_t morceau = 1 + donnees[0] % 7;
  const std::string contenu(reinterpret_cast<const char*>(donnees) + 1, taille - 1);
  const std::vector<std::string> lignes = DecoupeLignes(contenu, FinsDeLigneTirages);

  LecteurLignes lecteur(LecteurLignes::OctetsMaxParDefaut, morceau, FinsDeLigneTirages);
  lecteur.LitDepuis(std::make_unique<std::istringstream>(contenu));
  std::vector<std::string> lues;
  while (std::optional<std::string> ligne = lecteur.Suivante()) lues.push_back(*ligne);
  Exige(lues == lignes);

  for (const std::string& ligne : lignes) {
    if (const std::optional<RangeeTirage> rangee = TXT_to_LVitem(ligne)) VerifieRangee(*rangee);
  }
  return 0;
}
