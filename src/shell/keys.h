#pragma once

#include <QChar>

class QKeyEvent;

namespace shell {

// The digit a key press stands for, by where the key is, not what it types:
// the digit row's key in the place of 1 (which types "&" on AZERTY) gives 1,
// with or without Shift; the keypad's digits give theirs. -1 for any other
// key, or with Ctrl, Alt, AltGr or Meta held.
int pressedDigit(const QKeyEvent* event);

// The letter A to Z a key press types, with or without Shift or Caps Lock;
// a null QChar for anything else, or with Ctrl, Alt, AltGr or Meta held.
QChar typedLetter(const QKeyEvent* event);

} // namespace shell
