#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

#include "library/FichierTirages.h"
#include "library/GenerationSerie.h"
#include "library/TexteWindows.h"

namespace tolvan::test {
namespace {

using Cellules = std::array<std::string, NbCellules>;

std::optional<Cellules> Lue(std::string_view ligne) {
  const std::optional<RangeeTirage> rangee = TXT_to_LVitem(ligne);
  if (!rangee) return std::nullopt;
  return rangee->cellules;
}

TEST(FichierTirages, LinesAreReadAsLenientlyAsEver) {
  const Cellules abc{"512", "3", "7", "8", "25", "50", "100", "2", "3", "OUI", "abc"};
  struct Cas {
    std::string ligne;
    std::optional<Cellules> cellules;
  };
  const std::vector<Cas> cas = {
      {"512\t3\t7\t8\t25\t50\t100\t2\t3\tOUI\tabc\t", abc},
      {"512 3 7 8 25 50 100 2 3 OUI abc", abc},
      {"512\t3\t7\t8\t25\t50\t100\t2\t3\toui\tabc\tdef", abc},
      // The mark is taken as three long, whatever it holds.
      {"512\t3\t7\t8\t25\t50\t100\t2\t3\tX\tabc", Cellules{"512", "3", "7", "8", "25", "50", "100", "2", "3", "NON", "c"}},
      {"512\t3\t7\t8\t25\t50\t100\t2\t3\tNon\t", Cellules{"512", "3", "7", "8", "25", "50", "100", "2", "3", "NON", ""}},
      // Nothing after the numbers: not found, no solution.
      {"512\t3\t7\t8\t25\t50\t100\t2\t3", Cellules{"512", "3", "7", "8", "25", "50", "100", "2", "3", "NON", ""}},
      // Leading zeros stay; a letter inside a number ends it.
      {"0512\t3\t7\t8\t25\t50\t100\t2\t3\tO\t", Cellules{"0512", "3", "7", "8", "25", "50", "100", "2", "3", "OUI", ""}},
      {"5x12\t3\t7\t8\t25\t50\t100\t2\t3\tOUI\t", Cellules{"5", "12", "3", "7", "8", "25", "50", "100", "2", "NON", "I"}},
      {"", std::nullopt},
      {"512\t\t3\t7\t8\t25\t50\t100\t2\t3\tNON\t", std::nullopt},
      {"A512\t3\t7\t8\t25\t50\t100\t2\t3\tNON\t", std::nullopt},
      {"512\t3\t7\t8\t25\t50\t100\t2", std::nullopt},
      {"2147483648\t3\t7\t8\t25\t50\t100\t2\t3\tNON\t", std::nullopt},
      {"2147483647\t3\t7\t8\t25\t50\t100\t2\t3\tNON\t", Cellules{"2147483647", "3", "7", "8", "25", "50", "100", "2", "3", "NON", ""}},
  };
  for (const Cas& c : cas) EXPECT_EQ(Lue(c.ligne), c.cellules) << c.ligne;
  EXPECT_EQ(Lue(std::string(30, '9') + "\t3\t7\t8\t25\t50\t100\t2\t3\tNON\t"), std::nullopt);
  // A line of a million characters is one long solution, nothing worse.
  const std::string longue = "1\t1\t1\t1\t1\t1\t1\t0\t0\tNON\t" + std::string(1'000'000, 'x');
  EXPECT_EQ(Lue(longue)->at(CelluleSolution).size(), 1'000'000u);
  // The solution is Windows-1252 in the file, UTF-8 in the program.
  EXPECT_EQ(Lue("1\t1\t1\t1\t1\t1\t1\t0\t0\tNON\tr\xe9sultat\t")->at(CelluleSolution), "résultat");
}

TEST(FichierTirages, ADrawBecomesARowAndALineAndBack) {
  const TTirage tirage{NombresTirage{{{3, 7, 8, 25, 50, 100}}}, 512};
  RangeeTirage rangee = RangeeDuTirage(tirage, 0, 0, "");
  EXPECT_EQ(LigneTirage(rangee), "512\t3\t7\t8\t25\t50\t100\t0\t0\tNON\t\t");
  EXPECT_EQ(TirageDeRangee(rangee), tirage);
  rangee.cellules[CelluleTrouve] = Trouve;
  EcritSolution(rangee, 269, 3, "100=(6-1)x4x5");
  EXPECT_EQ(LigneTirage(rangee), "512\t3\t7\t8\t25\t50\t100\t269\t3\tOUI\t100=(6-1)x4x5\t");
  rangee.cellules[3] = "huit";
  EXPECT_THROW(TirageDeRangee(rangee), std::invalid_argument);

  // Saved and read back: the same cells; saved again: the same bytes. A
  // line break inside a cell, which would end its line, is saved as a space.
  std::vector<RangeeTirage> rangees{rangee, RangeeDuTirage(tirage, 2, 5, "Pas de solution")};
  rangees[0].cellules[3] = "08";
  rangees[1].cellules[CelluleSolution] = "œ\n€\r";
  const std::string octets = OctetsFichierTirages(rangees);
  std::vector<RangeeTirage> relues;
  for (const std::string& ligne : DecoupeLignes(octets, FinsDeLigneTirages)) relues.push_back(*TXT_to_LVitem(ligne));
  rangees[1].cellules[CelluleSolution] = "œ € ";
  EXPECT_EQ(relues, rangees);
  EXPECT_EQ(OctetsFichierTirages(relues), octets);
}

struct Fichier {
  std::filesystem::path chemin = std::filesystem::temp_directory_path() / "tolvan-test.tir";
  explicit Fichier(const std::string& contenu) { std::ofstream(chemin, std::ios::binary) << contenu; }
  ~Fichier() { std::filesystem::remove(chemin); }
};

struct Lecture {
  std::vector<RangeeTirage> rangees;
  std::vector<std::string> rejetees;
  int lignes = 0;
  std::size_t place;
  IssueLecture issue{};

  explicit Lecture(const std::string& chemin, std::size_t placeMax = 65535) : place(placeMax) {
    issue = LitTirages(chemin, {[this](RangeeTirage r) {
                                  if (rangees.size() >= place) return false;
                                  rangees.push_back(std::move(r));
                                  return true;
                                },
                                [this](std::string_view l) { rejetees.emplace_back(l); }, [this] { ++lignes; }});
  }
};

TEST(FichierTirages, WholeFilesReportTheirBadLinesAndGoOn) {
  {
    Fichier vide("");
    const Lecture l(vide.chemin);
    EXPECT_EQ(l.issue, IssueLecture::Lu);
    EXPECT_TRUE(l.rangees.empty());
    EXPECT_EQ(l.rejetees, std::vector<std::string>{""});  // an empty file is one empty line
  }
  // The same lines ended the Windows way, the Linux way, or both in one file.
  struct Cas {
    const char* systeme;
    std::string fin;
    std::string finAutre;
  };
  for (const Cas& c : std::vector<Cas>{{"Windows", "\r\n", "\r\n"}, {"Linux", "\n", "\n"}, {"mixte", "\n", "\r\n"}}) {
    Fichier fichier("101\t1\t2\t3\t4\t5\t6\t0\t0\tNON\t\t" + c.fin + c.finAutre + "102\t\t2" + c.fin +
                    "103\t1\t2\t3\t4\t5\t6\t1\t1\tOUI\t6x5\t" + c.finAutre + "\x1a" "104\t1\t2\t3\t4\t5\t6\t0\t0\tNON\t\t" +
                    c.fin);
    const Lecture l(fichier.chemin);
    EXPECT_EQ(l.issue, IssueLecture::Lu) << c.systeme;
    ASSERT_EQ(l.rangees.size(), 2u) << c.systeme;
    EXPECT_EQ(l.rangees[0].cellules[CelluleResultat], "101") << c.systeme;
    EXPECT_EQ(l.rangees[1].cellules[CelluleSolution], "6x5") << c.systeme;
    EXPECT_EQ(l.rejetees, (std::vector<std::string>{"", "102\t\t2"})) << c.systeme;
    EXPECT_EQ(l.lignes, 4) << c.systeme;
  }
  EXPECT_EQ(MessageConversion("102\t\t2"), "Erreur de conversion text => entier sur la ligne :\r102\t\t2");
  Fichier windows("101\t1\t2\t3\t4\t5\t6\t0\t0\tNON\t\t\r\n\r\n102\t\t2\r\n103\t1\t2\t3\t4\t5\t6\t1\t1\tOUI\t6x5\t\r\n");

  const Lecture pleine(windows.chemin, 1);
  EXPECT_EQ(pleine.issue, IssueLecture::ListePleine);
  EXPECT_EQ(pleine.rangees.size(), 1u);
  EXPECT_EQ(Lecture("/nulle/part.tir").issue, IssueLecture::OuvertureImpossible);
}

TEST(FichierTirages, SeriesDrawsAreSortedStandardAndSolvedAlone) {
  Solveur travail;
  std::mt19937 generateur(7);
  const Hasard hasard = [&generateur](int n) { return std::uniform_int_distribution<int>(0, n - 1)(generateur); };
  bool impossibleVu = false;
  for (int i = 0; i < 300; ++i) {
    const RangeeTirage rangee = TirageDeSerie(travail, hasard);
    const TTirage tirage = TirageDeRangee(rangee);
    EXPECT_TRUE(std::is_sorted(tirage.Nombres.begin(), tirage.Nombres.end()));
    EXPECT_GE(tirage.Resultat, 101);
    EXPECT_LE(tirage.Resultat, 999);
    EXPECT_EQ(rangee.cellules[CelluleTrouve], "NON");
    if (rangee.cellules[CelluleNbSol] == "0") {
      // Out of reach: never the solutions of a nearer number.
      impossibleVu = true;
      EXPECT_EQ(rangee.cellules[CelluleEtape], "6");
      EXPECT_EQ(rangee.cellules[CelluleSolution], "Pas de solution");
    }
  }
  EXPECT_TRUE(impossibleVu);
  EXPECT_EQ(travail.ModeSerie, 0);
}

}  // namespace
}  // namespace tolvan::test
