#include "random.h"

#include <QRandomGenerator>

#include <ctime>

namespace {

// One generator for the whole program, seeded once like qsrand(time(0)).
QRandomGenerator &generator()
{
    static QRandomGenerator instance;
    return instance;
}

} // namespace

Random::Random()
{
    generator().seed(static_cast<quint32>(std::time(nullptr)));
}

int Random::range(int low, int high)
{
    const int r = static_cast<int>(generator().bounded(32768));
    return static_cast<int>(r * (high - low + 1) * 0.000030517578125) + low;
}
