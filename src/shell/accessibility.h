#pragma once

class QObject;
class QString;
class QWidget;

namespace shell {

// The program's own top-level windows are presented to assistive tools as
// windows (frames), as dialogs and main windows already are. Call before
// the first window is made.
void presentWindowsAsWindows();

// Tells assistive tools that an object's name (a status line's text) has
// changed, so a screen reader speaks it.
void announceNameChange(QObject* object);

// A hidden control that only keeps the focus off the visible ones is
// presented to assistive tools as plain text: its accessible name (what
// the window says) is spoken, never its own content or an internal name.
void presentAsFocusHolder(QWidget* holder, const QString& name, const QString& description);

// Sets what a window says to assistive tools when it opens, after its
// title: screen readers speak a window's name as the focus enters it.
// Call once the title is set, before the window is shown.
void setSpokenContent(QWidget* window, const QString& content);

// Makes a screen reader speak the focused control of a window again, with
// its new name and description. Qt 6.4 sends name and description changes
// in a form Orca cannot read, and a screen reader ignores focus on the
// object it already has; so the control is given a fresh accessible object
// and the focus is reported on that. The keyboard focus does not move.
void respeakFocus(QWidget* window);

} // namespace shell
