// ost.txt as the fuzzer makes it, alone in a route folder beside an advertising folder.

#include "routefuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    RouteFuzz::checkRoundTrip(fuzzInput(data, size), QStringLiteral("route/ost.txt"));
    return 0;
}
