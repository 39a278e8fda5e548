#include "sound.h"

namespace quiz {

bool EventSoundPlayer::play(const QString& path, bool wait)
{
    m_backend->stop();
    return m_backend->playFile(path, wait) || m_backend->playDefault(wait);
}

bool PlaySoundFile(SoundPlayer& player, const QString& path, bool wait)
{
    return player.play(path, wait);
}

} // namespace quiz
