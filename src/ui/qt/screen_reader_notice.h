#pragma once

#include <QString>
#include <QWidget>

namespace morvana {

// Says a text to a screen reader without moving the focus. Qt 6.4 has no
// announcement event, but Orca speaks any object of role Notification as it
// becomes showing. This child is one: it paints nothing, takes no focus and
// no mouse, and is shown and hidden again with the text as its name. Where
// Qt has an announcement event, the text goes out that way too.
class ScreenReaderNotice final : public QWidget {
  Q_OBJECT

 public:
  explicit ScreenReaderNotice(QWidget* parent);

  void Say(const QString& text);
};

}  // namespace morvana
