#pragma once

#include <QString>
#include <QStringList>

namespace app {

// In a browser the program's optional files (sounds, cursor, skin, Qt's
// translations) lie beside the page on the web server, not in the program's
// folder: each one the server has is fetched into that folder, all at once,
// before this returns; a missing one stays missing, as on the desktop.
void fetchFilesBeside(const QString& folder, const QStringList& names);

} // namespace app
