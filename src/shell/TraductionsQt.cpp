#include "TraductionsQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tolvan {

QTranslator* InstalleTraductionsQt(QCoreApplication& application) {
  auto* traductions = new QTranslator(&application);
  if (!traductions->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete traductions;
    return nullptr;
  }
  QCoreApplication::installTranslator(traductions);
  return traductions;
}

}  // namespace tolvan
