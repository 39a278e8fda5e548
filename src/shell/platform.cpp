#include "platform.h"

#include "runtime.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QThread>
#include <QTime>

#include <cstring>

namespace shell {

float SystemClock::secondsSinceMidnight()
{
    return float(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

namespace {

std::uint64_t splitmix(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

void MixingGenerator::reseed(float seed)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &seed, sizeof bits);
    m_state ^= std::uint64_t(bits) * 0xD6E8FEB86659FD93ull;
    splitmix(m_state);
}

float MixingGenerator::next()
{
    // 24 random bits: every float in [0, 1) that a 24-bit mantissa can hold.
    return float(splitmix(m_state) >> 40) * (1.0f / 16777216.0f);
}

void randomizeFromTimer(Clock& clock, RandomGenerator& generator)
{
    generator.reseed(clock.secondsSinceMidnight());
}

void SystemDesktopShell::openUrl(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}

std::unique_ptr<QSettings> QSettingsStore::open(const QString& application) const
{
    if (!m_filePath.isEmpty())
        return std::make_unique<QSettings>(m_filePath, QSettings::IniFormat);
#ifdef Q_OS_WIN
    // The registry, under HKEY_CURRENT_USER\Software\<application>\<section>
    // (named by its path: the organisation form would add a level).
    return std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\") + application, QSettings::NativeFormat);
#elif defined(Q_OS_WASM)
    // The browser's local storage for this page's site: kept across reloads.
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, application);
#else
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, application);
#endif
}

QString QSettingsStore::get(const QString& application, const QString& section, const QString& key,
                            const QString& defaultValue)
{
    const auto settings = open(application);
    settings->beginGroup(section);
    return settings->value(key, defaultValue).toString();
}

namespace {

// QSettings locks its file while writing. A process killed while writing the
// lock leaves it unreadable, and QSettings would then wait for it to age
// (30 s) before writing again. A lock that stays unreadable is abandoned.
void clearAbandonedLock(const QString& settingsFile)
{
    const QString path = settingsFile + QStringLiteral(".lock");
    if (!QFileInfo::exists(path))
        return;
    QLockFile lock(path);
    qint64 pid = 0;
    QString host, application;
    for (int look = 0; look < 2; ++look) {
        if (lock.getLockInfo(&pid, &host, &application))
            return; // a readable lock: QLockFile knows whether its owner lives
        if (look == 0)
            QThread::msleep(10); // a live writer finishes its lock at once
    }
    lock.removeStaleLockFile();
}

} // namespace

void QSettingsStore::save(const QString& application, const QString& section, const QString& key,
                          const QString& value)
{
    const auto settings = open(application);
    clearAbandonedLock(settings->fileName());
    settings->beginGroup(section);
    settings->setValue(key, value);
    settings->endGroup();
    settings->sync();
    if (settings->status() != QSettings::NoError)
        throw RuntimeError(ErrorNumber::PathNotFound,
                           QCoreApplication::translate("shell", "Cannot save the setting to %1")
                               .arg(settings->fileName()));
}

bool FileExists(const QString& path) noexcept
{
    try {
        if (path.isEmpty())
            return false;
        const QFileInfo info(path);
        return info.exists() && info.lastModified().isValid();
    } catch (...) {
        return false;
    }
}

bool isNormalFilePresent(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

QString appFile(const QString& appDirectory, const QString& relativeName)
{
    return QDir(appDirectory).filePath(relativeName);
}

} // namespace shell
