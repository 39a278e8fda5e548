#pragma once

class QObject;

namespace shell {

// Tells assistive tools that an object's name (a status line's text) has
// changed, so a screen reader speaks it.
void announceNameChange(QObject* object);

// Also hands each announcement to a listener: tests listen here, as the
// headless platform has no accessibility bridge to carry the event.
using AnnouncementListener = void (*)(QObject* object);
void setAnnouncementListener(AnnouncementListener listener);

} // namespace shell
