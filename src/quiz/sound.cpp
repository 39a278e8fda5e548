#include "sound.h"

namespace quiz {

bool PlaySoundFile(SoundPlayer& player, const QString& path, bool wait)
{
    return player.play(path, wait);
}

} // namespace quiz
