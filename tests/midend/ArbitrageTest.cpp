#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "DossierDeTest.h"
#include "PlateformeDeTest.h"
#include "competition/BaremeClubs.h"
#include "midend/Arbitrage.h"

namespace tolvan::test {
namespace {

// Three draws of 300 s: 7 50 1 5 75 25 → 321, 4 1 2 8 3 50 → 268, 4 10 75 3 6 3 → 473,
// each target reachable.
const QString Code3 = QStringLiteral("12JR-00KA-AAQW");

struct Bureau {
  PlateformeDeTest plateforme;
  TextesMessages textes;
  Arbitrage arbitrage{plateforme, textes};
  QTemporaryDir dossier;

  QString Ecrit(const QString& nom, const QByteArray& contenu) const {
    QFile fichier(dossier.filePath(nom));
    fichier.open(QIODevice::WriteOnly);
    fichier.write(contenu);
    return fichier.fileName();
  }
  QStringList Noms() const {
    QStringList noms;
    for (const JoueurClasse& j : arbitrage.classement().joueurs) noms.append(QString::fromStdString(j.ligne.nom));
    return noms;
  }
  QStringList Lieux() const {
    QStringList lieux;
    for (const QStringList& rangee : arbitrage.TableauAvis()) lieux.append(rangee[0] + " " + rangee[1]);
    return lieux.mid(1);
  }
};

QByteArray Ligne(const QString& texte) { return (texte + QStringLiteral("\r\n")).toUtf8(); }

// Lines come from files picked together, a folder, the clipboard; a file
// read again replaces what it gave; nothing gathered is ever written.
TEST(Arbitrage, LinesAreGatheredFromFilesAFolderAndTheClipboard) {
  Bureau b;
  const QString anne = b.Ecrit("anne.txt", Ligne(Code3 + ";Anne;11;10;1;0;321;250;"));
  // Windows-1252, as Notepad of old saved it.
  const QString zoe = b.Ecrit("zoe.txt", QByteArray(Code3.toLatin1() + ";Zo\xE9;10;10;0;0;321;;\r\n"));
  b.plateforme.groupesDeFichiers = {QStringList{anne, zoe}};
  b.arbitrage.OuvreFichiers();
  EXPECT_EQ(b.Noms(), (QStringList{"Anne", "Zoé"}));
  EXPECT_EQ(b.arbitrage.Code(), Code3);
  EXPECT_EQ(b.arbitrage.Tirages(), 3);

  QDir(b.dossier.path()).mkdir("salle");
  b.Ecrit("salle/paul.txt", Ligne(Code3 + ";Paul;20;10;10;0;321;268;"));
  b.Ecrit("salle/photo.jpg", QByteArray("\xFF\xD8\xFF\x00JFIF", 8));
  b.plateforme.dossiers = {b.dossier.filePath("salle")};
  b.arbitrage.OuvreDossier();
  EXPECT_EQ(b.Noms(), (QStringList{"Paul", "Anne", "Zoé"}));
  EXPECT_EQ(b.Lieux(), (QStringList{"photo.jpg refusée"}));

  b.plateforme.pressePapier = {Ligne(Code3 + ";Léa;9;9;0;0;320;;") + "Merci !"};
  b.arbitrage.Colle();
  EXPECT_EQ(b.Noms().size(), 4);
  EXPECT_EQ(b.Lieux(), (QStringList{"photo.jpg refusée", "presse-papiers 1, ligne 2 refusée"}));
  b.plateforme.pressePapier = {QStringLiteral("  ")};
  b.arbitrage.Colle();
  ASSERT_EQ(b.plateforme.messages.size(), 1u);
  EXPECT_EQ(b.plateforme.messages[0].texte, QStringLiteral("Le presse-papiers ne contient pas de texte."));

  // Anne mends her line: read again, the file gives only its new line.
  const QByteArray nouvelle = Ligne(Code3 + ";Anne;21;10;1;10;321;250;473");
  b.Ecrit("anne.txt", nouvelle);
  b.arbitrage.LitFichiers({anne});
  EXPECT_EQ(b.Noms().front(), QStringLiteral("Anne"));
  EXPECT_EQ(b.arbitrage.classement().joueurs.front().total, 21);
  EXPECT_EQ(Contenu(anne), nouvelle);
  EXPECT_EQ(b.arbitrage.Bilan(), QStringLiteral("Classés : 4, refusées : 2, alertes : 0"));

  b.plateforme.reponses = {Reponse::Non, Reponse::Oui};
  b.arbitrage.ToutEfface();
  EXPECT_EQ(b.Noms().size(), 4);
  b.arbitrage.ToutEfface();
  EXPECT_TRUE(b.Noms().isEmpty());
  EXPECT_TRUE(b.arbitrage.Code().isEmpty());
}

// A sheet typed from paper: each number is checked as it is typed, a
// number that is not one is refused and the cell keeps its value; the
// sheet is ranked as a line would be.
TEST(Arbitrage, PaperSheetsAreCheckedAsTheyAreTyped) {
  Bureau b;
  EXPECT_EQ(b.arbitrage.Tirages(), 0) << "no code, no draws to type";
  EXPECT_TRUE(b.arbitrage.Saisit(0, 1, QStringLiteral("321")).isEmpty());
  EXPECT_FALSE(b.arbitrage.ChoisitCode(QStringLiteral("12JR-00KA-AAQX")));
  ASSERT_EQ(b.plateforme.messages.size(), 1u);
  EXPECT_TRUE(b.plateforme.messages[0].texte.startsWith(QStringLiteral("Ce code ne peut pas être lu : ")));
  ASSERT_TRUE(b.arbitrage.ChoisitCode(QStringLiteral("12jr 00ka aaqw")));
  EXPECT_EQ(b.arbitrage.Tirages(), 3);
  EXPECT_EQ(b.arbitrage.RangeesSaisie(), 1);

  EXPECT_TRUE(b.arbitrage.Saisit(0, 0, QStringLiteral(" Anne ")).isEmpty());
  EXPECT_EQ(b.arbitrage.RangeesSaisie(), 2);
  EXPECT_EQ(b.arbitrage.NomCase(0, 2), QStringLiteral("Anne, tirage 2"));
  EXPECT_EQ(b.arbitrage.NomCase(1, 2), QStringLiteral("nouveau joueur, tirage 2"));
  EXPECT_EQ(b.arbitrage.Saisit(0, 1, QStringLiteral("321")), QStringLiteral("321 : le compte est bon, 10 points"));
  EXPECT_EQ(b.arbitrage.Saisit(0, 2, QStringLiteral("264")), QStringLiteral("264 : à 4 de 268, 6 points"));
  EXPECT_EQ(b.arbitrage.Saisit(0, 3, QStringLiteral("5000000")),
            QStringLiteral("5000000 : ces plaques ne donnent pas ce nombre, 0 point"));
  EXPECT_EQ(b.arbitrage.Saisit(0, 3, QStringLiteral("47a")), QStringLiteral("« 47a » n'est pas un nombre entier positif"));
  EXPECT_EQ(b.arbitrage.TexteSaisi(0, 3), QStringLiteral("5000000")) << "the cell keeps its number";
  EXPECT_EQ(b.arbitrage.Saisit(0, 3, QString()), QString());
  EXPECT_EQ(b.arbitrage.TexteSaisi(0, 3), QString());

  ASSERT_EQ(b.arbitrage.classement().joueurs.size(), 1u);
  const JoueurClasse& anne = b.arbitrage.classement().joueurs[0];
  EXPECT_EQ(anne.ligne.nom, "Anne");
  EXPECT_EQ(anne.points, (std::vector<int>{10, 6, 0}));
  EXPECT_EQ(anne.ou.fichier, "saisie");
  EXPECT_TRUE(b.arbitrage.classement().alertes.empty()) << "a sheet typed is scored as the player's own program would";

  // A number typed on a new row starts a sheet with no name, refused until named.
  EXPECT_FALSE(b.arbitrage.Saisit(1, 1, QStringLiteral("320")).isEmpty());
  EXPECT_EQ(b.arbitrage.RangeesSaisie(), 3);
  EXPECT_EQ(b.Lieux(), (QStringList{"saisie, ligne 2 refusée"}));
  b.arbitrage.Saisit(1, 0, QStringLiteral("Paul"));
  EXPECT_EQ(b.Noms(), (QStringList{"Anne", "Paul"}));
  // Emptied, a row goes.
  b.arbitrage.Saisit(1, 0, QString());
  b.arbitrage.Saisit(1, 1, QString());
  EXPECT_EQ(b.arbitrage.RangeesSaisie(), 2);
}

// A sheet typed and a line sent under one name that disagree are both
// refused until the arbiter keeps one.
TEST(Arbitrage, TheArbiterKeepsOneOfTwoDifferentLinesOfAName) {
  Bureau b;
  b.plateforme.groupesDeFichiers = {QStringList{b.Ecrit("anne.txt", Ligne(Code3 + ";Anne;11;10;1;0;321;250;"))}};
  b.arbitrage.OuvreFichiers();
  b.arbitrage.Saisit(0, 0, QStringLiteral("Anne"));
  b.arbitrage.Saisit(0, 1, QStringLiteral("321"));
  EXPECT_TRUE(b.Noms().isEmpty());
  EXPECT_EQ(b.Lieux(), (QStringList{"anne.txt, ligne 1 refusée", "saisie, ligne 1 refusée"}));
  EXPECT_FALSE(b.arbitrage.PeutGarder(2)) << "the titles' row is not a line";
  ASSERT_TRUE(b.arbitrage.PeutGarder(1));
  b.arbitrage.Garde(1);
  EXPECT_EQ(b.Noms(), (QStringList{"Anne"}));
  EXPECT_EQ(b.arbitrage.classement().joueurs[0].total, 10) << "the sheet typed is kept";
  EXPECT_EQ(b.arbitrage.TableauAvis()[1][2], QStringLiteral("« Anne » : l'arbitre a gardé la ligne de saisie, ligne 1"));
  // Another language names the sheets' place anew: the choice stays.
  b.textes.arbitrage.saisie = "typed";
  b.arbitrage.Actualise();
  EXPECT_EQ(b.arbitrage.classement().joueurs.at(0).total, 10);
  b.arbitrage.Garde(0);
  EXPECT_EQ(b.arbitrage.classement().joueurs[0].total, 11) << "the arbiter changed his mind";
}

// The ranking printed, each sheet on a page of its own, the spreadsheet's
// file in Windows-1252 with every field safe, and the table copied.
TEST(Arbitrage, TheRankingIsPrintedExportedAndCopied) {
  Bureau b;
  b.plateforme.groupesDeFichiers = {QStringList{b.Ecrit(
      "salle.txt", Ligne(Code3 + ";Zoé;11;10;1;0;321;250;") + Ligne(Code3 + ";=1+1;9;9;0;0;320;;"))}};
  b.arbitrage.OuvreFichiers();
  b.arbitrage.ChoisitTailleGroupes(1);
  b.arbitrage.ImprimeClassement();
  ASSERT_EQ(b.plateforme.impressions.size(), 1u);
  EXPECT_EQ(b.plateforme.impressions[0][0], QStringLiteral("Classement de la partie par code ") + Code3 +
                                                QStringLiteral(" : 3 tirages de 300 s"));
  EXPECT_EQ(b.plateforme.impressions[0][3].simplified(), QStringLiteral("2 =1+1 9 0 B"));

  b.arbitrage.ImprimeFeuilles();
  ASSERT_EQ(b.plateforme.impressions.size(), 2u);
  const QStringList feuilles = b.plateforme.impressions[1];
  ASSERT_EQ(feuilles.count(QStringLiteral("\f")), 1);
  const QStringList zoe = feuilles.mid(0, feuilles.indexOf(QStringLiteral("\f")));
  ASSERT_EQ(zoe.size(), 7);
  EXPECT_EQ(zoe[1], QStringLiteral("Joueur : Zoé"));
  EXPECT_EQ(zoe[2], QStringLiteral("Rang 1, groupe A"));
  EXPECT_TRUE(zoe[4].startsWith(QStringLiteral("2. 4 1 2 8 3 50 → 268 : 250, 1 point. Meilleur : 268="))) << zoe[4].toStdString();
  EXPECT_EQ(zoe[6], QStringLiteral("Total : 11 points sur 30"));

  const QString csv = b.dossier.filePath("classement.csv");
  b.plateforme.fichiers = {csv};
  b.arbitrage.Exporte();
  EXPECT_EQ(b.plateforme.dialogues.back().nom, QStringLiteral("classement-") + Code3 + QStringLiteral(".csv"));
  EXPECT_EQ(Contenu(csv), QByteArray("Rang;Groupe;Nom;Total;\xC0 10;Points 1;Points 2;Points 3;R\xE9sultat 1;R\xE9sultat 2;R\xE9sultat 3\r\n"
                                     "1;A;Zo\xE9;11;1;10;1;0;321;250;\r\n"
                                     "2;B;'=1+1;9;0;9;0;0;320;;\r\n"));

  b.arbitrage.CopieClassement();
  EXPECT_EQ(b.plateforme.pressePapier.back(),
            QStringLiteral("Rang\tNom\tTotal\tÀ 10\tGroupe\n1\tZoé\t11\t1\tA\n2\t=1+1\t9\t0\tB"));
  EXPECT_EQ(b.arbitrage.FaceAFace().size(), 5) << "two players: their head-to-head";
}

}  // namespace
}  // namespace tolvan::test
