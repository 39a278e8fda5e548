// In a browser: the page's Web Audio. The WAV file is read from the files
// fetched beside the program and decoded by the browser; a file that cannot
// be read or decoded gives a short beep instead, as the desktop gives its
// bell. Each file is read and decoded once. A new sound cuts off the last,
// and one still being decoded when a newer one comes is dropped.
#include "sound.h"

#include <QFile>
#include <QHash>

#include <emscripten.h>

namespace {

// clang-format off
EM_JS(void, dotwise_sound_stop, (), {
    var sound = Module.dotwiseSound;
    if (!sound)
        return;
    sound.token++;
    if (sound.playing) {
        try {
            sound.playing.stop();
        } catch (e) {
        }
        sound.playing = null;
    }
});
// clang-format on

// clang-format off
EM_JS(void, dotwise_sound_play, (int file, const unsigned char* data, int size), {
    var sound = Module.dotwiseSound;
    if (!sound)
        sound = Module.dotwiseSound = {context : new AudioContext(), playing : null, token : 0,
                                       decoded : {}};
    var token = ++sound.token;
    var context = sound.context;
    var play = function(node, seconds) {
        node.connect(context.destination);
        node.start();
        if (seconds)
            node.stop(context.currentTime + seconds);
        sound.playing = node;
    };
    var beep = function() {
        if (token !== sound.token)
            return;
        var tone = context.createOscillator();
        tone.frequency.value = 880;
        play(tone, 0.15);
    };
    context.resume();
    if (file < 0) {
        beep();
        return;
    }
    // Each file is decoded once: decoding takes the page several
    // milliseconds, as long as the next question takes to show.
    if (data)
        sound.decoded[file] = context.decodeAudioData(HEAPU8.slice(data, data + size).buffer);
    sound.decoded[file].then(function(buffer) {
        if (token !== sound.token)
            return;
        var source = context.createBufferSource();
        source.buffer = buffer;
        play(source, 0);
    }, beep);
});
// clang-format on

class WebAudioBackend final : public quiz::SoundBackend {
public:
    bool playFile(const QString& path, bool) override
    {
        // The files beside the program are fetched once, at start.
        if (const auto known = m_files.constFind(path); known != m_files.cend()) {
            dotwise_sound_play(*known, nullptr, 0);
            return true;
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QByteArray data = file.readAll();
        if (data.isEmpty())
            return false;
        const int id = int(m_files.size());
        m_files.insert(path, id);
        dotwise_sound_play(id, reinterpret_cast<const unsigned char*>(data.constData()),
                           int(data.size()));
        return true;
    }

    bool playDefault(bool) override
    {
        dotwise_sound_play(-1, nullptr, 0);
        return true;
    }

    void stop() override { dotwise_sound_stop(); }

private:
    QHash<QString, int> m_files;
};

} // namespace

namespace quiz {

std::unique_ptr<SoundPlayer> createPlatformSoundPlayer()
{
    return std::make_unique<EventSoundPlayer>(std::make_unique<WebAudioBackend>());
}

} // namespace quiz
