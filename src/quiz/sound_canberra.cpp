#include "sound.h"

#include "shell/services.h"

#include <canberra.h>
#include <dlfcn.h>

#include <type_traits>

#include <condition_variable>
#include <mutex>

namespace quiz {

namespace {

// libcanberra and the codecs it pulls in are loaded at the first sound,
// not at start-up: the program starts as fast as if it had no sound.
struct Canberra {
    decltype(&::ca_context_create) context_create = nullptr;
    decltype(&::ca_context_destroy) context_destroy = nullptr;
    decltype(&::ca_context_change_props) context_change_props = nullptr;
    decltype(&::ca_context_cancel) context_cancel = nullptr;
    decltype(&::ca_context_play_full) context_play_full = nullptr;
    decltype(&::ca_proplist_create) proplist_create = nullptr;
    decltype(&::ca_proplist_sets) proplist_sets = nullptr;
    decltype(&::ca_proplist_destroy) proplist_destroy = nullptr;

    // Null when the library is missing: then there is no sound.
    static const Canberra* get()
    {
        static const Canberra* const loaded = [] {
            static Canberra api;
            void* library = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
            if (!library)
                return static_cast<const Canberra*>(nullptr);
            const auto bind = [library](auto& function, const char* name) {
                function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                    dlsym(library, name));
                return function != nullptr;
            };
            const bool complete = bind(api.context_create, "ca_context_create") &&
                                  bind(api.context_destroy, "ca_context_destroy") &&
                                  bind(api.context_change_props, "ca_context_change_props") &&
                                  bind(api.context_cancel, "ca_context_cancel") &&
                                  bind(api.context_play_full, "ca_context_play_full") &&
                                  bind(api.proplist_create, "ca_proplist_create") &&
                                  bind(api.proplist_sets, "ca_proplist_sets") &&
                                  bind(api.proplist_destroy, "ca_proplist_destroy");
            return complete ? static_cast<const Canberra*>(&api) : nullptr;
        }();
        return loaded;
    }
};

constexpr uint32_t answerSoundId = 1;

class CanberraBackend final : public SoundBackend {
public:
    ~CanberraBackend() override
    {
        if (m_context)
            m_api->context_destroy(m_context);
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
            m_api->context_cancel(m_context, answerSoundId);
    }

private:
    ca_context* context()
    {
        // Created on first use, so start-up never waits for the sound server.
        if (!m_context && !m_failed) {
            m_api = Canberra::get();
            if (!m_api || m_api->context_create(&m_context) != CA_SUCCESS) {
                m_context = nullptr;
                m_failed = true;
                return nullptr;
            }
            m_api->context_change_props(m_context, CA_PROP_APPLICATION_NAME,
                                        qUtf8Printable(shell::productTitle), CA_PROP_APPLICATION_ID,
                                        qUtf8Printable(shell::applicationId), nullptr);
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
        if (m_api->proplist_create(&props) != CA_SUCCESS)
            return false;
        m_api->proplist_sets(props, property, value);
        m_api->proplist_sets(props, CA_PROP_CANBERRA_CACHE_CONTROL, "never");
        int result = CA_SUCCESS;
        if (!wait) {
            result = m_api->context_play_full(m_context, answerSoundId, props, nullptr, nullptr);
        } else {
            Waiter waiter;
            result = m_api->context_play_full(m_context, answerSoundId, props, &finished, &waiter);
            if (result == CA_SUCCESS) {
                std::unique_lock lock(waiter.mutex);
                waiter.ended.wait(lock, [&] { return waiter.done; });
            }
        }
        m_api->proplist_destroy(props);
        return result == CA_SUCCESS;
    }

    const Canberra* m_api = nullptr;
    ca_context* m_context = nullptr;
    bool m_failed = false;
};

} // namespace

std::unique_ptr<SoundPlayer> createPlatformSoundPlayer()
{
    return std::make_unique<EventSoundPlayer>(std::make_unique<CanberraBackend>());
}

} // namespace quiz
