// libFuzzer target for what "Ma cote" reads from outside: the games of
// `tolvan-solve --cote`, one a line, and a draw's summary of efforts as the
// history keeps it. Whatever the bytes, reading never crashes; every game
// accepted is within the game's numbers and its clock, and reads back the
// same once written; a summary accepted is written back to the very same
// text, and gives chances from 0 to 1 and a rating on the scale.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "game/Cote.h"
#include "game/LoiDuRegard.h"
#include "game/PartieEnLigne.h"

namespace {

using namespace tolvan;

// Aborts, naming the property broken, so that libFuzzer keeps the input.
void Exige(bool condition, int ligne = __builtin_LINE()) {
  if (condition) return;
  std::fprintf(stderr, "FuzzCote.cpp:%d: property broken\n", ligne);
  std::abort();
}

void VerifiePartie(std::string_view ligne) {
  const std::optional<PartieEnLigne> partie = LitPartieEnLigne(ligne);
  if (!partie) return;
  for (const longint n : partie->tirage.Nombres) Exige(n >= 0 && n <= 999);
  Exige(partie->tirage.Resultat >= 0 && partie->tirage.Resultat <= 9999);
  Exige(partie->secondesDonnees >= SecondesDonneesMin && partie->secondesDonnees <= SecondesDonneesMax);
  Exige(partie->secondes >= 0 && partie->secondes <= partie->secondesDonnees);
  const std::optional<PartieEnLigne> relue = LitPartieEnLigne(TextePartieEnLigne(*partie));
  Exige(relue.has_value());
  Exige(relue->tirage == partie->tirage && relue->secondesDonnees == partie->secondesDonnees &&
        relue->trouvee == partie->trouvee && relue->secondes == partie->secondes);
}

void VerifieResume(std::string_view texte, bool trouvee, double secondes) {
  const std::optional<ResumeEfforts> resume = ResumeEfforts::Lit(texte);
  if (!resume) return;
  Exige(resume->Texte() == texte);
  for (const double force : {1.0, 2.7, 5.0}) {
    const double chance = ChanceDeTrouver(*resume, ProfilContinu(force), 40);
    Exige(chance >= 0 && chance <= 1);
  }
  Cote cote;
  cote.Ajoute({*resume, 40, trouvee, secondes, std::nullopt});
  Exige(cote.Moyenne() >= 1 && cote.Moyenne() <= 5 && std::isfinite(cote.Ecart()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
  for (std::size_t debut = 0; debut <= texte.size();) {
    const std::size_t fin = std::min(texte.find('\n', debut), texte.size());
    VerifiePartie(texte.substr(debut, fin - debut));
    debut = fin + 1;
  }
  VerifieResume(texte, taille % 2 == 1, static_cast<double>(taille % 41));
  return 0;
}
