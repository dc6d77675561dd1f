#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "stats/CommandeClassement.h"
#include "stats/Statistiques.h"

namespace tolvan::stats {
namespace {

// Three draws of 300 s: 7 50 1 5 75 25 → 321, 4 1 2 8 3 50 → 268, 4 10 75 3 6 3 → 473.
const std::string Code3 = "12JR-00KA-AAQW";

struct Issue {
  int code;
  std::string out;
  std::string err;
};

Issue Lance(const std::vector<std::string>& arguments, const std::string& entree = {}) {
  std::istringstream in(entree);
  std::ostringstream out, err;
  const int code = solve::ExecuteLigne("tolvan-stats", UsageClassement, arguments, {ModeClassement(in)}, out, err);
  return {code, out.str(), err.str()};
}

// A folder of the players' files, removed afterwards.
struct Dossier {
  std::filesystem::path chemin = std::filesystem::temp_directory_path() / "tolvan-classement";
  Dossier() { std::filesystem::create_directories(chemin); }
  ~Dossier() { std::filesystem::remove_all(chemin); }
  std::string Ecrit(const std::string& nom, const std::string& contenu) const {
    std::ofstream(chemin / nom, std::ios::binary) << contenu;
    return (chemin / nom).string();
  }
};

TEST(CommandeClassement, BadArgumentsAndUnreadableFilesExitWithTwo) {
  const Dossier dossier;
  const std::string lignes = dossier.Ecrit("a.txt", Code3 + ";Anne;11;10;1;0;321;250;\r\n");
  const std::vector<std::pair<std::vector<std::string>, std::string>> cas = {
      {{"--classement"}, "tolvan-stats : il faut au moins un fichier de lignes de résultats\n"},
      {{"--classement", lignes, "--groupes"}, "tolvan-stats : --groupes attend une taille de groupe de 1 à 999\n"},
      {{"--classement", "--groupes", "0", lignes}, "tolvan-stats : la taille des groupes 0 n'est pas entre 1 et 999\n"},
      {{"--classement", "--approche", "loin", lignes}, "tolvan-stats : --approche attend « salle » ou « plaques », pas « loin »\n"},
      {{"--classement", "--vite", lignes}, "tolvan-stats : option inconnue « --vite »\n"},
      {{"--classement", "-", "-"}, "tolvan-stats : l'entrée standard ne se lit qu'une fois\n"},
  };
  for (const auto& [arguments, message] : cas) {
    const Issue issue = Lance(arguments);
    EXPECT_EQ(issue.code, 2) << message;
    EXPECT_TRUE(issue.out.empty());
    EXPECT_EQ(issue.err, message);
  }
  const Issue taille = Lance({"--classement", "--groupes", "douze", lignes});
  EXPECT_EQ(taille.code, 2);
  EXPECT_NE(taille.err.find("« douze »"), std::string::npos) << taille.err;

  const Issue illisibles = Lance({"--classement", (dossier.chemin / "absent.txt").string(), dossier.chemin.string()});
  EXPECT_EQ(illisibles.code, 2);
  EXPECT_TRUE(illisibles.err.starts_with("tolvan-stats : aucun fichier ne peut être lu : « ")) << illisibles.err;
  // The command as tolvan-stats runs it.
  std::ostringstream out, err;
  EXPECT_EQ(ExecuteStats({"--classement", "--json"}, out, err, false), 2);
}

// The files the players sent, one read from the standard input: the JSON
// the issue describes, and the same bytes whatever the order of the files.
TEST(CommandeClassement, RanksTheFilesGivenInAnyOrder) {
  const Dossier dossier;
  const std::vector<std::string> fichiers = {
      dossier.Ecrit("anne.txt", Code3 + ";Anne;11;10;1;0;321;250;\r\n"),
      dossier.Ecrit("bruno.txt", Code3 + ";Bruno;30;10;10;10;321;266;\r\nBonjour\r\n"),
      dossier.Ecrit("vide.txt", ""),
      "-",
  };
  const std::string zoe = Code3 + ";Zoé;10;10;0;0\n";
  const Issue json = Lance({"--classement", "--json", "--groupes", "2", fichiers[0], fichiers[1], fichiers[2], "-"}, zoe);
  ASSERT_EQ(json.code, 0) << json.err;
  const auto avis = [](const std::string& fichier, int ligne, const std::string& raison) {
    return "{\"Fichier\":\"" + fichier + "\",\"Ligne\":" + std::to_string(ligne) + ",\"Raison\":\"" + raison + "\"}";
  };
  const std::string attendu =
      "{\"Code\":\"" + Code3 + "\",\"Joueurs\":["
      "{\"Rang\":1,\"Nom\":\"Bruno\",\"Total\":18,\"Exacts\":1,\"Points\":[10,8,0],\"Resultats\":[321,266,null],\"Groupe\":\"A\"},"
      "{\"Rang\":2,\"Nom\":\"Anne\",\"Total\":11,\"Exacts\":1,\"Points\":[10,1,0],\"Resultats\":[321,250,null],\"Groupe\":\"A\"},"
      "{\"Rang\":3,\"Nom\":\"Zoé\",\"Total\":10,\"Exacts\":1,\"Points\":[10,0,0],\"Resultats\":null,\"Groupe\":\"B\"}],"
      "\"Refusees\":[" + avis(fichiers[1], 2, "ce n'est pas une ligne de résultats CODE;NOM;TOTAL;…") + "," +
      avis(fichiers[2], 0, "le fichier est vide") + "],\"Alertes\":[" +
      avis("-", 1, "« Zoé » : ligne sans résultats, ses points ne peuvent pas être vérifiés") + "," +
      avis(fichiers[1], 1, "« Bruno » : au tirage 2, points écrits 10, recalculés 8") + "," +
      avis(fichiers[1], 1, "« Bruno » : au tirage 3, points écrits 10, recalculés 0") + "," +
      avis(fichiers[1], 1, "« Bruno » : total écrit 30, recalculé 18") + "]}\n";
  EXPECT_EQ(json.out, attendu);

  std::vector<std::string> ordre = fichiers;
  std::sort(ordre.begin(), ordre.end());
  std::string premier;
  do {
    std::vector<std::string> arguments = {"--classement"};
    arguments.insert(arguments.end(), ordre.begin(), ordre.end());
    const Issue issue = Lance(arguments, zoe);
    ASSERT_EQ(issue.code, 0);
    if (premier.empty()) premier = issue.out;
    ASSERT_EQ(issue.out, premier);
  } while (std::next_permutation(ordre.begin(), ordre.end()));
  EXPECT_TRUE(premier.starts_with("Classement de la partie par code " + Code3 + " : 3 tirages de 300 s\n")) << premier;
}

TEST(CommandeClassement, FilesWithNothingToRankExitWithOne) {
  const Issue issue = Lance({"--classement", "-"}, "Bonjour\n");
  EXPECT_EQ(issue.code, 1);
  EXPECT_EQ(issue.out, "Aucune ligne n'est classée.\n\nLignes refusées :\n"
                       "-, ligne 1 : ce n'est pas une ligne de résultats CODE;NOM;TOTAL;…\n");
}

}  // namespace
}  // namespace tolvan::stats
