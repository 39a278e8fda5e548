#include "keys.h"

#include <QKeyEvent>

#ifdef Q_OS_WASM
#include <emscripten.h>
#endif

namespace shell {

namespace {

#ifdef Q_OS_WASM
// Qt's browser platform keeps none of a key's place. The page's key events
// are watched before Qt sees them: the browser's KeyboardEvent.code names the
// place ("Digit1" on every layout). -2: the key event Qt is handling came
// from no keyboard; -1: not a digit-row key, or AltGr held.
// clang-format off
EM_JS(int, dotwise_digit_row_place, (), {
    var event = Module.dotwiseKeyEvent;
    if (!event)
        return -2;
    var code = event.code || "";
    var digit = code.length == 6 && code.startsWith("Digit") ? code.charCodeAt(5) - 48 : -1;
    return digit >= 0 && digit <= 9 && !event.getModifierState("AltGraph") ? digit : -1;
});
// clang-format on

// clang-format off
EM_JS(void, dotwise_watch_keys, (), {
    var watch = function(event) {
        Module.dotwiseKeyEvent = event;
        setTimeout(function() {
            if (Module.dotwiseKeyEvent === event)
                Module.dotwiseKeyEvent = null;
        });
    };
    window.addEventListener("keydown", watch, true);
    window.addEventListener("keyup", watch, true);
});
// clang-format on

const bool keysWatched = (dotwise_watch_keys(), true);
#endif

bool onlyShiftHeld(const QKeyEvent* event)
{
    return (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
}

// The digit of a digit-row key from what the platform says of its place, or
// -1. Windows gives the number row the virtual keys '0' to '9' on every
// layout; X11 and Wayland give XKB key codes, the evdev code + 8, which are
// 10 to 19 for the keys 1 to 0.
int digitRowPlace(const QKeyEvent* event)
{
#ifdef Q_OS_WIN
    const quint32 key = event->nativeVirtualKey();
    if (key >= '0' && key <= '9')
        return int(key - '0');
#else
    // AltGr, XKB's level three (Mod5), makes the key type a third symbol.
    constexpr quint32 levelThree = 0x80;
    if (event->nativeModifiers() & levelThree)
        return -1;
    const quint32 code = event->nativeScanCode();
    if (code >= 10 && code <= 19)
        return int(code - 9) % 10;
#endif
    return -1;
}

int digitOf(int key)
{
    return key >= Qt::Key_0 && key <= Qt::Key_9 ? key - Qt::Key_0 : -1;
}

} // namespace

int pressedDigit(const QKeyEvent* event)
{
    if (!onlyShiftHeld(event))
        return -1;
    if (event->modifiers() & Qt::KeypadModifier)
        return event->modifiers() & Qt::ShiftModifier ? -1 : digitOf(event->key());
#ifdef Q_OS_WASM
    if (const int place = dotwise_digit_row_place(); place != -2)
        return place;
#endif
    // A press no keyboard made (a test's, an assistive tool's) says no place:
    // its key is taken as it is, unshifted.
    if (event->nativeScanCode() == 0 && event->nativeVirtualKey() == 0)
        return event->modifiers() == Qt::NoModifier ? digitOf(event->key()) : -1;
    return digitRowPlace(event);
}

QChar typedLetter(const QKeyEvent* event)
{
    const QString typed = event->text().toUpper();
    if (!onlyShiftHeld(event) || typed.size() != 1 || typed[0] < u'A' || typed[0] > u'Z')
        return {};
    return typed[0];
}

} // namespace shell
