#include "focusoffers.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace app {
namespace {

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    const auto cookie = xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// When the focused question closes, the window manager offers the focus
// to the main window with WM_TAKE_FOCUS, as the main window takes none
// while a test runs, and Qt hands the offer on to the window that blocks
// it. An offer that arrives once the next question or the summary already
// has the focus would only activate that window again, and a screen reader
// would announce it twice: such an offer is declined.
class StaleFocusOfferFilter final : public QAbstractNativeEventFilter {
public:
    explicit StaleFocusOfferFilter(xcb_connection_t* connection)
        : m_protocols(internAtom(connection, "WM_PROTOCOLS")),
          m_takeFocus(internAtom(connection, "WM_TAKE_FOCUS"))
    {}

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
            return false;
        const auto* offer = static_cast<const xcb_client_message_event_t*>(message);
        if (offer->format != 32 || offer->type != m_protocols ||
            offer->data.data32[0] != m_takeFocus)
            return false;
        const QWindow* modal = QGuiApplication::modalWindow();
        return modal && modal == QGuiApplication::focusWindow() && modal->winId() != offer->window;
    }

private:
    xcb_atom_t m_protocols;
    xcb_atom_t m_takeFocus;
};

} // namespace

void ignoreStaleFocusOffers()
{
    // The offscreen platform offers the X11 interface without a connection.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    // Lives as long as the application, which removes it when it goes.
    static StaleFocusOfferFilter filter(x11->connection());
    qGuiApp->installNativeEventFilter(&filter);
}

} // namespace app
