// Cursor files: the hotspot reader and the image load never crash, and a
// loaded cursor's hotspot lies inside its image.

#include "shell/appearance.h"
#include "shell/runtime.h"

#include <QApplication>
#include <QByteArray>
#include <QCursor>
#include <QPixmap>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        shell::readCursorHotspot(bytes);
    } catch (const shell::RuntimeError&) {
    }
    try {
        const QCursor cursor = shell::loadCursorData(bytes);
        const QPixmap pixmap = cursor.pixmap();
        const QPoint hotspot = cursor.hotSpot();
        if (hotspot.x() < 0 || hotspot.y() < 0 || hotspot.x() >= pixmap.width() ||
            hotspot.y() >= pixmap.height())
            __builtin_trap();
    } catch (const shell::RuntimeError&) {
    }
    return 0;
}
