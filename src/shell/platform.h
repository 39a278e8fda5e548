#pragma once

#include <QString>
#include <QUrl>

#include <cstdint>
#include <memory>

class QSettings;

namespace shell {

// Time of day, as the random source is seeded from it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual float secondsSinceMidnight() = 0;
};

class SystemClock final : public Clock {
public:
    float secondsSinceMidnight() override;
};

// The process's pseudo-random generator: values 0 <= r < 1 in single
// precision, reseeded from the clock before each use.
class RandomGenerator {
public:
    virtual ~RandomGenerator() = default;
    virtual void reseed(float seed) = 0;
    virtual float next() = 0;
};

// Mixes each seed into the running state, so reseeding with the same time
// twice (two calls within one clock tick) does not repeat a value.
class MixingGenerator final : public RandomGenerator {
public:
    explicit MixingGenerator(std::uint64_t state = 0x9E3779B97F4A7C15ull) : m_state(state) {}
    void reseed(float seed) override;
    float next() override;

private:
    std::uint64_t m_state;
};

void randomizeFromTimer(Clock& clock, RandomGenerator& generator);

// The desktop shell: opening a web address in the user's browser.
class DesktopShell {
public:
    virtual ~DesktopShell() = default;
    virtual void openUrl(const QUrl& url) = 0;
};

class SystemDesktopShell final : public DesktopShell {
public:
    void openUrl(const QUrl& url) override;
};

// Per-user string settings addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString get(const QString& application, const QString& section, const QString& key,
                        const QString& defaultValue) = 0;
    virtual void save(const QString& application, const QString& section, const QString& key,
                      const QString& value) = 0;
};

// QSettings: one INI file per application in the user's config folder (the
// registry on Windows), or a given file (tests). Every save is flushed at once, so a
// killed process leaves the last value that was written.
class QSettingsStore final : public SettingsStore {
public:
    QSettingsStore() = default;
    explicit QSettingsStore(QString filePath) : m_filePath(std::move(filePath)) {}
    QString get(const QString& application, const QString& section, const QString& key,
                const QString& defaultValue) override;
    void save(const QString& application, const QString& section, const QString& key,
              const QString& value) override;

private:
    std::unique_ptr<QSettings> open(const QString& application) const;
    QString m_filePath;
};

// File tests and names beside the executable.
bool FileExists(const QString& path) noexcept;
bool isNormalFilePresent(const QString& path);
QString appFile(const QString& appDirectory, const QString& relativeName);

} // namespace shell
