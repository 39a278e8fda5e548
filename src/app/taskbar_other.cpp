#include "taskbar.h"

namespace app {

void keepTaskbarButton(QWidget*) {}

} // namespace app
