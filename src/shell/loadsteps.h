#pragma once

#include "appearance.h"
#include "errorreport.h"

class QWidget;

namespace shell {

// The steps every window's load performs, under that window's line numbers.

// Caption "Dotwise", then the application icon, both on one line.
void setCaptionAndIcon(ErrorReport& e, int line, QWidget* window);

// The hand cursor beside the executable, when it is there: tested on one
// line, loaded on the next (a failing test still tries the load).
void loadHandCursor(ErrorReport& e, int testLine, int loadLine, MousePointer& pointer,
                    const QString& appDirectory);

} // namespace shell
