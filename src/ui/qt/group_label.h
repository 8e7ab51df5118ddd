#pragma once

#include <QLabel>
#include <QList>
#include <QWidget>

namespace morvana {

// A label of the window, which may name a group of controls, as "From:"
// names the four boxes of an address: screen readers find the group in its
// accessible relations. Qt's own buddy names one control only, and Orca then
// reads that control by the label alone, in place of the control's own name.
class GroupLabel final : public QLabel {
  Q_OBJECT

 public:
  GroupLabel(const QString& text, QWidget* parent);

  // Siblings made after the label, so they are destroyed after it too.
  void SetGroup(const QList<QWidget*>& group) { group_ = group; }
  [[nodiscard]] const QList<QWidget*>& Group() const { return group_; }

 private:
  QList<QWidget*> group_;
};

}  // namespace morvana
