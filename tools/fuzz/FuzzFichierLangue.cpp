// libFuzzer target for language files: whatever the bytes, reading never
// crashes; a file is refused exactly when it is empty or holds a control
// byte other than a line end or a final Ctrl-Z, and a file read gives its
// lines as text, at most as many as a language file has.
#include <algorithm>
#include <cstdint>

#include "FichierLangue.h"
#include "LignesLangue.h"
#include "SoutienFuzz.h"
#include "library/TexteWindows.h"

using namespace tolvan;
using namespace tolvan::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  DemarreQt();
  static Fichiers fichiers;
  fichiers.Efface();
  const QByteArray contenu(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
  const std::string_view octets(contenu.constData(), static_cast<std::size_t>(contenu.size()));
  const std::vector<std::string> lignes = DecoupeLignes(octets);

  const LectureLangue lecture = LitFichierLangue(fichiers.Nouveau(contenu, ".tvl"));
  const std::size_t ctrlZ = octets.find('\x1a');
  const bool suite = ctrlZ != std::string_view::npos && ctrlZ + 1 < octets.size();
  const bool binaire = suite || std::any_of(lignes.begin(), lignes.end(), [](const std::string& l) {
                         return LigneBinaire(l);
                       });
  Exige(lecture.etat == (lignes.empty() || binaire ? LectureLangue::Refusee : LectureLangue::Lue));
  if (lecture.etat != LectureLangue::Lue) {
    Exige(lecture.lignes.isEmpty() && !lecture.raison.isEmpty());
    return 0;
  }
  Exige(lecture.lignes.size() == std::min<qsizetype>(NbLignesFichierLangue, static_cast<qsizetype>(lignes.size())));
  for (qsizetype i = 0; i < lecture.lignes.size(); ++i) {
    Exige(lecture.lignes[i] == QString::fromStdString(Utf8DepuisWindows1252(lignes[static_cast<std::size_t>(i)])));
    Exige(std::none_of(lecture.lignes[i].begin(), lecture.lignes[i].end(),
                       [](QChar c) { return (c.unicode() < 0x20 && c != QLatin1Char('\n')) || c.unicode() == 0x7F; }));
  }
  return 0;
}
