#include "ui/qt/fonts.h"

#include <QFontDatabase>

#include <string_view>

#include "ui/qt/qt_text.h"

namespace morvana {

QFont MakeFont(const layout::Font& font, const QString& substitute) {
  QFont result;
  result.setFamilies({ToQString(font.face), substitute});
  result.setPointSizeF(font.points);
  result.setWeight(static_cast<QFont::Weight>(font.weight));
  result.setItalic(false);
  result.setUnderline(false);
  result.setStrikeOut(false);
  return result;
}

QStringList FaceCandidates(const layout::Font& font) {
  // Verdana is wide with a tall x-height, as DejaVu Sans is; MS Sans Serif is
  // narrower, close to Liberation Sans. The narrow faces come last, for
  // captions that fit in nothing else.
  if (font.face == layout::kBoxFont.face) {
    return {ToQString(font.face),     "Liberation Sans",    "Nimbus Sans",          "DejaVu Sans",
            "Liberation Sans Narrow", "Nimbus Sans Narrow", "DejaVu Sans Condensed"};
  }
  return {ToQString(font.face), "DejaVu Sans",           "Liberation Sans",
          "Nimbus Sans",        "DejaVu Sans Condensed", "Liberation Sans Narrow",
          "Nimbus Sans Narrow"};
}

QString PickFace(const QStringList& candidates, const std::function<bool(const QString&)>& fits) {
  QString first_installed;
  for (const QString& face : candidates) {
    if (!QFontDatabase::hasFamily(face)) continue;
    if (fits(face)) return face;
    if (first_installed.isEmpty()) first_installed = face;
  }
  return first_installed;
}

}  // namespace morvana
