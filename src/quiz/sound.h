#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace quiz {

// Plays a WAV file. A file that is missing or cannot be played gives the
// desktop's default sound instead; no failure is raised.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // wait: return only when the sound has ended. Result: the platform
    // reported success.
    virtual bool play(const QString& path, bool wait) = 0;
};

// What an event-sound library offers: a file, a named desktop sound, and
// stopping what is playing. Results are true on success.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    virtual bool playFile(const QString& path, bool wait) = 0;
    virtual bool playDefault(bool wait) = 0;
    virtual void stop() = 0;
};

// Plays on a backend the way the answer sounds need: a new sound cuts off
// one still playing, and a file that does not play gives the default sound.
class EventSoundPlayer final : public SoundPlayer {
public:
    explicit EventSoundPlayer(std::unique_ptr<SoundBackend> backend) : m_backend(std::move(backend))
    {}
    bool play(const QString& path, bool wait) override;

private:
    std::unique_ptr<SoundBackend> m_backend;
};

// Plays through a PlaySound-style system call: the path, no module, and
// flags 0 (play, then return) or 1 (start and return at once), nothing
// else. So a missing file plays the default sound and a new sound cuts off
// the last, both done by the system.
class SystemCallPlayer final : public SoundPlayer {
public:
    static constexpr unsigned syncFlags = 0;  // SND_SYNC
    static constexpr unsigned asyncFlags = 1; // SND_ASYNC
    using Call = std::function<bool(const QString& path, unsigned flags)>;
    explicit SystemCallPlayer(Call call) : m_call(std::move(call)) {}
    bool play(const QString& path, bool wait) override
    {
        return m_call(path, wait ? syncFlags : asyncFlags);
    }

private:
    Call m_call;
};

// The platform's player: libcanberra on Linux, the system call on Windows.
std::unique_ptr<SoundPlayer> createPlatformSoundPlayer();

bool PlaySoundFile(SoundPlayer& player, const QString& path, bool wait);

inline const QString correctSoundFile = QStringLiteral("sounds/correct.wav");
inline const QString wrongSoundFile = QStringLiteral("sounds/wrong.wav");

} // namespace quiz
