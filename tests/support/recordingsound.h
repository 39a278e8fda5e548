#pragma once

#include "quiz/sound.h"

#include <QFileInfo>
#include <QStringList>

namespace testing {

class RecordingSound final : public quiz::SoundPlayer {
public:
    bool play(const QString& path, bool wait) override
    {
        played << path;
        waited << wait;
        return QFileInfo::exists(path);
    }
    QStringList played;
    QList<bool> waited;
};

} // namespace testing
