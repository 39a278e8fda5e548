// Windows: the platform's own call. Without SND_NODEFAULT a missing file
// plays the default sound; without SND_NOSTOP a new sound cuts the last.
#include "sound.h"

#include <windows.h>

#include <mmsystem.h>

namespace quiz {

namespace {

class WinmmPlayer final : public SoundPlayer {
public:
    bool play(const QString& path, bool wait) override
    {
        const std::wstring name = path.toStdWString();
        return PlaySoundW(name.c_str(), nullptr, wait ? SND_SYNC : SND_ASYNC) != FALSE;
    }
};

} // namespace

std::unique_ptr<SoundPlayer> createPlatformSoundPlayer()
{
    return std::make_unique<WinmmPlayer>();
}

} // namespace quiz
