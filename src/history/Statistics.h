#pragma once

#include <string>

namespace courtlog {

// n of d as a whole percentage followed by "%": the quotient is taken in double precision,
// then multiplied by 100 and rounded half to even (1 of 8 is 12%, 3 of 8 is 38%).
std::string Percent(int n, int d);

}  // namespace courtlog
