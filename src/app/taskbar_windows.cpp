#include "taskbar.h"

#include <QWidget>

#include <windows.h>

namespace app {

void keepTaskbarButton(QWidget* window)
{
    // Qt sets no WS_EX_APPWINDOW of its own, and leaves the extended style
    // alone once the window exists.
    const auto hwnd = reinterpret_cast<HWND>(window->winId());
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE, GetWindowLongPtrW(hwnd, GWL_EXSTYLE) | WS_EX_APPWINDOW);
}

} // namespace app
