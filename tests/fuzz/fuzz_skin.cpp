// Skin files: any bytes load and apply to a window of the program's kinds
// of controls without crashing, and the window still paints.

#include "shell/appearance.h"
#include "shell/controls.h"
#include "shell/runtime.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QTemporaryDir>

#include <cstdint>

namespace {

QTemporaryDir* folder;
QWidget* window;

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    qInstallMessageHandler(quiet); // unparsable sheets are reported by Qt, not by us
    // Static, so that it is removed when the fuzzer exits.
    static QTemporaryDir dir;
    folder = &dir;
    window = new QWidget;
    window->resize(200, 120);
    auto* frame = new QGroupBox(QStringLiteral("Frame"), window);
    frame->setGeometry(4, 4, 190, 60);
    new QLineEdit(QStringLiteral("20"), frame);
    (new shell::PushButton(QStringLiteral("Start"), window))->setGeometry(4, 70, 190, 27);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = folder->filePath(QStringLiteral("o.cjs"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    window->setStyleSheet(QString());
    shell::StyleSheetSkin skin;
    try {
        skin.loadSkin(path, QString());
        skin.applyWindow(window);
    } catch (const shell::RuntimeError&) {
    }
    if (window->grab().isNull())
        __builtin_trap();
    return 0;
}
