#pragma once
#include <cstdlib>

// Stops the fuzzer where a property does not hold.
inline void Check(bool condition)
{
    if (!condition)
        std::abort();
}
