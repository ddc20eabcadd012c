#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

class RouteData;

// The checks every route-folder fuzzer makes: its input is written into a fresh route folder,
// which is loaded and saved, loaded again and saved again. The route read back must be the route
// saved wherever the route check reports no loss, and differ where it reports one; the second
// save must write the bytes of the first, so that saving an opened route twice never drifts.
namespace RouteFuzz {

// inputPath is relative to the parent folder of the route folder "route", whose advertising
// folder "Reklama" stands beside it: "route/ost.txt", "Reklama/rscript.txt". Every other
// route file is missing except ost.txt, which holds a small two-language route.
void checkRoundTrip(const QByteArray &input, const QString &inputPath);

// True when the route holds something that the files cannot carry unchanged through a save
// and a load; such inputs are left out of the check. Each case is named in the source.
bool hasUnwritableContent(const RouteData &route);

// Reports the failed promise with the input's context and aborts, so that libFuzzer keeps
// the input as a crash.
[[noreturn]] void fail(const QString &message);

} // namespace RouteFuzz

// The input bytes as the QByteArray the readers take.
inline QByteArray fuzzInput(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), int(size));
}
