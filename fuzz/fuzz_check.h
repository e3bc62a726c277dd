// A property a fuzz target insists on: a broken one stops the run where libFuzzer sees it.
#pragma once

#include <cstdlib>

namespace orv::fuzz {

inline void check(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace orv::fuzz
