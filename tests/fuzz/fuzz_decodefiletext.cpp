// decodeFileText, which every reader applies to each text field. The writers put texts back
// in UTF-8, so decoding what they wrote must give the same text again; otherwise a field
// would change on every save.

#include "routefuzz.h"
#include "textrules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = decodeFileText(fuzzInput(data, size));
    const QString again = decodeFileText(text.toUtf8());
    if (again != text)
        RouteFuzz::fail(QStringLiteral("decoding the written text gives another text: ")
                        + QString::fromLatin1(text.toUtf8().toPercentEncoding(" ")));
    return 0;
}
