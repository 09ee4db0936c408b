// The stub's own file size, where the payload of a package begins; the main program writes packages that
// begin with the stub too. The build pads QVL.dat to exactly this size and fails when the linked program is
// larger (stub/PadStub.cmake).
#pragma once

#include <cstdint>

namespace Stub {

constexpr int64_t StubSize = 368640;

}  // namespace Stub
