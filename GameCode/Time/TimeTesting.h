// Test-only access to the random recurrence's state.
#pragma once

#include <cstdint>

namespace Time::testing {

std::int32_t RandomState();
void SetRandomState(std::int32_t value);

}  // namespace Time::testing
