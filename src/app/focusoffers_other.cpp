#include "focusoffers.h"

namespace app {

void ignoreStaleFocusOffers() {}

} // namespace app
