// sidetab.txt as the fuzzer makes it, in a route folder that holds a small route.

#include "routefuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    RouteFuzz::checkRoundTrip(fuzzInput(data, size), QStringLiteral("route/sidetab.txt"));
    return 0;
}
