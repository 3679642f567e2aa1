#include "app/user_dialogs.h"

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

}  // namespace morvane::app
