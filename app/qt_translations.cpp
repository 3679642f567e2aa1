#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace morvane::app {

QtTranslations::QtTranslations(Language language) {
  if (language != Language::Japanese) {
    return;
  }
  installed_ = translator_.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
               QCoreApplication::installTranslator(&translator_);
}

QtTranslations::~QtTranslations() {
  if (installed_) {
    QCoreApplication::removeTranslator(&translator_);
  }
}

}  // namespace morvane::app
