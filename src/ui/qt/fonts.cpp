#include "ui/qt/fonts.h"

#include <QFontDatabase>

#include <string_view>

#include "ui/look_alike_faces.h"
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
  QStringList candidates{ToQString(font.face)};
  for (const std::string_view face : layout::LookAlikeFaces(font)) candidates.append(ToQString(face));
  return candidates;
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
