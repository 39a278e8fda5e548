#include "sound.h"

#include <canberra.h>

#include <condition_variable>
#include <mutex>

namespace quiz {

namespace {

constexpr uint32_t answerSoundId = 1;

class CanberraBackend final : public SoundBackend {
public:
    ~CanberraBackend() override
    {
        if (m_context)
            ca_context_destroy(m_context);
    }

    bool playFile(const QString& path, bool wait) override
    {
        const QByteArray file = path.toLocal8Bit();
        return start(CA_PROP_MEDIA_FILENAME, file.constData(), wait);
    }

    bool playDefault(bool wait) override { return start(CA_PROP_EVENT_ID, "bell", wait); }

    void stop() override
    {
        if (m_context)
            ca_context_cancel(m_context, answerSoundId);
    }

private:
    ca_context* context()
    {
        // Created on first use, so start-up never waits for the sound server.
        if (!m_context && !m_failed) {
            if (ca_context_create(&m_context) != CA_SUCCESS) {
                m_context = nullptr;
                m_failed = true;
                return nullptr;
            }
            ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, "Dotwise",
                                    CA_PROP_APPLICATION_ID, "org.quillmark.Dotwise", nullptr);
        }
        return m_context;
    }

    struct Waiter {
        std::mutex mutex;
        std::condition_variable ended;
        bool done = false;
    };

    static void finished(ca_context*, uint32_t, int, void* userdata)
    {
        auto* waiter = static_cast<Waiter*>(userdata);
        const std::lock_guard lock(waiter->mutex);
        waiter->done = true;
        waiter->ended.notify_all();
    }

    bool start(const char* property, const char* value, bool wait)
    {
        if (!context())
            return false;
        ca_proplist* props = nullptr;
        if (ca_proplist_create(&props) != CA_SUCCESS)
            return false;
        ca_proplist_sets(props, property, value);
        ca_proplist_sets(props, CA_PROP_CANBERRA_CACHE_CONTROL, "never");
        int result = CA_SUCCESS;
        if (!wait) {
            result = ca_context_play_full(m_context, answerSoundId, props, nullptr, nullptr);
        } else {
            Waiter waiter;
            result = ca_context_play_full(m_context, answerSoundId, props, &finished, &waiter);
            if (result == CA_SUCCESS) {
                std::unique_lock lock(waiter.mutex);
                waiter.ended.wait(lock, [&] { return waiter.done; });
            }
        }
        ca_proplist_destroy(props);
        return result == CA_SUCCESS;
    }

    ca_context* m_context = nullptr;
    bool m_failed = false;
};

} // namespace

std::unique_ptr<SoundPlayer> createPlatformSoundPlayer()
{
    return std::make_unique<EventSoundPlayer>(std::make_unique<CanberraBackend>());
}

} // namespace quiz
