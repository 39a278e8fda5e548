#pragma once

class QWidget;

namespace app {

// Gives an owned window a taskbar button of its own, as every window of
// the program has one. Windows shows none for an owned window unless it
// asks; elsewhere the desktop decides and this does nothing. Call once the
// native window exists, before it is shown.
void keepTaskbarButton(QWidget* window);

} // namespace app
