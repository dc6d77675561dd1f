// Lets failed assertions print Qt strings as text rather than bytes.
#pragma once

#include <ostream>

#include <QString>
#include <QStringList>

inline void PrintTo(const QString& texte, std::ostream* sortie) { *sortie << '"' << texte.toStdString() << '"'; }

inline void PrintTo(const QStringList& textes, std::ostream* sortie) {
  *sortie << '{';
  for (qsizetype i = 0; i < textes.size(); ++i) *sortie << (i ? ", " : "") << '"' << textes[i].toStdString() << '"';
  *sortie << '}';
}
