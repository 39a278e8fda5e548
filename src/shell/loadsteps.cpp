#include "loadsteps.h"

#include "platform.h"
#include "services.h"

#include <QWidget>

namespace shell {

void setCaptionAndIcon(ErrorReport& e, int line, QWidget* window)
{
    e.run(line, [&] { window->setWindowTitle(productTitle); });
    e.run(line, [&] { window->setWindowIcon(applicationIcon()); });
}

void loadHandCursor(ErrorReport& e, int testLine, int loadLine, MousePointer& pointer,
                    const QString& appDirectory)
{
    const QString path = appFile(appDirectory, handCursorFile);
    if (e.when(testLine, [&] { return FileExists(path); }))
        e.run(loadLine, [&] { pointer.setMouseIcon(loadCursorFile(path)); });
}

} // namespace shell
