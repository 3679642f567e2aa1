#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/user_dialogs.h"
#include "model/model_file.h"

namespace morvane::app {

QStringList NameFilters(const QString& filters) {
  const QStringList parts = filters.split(QLatin1Char('|'));
  QStringList nameFilters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    nameFilters.append(parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')'));
  }
  return nameFilters;
}

QString SavedPath(const FileRequest& request, const QString& chosen, int filterIndex) {
  const QStringList parts = request.Filters.split(QLatin1Char('|'));
  const qsizetype patterns = 2 * qsizetype{filterIndex} + 1;
  if (filterIndex < 0 || patterns >= parts.size()) {
    return chosen;
  }
  // "*.jpg;*.jpeg" gives ".jpg".
  const QString extension = parts[patterns].section(QLatin1Char(';'), 0, 0).remove(QLatin1Char('*'));
  return QString::fromStdString(WithExtension(chosen.toStdString(), extension.toStdString()));
}

std::string DocumentsFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString folder = QFileInfo(documents).isDir() ? documents : QDir::homePath();
  return folder.toStdString();
}

}  // namespace morvane::app
