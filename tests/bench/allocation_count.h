#pragma once

#include <cstdint>

namespace zelkor::bench {

// Every allocation this program makes through operator new, counted.
std::int64_t AllocationsSoFar();

}  // namespace zelkor::bench
