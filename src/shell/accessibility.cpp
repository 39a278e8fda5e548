#include "accessibility.h"

#include <QAccessible>

namespace shell {

namespace {
AnnouncementListener listener = nullptr;
}

void announceNameChange(QObject* object)
{
    QAccessibleEvent changed(object, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    if (listener)
        listener(object);
}

void setAnnouncementListener(AnnouncementListener newListener)
{
    listener = newListener;
}

} // namespace shell
