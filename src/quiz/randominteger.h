#pragma once

#include "shell/platform.h"

namespace quiz {

// A whole number from low to high inclusive. Reseeds from the clock on
// every call; the span is 16-bit arithmetic and fails on overflow.
qint16 RandomInteger(shell::Clock& clock, shell::RandomGenerator& generator, qint16 low,
                     qint16 high);

} // namespace quiz
