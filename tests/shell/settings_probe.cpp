// Saves or reads the question count through the real per-user store, so a
// test can check that a setting outlives the program run that saved it.
//   settings_probe save VALUE | settings_probe get

#include "shell/platform.h"
#include "shell/services.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    shell::QSettingsStore store;
    const QString key = QStringLiteral("Text1");
    if (args.size() == 3 && args[1] == QStringLiteral("save")) {
        store.save(shell::settingsApplication, shell::settingsSection, key, args[2]);
        return 0;
    }
    if (args.size() == 2 && args[1] == QStringLiteral("get")) {
        const QString value = store.get(shell::settingsApplication, shell::settingsSection, key,
                                        QStringLiteral("20"));
        std::fputs(qPrintable(value), stdout);
        return 0;
    }
    return 2;
}
