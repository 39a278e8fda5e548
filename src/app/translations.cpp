#include "translations.h"
#include "webfiles.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace app {

Translations::Translations(const QLocale& locale, const QString& appDirectory)
{
    // Qt walks the interface languages in order and takes the first file
    // it has, so the English one (empty) stops the walk at English.
    if (!m_own.load(locale, QStringLiteral("dotwise"), QStringLiteral("_"),
                    QStringLiteral(":/i18n")))
        return;
    QCoreApplication::installTranslator(&m_own);
    const QLocale chosen(m_own.language());
    if (chosen.language() == QLocale::English)
        return;
    // Qt's own texts (a message box's buttons): beside the program on
    // Windows, where the installer puts them; Qt's folder on Linux.
    const QString qtFile = QStringLiteral("qtbase");
#ifdef Q_OS_WASM
    fetchFilesBeside(appDirectory,
                     {QStringLiteral("translations/%1_%2.qm").arg(qtFile, m_own.language())});
#endif
    if (m_qt.load(chosen, qtFile, QStringLiteral("_"),
                  appDirectory + QStringLiteral("/translations")) ||
        m_qt.load(chosen, qtFile, QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

} // namespace app
