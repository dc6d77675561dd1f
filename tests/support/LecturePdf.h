// A printed PDF read back as text, one line a string, spaces folded, for
// the tests that check what comes out on paper (poppler-utils' pdftotext).
#pragma once

#include <QProcess>
#include <QStringList>

namespace tolvan::test {

inline QStringList LignesDuPdf(const QString& chemin) {
  QProcess lecture;
  lecture.start("pdftotext", {"-layout", chemin, "-"});
  if (!lecture.waitForFinished(10000)) return {QStringLiteral("pdftotext (poppler-utils) is needed")};
  QStringList lues;
  for (const QString& ligne : QString::fromUtf8(lecture.readAllStandardOutput()).split('\n')) {
    if (!ligne.trimmed().isEmpty()) lues.append(ligne.simplified());
  }
  return lues;
}

// `lignes` as they read back from paper, where a blank line leaves nothing.
inline QStringList CommeSurPapier(const QStringList& lignes) {
  QStringList attendues;
  for (const QString& ligne : lignes) {
    if (!ligne.trimmed().isEmpty()) attendues.append(ligne.simplified());
  }
  return attendues;
}

}  // namespace tolvan::test
