#include "app/examples_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace morvane::app {

QString ExamplesFolder() {
  const QDir beside(QCoreApplication::applicationDirPath() + QStringLiteral("/" MORVANE_EXAMPLES_FROM_PROGRAMS));
  if (beside.exists()) {
    return beside.canonicalPath();
  }
  return QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("morvane/examples"),
                                QStandardPaths::LocateDirectory);
}

}  // namespace morvane::app
