#include "app/ui_fonts.h"

#include <QStringList>

namespace morvane::app {

namespace {

constexpr int kJapanesePixels = 12;
constexpr int kEnglishPoints = 9;
constexpr int kEnglishPagePoints = 8;

QFont Named(const char* family) {
  QFont font;
  font.setFamilies({QString::fromLatin1(family)});
  return font;
}

}  // namespace

QFont WindowFont(Language language) {
  if (language == Language::Japanese) {
    QFont font = Named("IPAPGothic");
    font.setPixelSize(kJapanesePixels);
    return font;
  }
  QFont font = Named("DejaVu Serif");
  font.setPointSize(kEnglishPoints);
  return font;
}

QFont PageControlFont(Language language) {
  QFont font = WindowFont(language);
  if (language == Language::English) {
    font.setPointSize(kEnglishPagePoints);
  }
  return font;
}

}  // namespace morvane::app
