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

// The desktop's event-sound library; a new sound cuts off one still playing.
std::unique_ptr<SoundPlayer> createPlatformSoundPlayer();

bool PlaySoundFile(SoundPlayer& player, const QString& path, bool wait);

inline const QString correctSoundFile = QStringLiteral("sounds/correct.wav");
inline const QString wrongSoundFile = QStringLiteral("sounds/wrong.wav");

} // namespace quiz
