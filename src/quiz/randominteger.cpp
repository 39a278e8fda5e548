#include "randominteger.h"

#include "shell/runtime.h"

#include <cmath>

namespace quiz {

qint16 RandomInteger(shell::Clock& clock, shell::RandomGenerator& generator, qint16 low,
                     qint16 high)
{
    shell::randomizeFromTimer(clock, generator);
    const float r = generator.next();
    const qint16 span = shell::checkedAdd(shell::checkedSub(high, low), 1);
    // In double: a single-precision sum would round r just below 1 up to high + 1.
    const double value = double(float(span)) * double(r) + double(float(low));
    return shell::toInt16(std::floor(value));
}

} // namespace quiz
