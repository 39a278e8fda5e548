// Windows: the system's own call, as wide characters, so a path outside the
// ANSI code page still names the file.
#include "sound.h"

#include <windows.h>

#include <mmsystem.h>

namespace quiz {

static_assert(SND_SYNC == SystemCallPlayer::syncFlags && SND_ASYNC == SystemCallPlayer::asyncFlags);

std::unique_ptr<SoundPlayer> createPlatformSoundPlayer()
{
    return std::make_unique<SystemCallPlayer>([](const QString& path, unsigned flags) {
        const std::wstring name = path.toStdWString();
        return PlaySoundW(name.c_str(), nullptr, flags) != FALSE;
    });
}

} // namespace quiz
