#include <gtest/gtest.h>

#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include "shell/platform/Impression.h"

namespace tolvan::test {
namespace {

// Each player's sheet on a page of its own: a form feed ends the page, and
// one at the top of a page already new adds no blank page.
TEST(Impression, AFormFeedStartsANewPageAndNeverABlankOne) {
  QTemporaryDir dossier;
  QPrinter imprimante(QPrinter::HighResolution);
  imprimante.setOutputFormat(QPrinter::PdfFormat);
  imprimante.setOutputFileName(dossier.filePath("feuilles.pdf"));
  const QStringList lignes = {"\f", "Joueur : Anne", "Total : 74 points sur 100", "\f", "\f", "Joueur : Paul"};
  ASSERT_EQ(ImprimeLignes(imprimante, "Feuilles", lignes), Plateforme::Impression::Faite);
  QStringList pages;
  for (int page = 1; page <= 3; ++page) {
    QProcess lecture;
    lecture.start("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), dossier.filePath("feuilles.pdf"), "-"});
    ASSERT_TRUE(lecture.waitForFinished(10000)) << "pdftotext (poppler-utils) is needed";
    pages.append(QString::fromUtf8(lecture.readAllStandardOutput()).simplified());
  }
  EXPECT_EQ(pages, (QStringList{"Joueur : Anne Total : 74 points sur 100", "Joueur : Paul", ""}));
}

}  // namespace
}  // namespace tolvan::test
