#pragma once

#include <cstdint>

namespace zelkor {

// Every allocation the program linking allocation_count.cpp makes through operator
// new, counted (that file replaces the global operators new and delete).
std::int64_t AllocationsSoFar();

}  // namespace zelkor
