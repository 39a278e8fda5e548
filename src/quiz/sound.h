#pragma once

#include <QString>

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

// The platform's player: libcanberra on Linux, the system call on Windows.
std::unique_ptr<SoundPlayer> createPlatformSoundPlayer();

bool PlaySoundFile(SoundPlayer& player, const QString& path, bool wait);

inline const QString correctSoundFile = QStringLiteral("sounds/correct.wav");
inline const QString wrongSoundFile = QStringLiteral("sounds/wrong.wav");

} // namespace quiz
