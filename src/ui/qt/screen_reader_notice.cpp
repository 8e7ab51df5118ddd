#include "ui/qt/screen_reader_notice.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace morvana {
namespace {

QAccessibleInterface* NoticeInterface(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String(ScreenReaderNotice::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
}

}  // namespace

ScreenReaderNotice::ScreenReaderNotice(QWidget* parent) : QWidget(parent) {
  QAccessible::installFactory(NoticeInterface);  // Qt installs each factory once
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(0, 0, 0, 0);
  hide();
}

void ScreenReaderNotice::Say(const QString& text) {
  setAccessibleName(text);
  show();
  hide();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QAccessibleAnnouncementEvent announcement(parentWidget(), text);
  QAccessible::updateAccessibility(&announcement);
#endif
}

}  // namespace morvana
