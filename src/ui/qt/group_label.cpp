#include "ui/qt/group_label.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <utility>

namespace morvana {
namespace {

// A static text named with the caption, labelling its group.
class GroupLabelInterface final : public QAccessibleWidget {
 public:
  explicit GroupLabelInterface(GroupLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  [[nodiscard]] QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return static_cast<const GroupLabel*>(widget())->text();
    return QAccessibleWidget::text(kind);
  }

  [[nodiscard]] QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation match) const override {
    auto found = QAccessibleWidget::relations(match);
    if (!(match & QAccessible::Labelled)) return found;
    for (QWidget* member : static_cast<const GroupLabel*>(widget())->Group()) {
      found.append({QAccessible::queryAccessibleInterface(member), QAccessible::Labelled});
    }
    return found;
  }
};

QAccessibleInterface* GroupLabelFactory(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String(GroupLabel::staticMetaObject.className())) return nullptr;
  return new GroupLabelInterface(static_cast<GroupLabel*>(object));
}

}  // namespace

GroupLabel::GroupLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  QAccessible::installFactory(GroupLabelFactory);  // Qt installs each factory once
}

}  // namespace morvana
