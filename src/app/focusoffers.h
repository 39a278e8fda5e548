#pragma once

namespace app {

// Installs, where the window system needs it, the filter that keeps a
// window manager's late focus offers from activating a question or the
// summary a second time. Call once, after the application exists.
void ignoreStaleFocusOffers();

} // namespace app
