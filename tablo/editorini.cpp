#include "editorini.h"

#include "linereader.h"
#include "routefile.h"
#include "textrules.h"

#include <array>

namespace {

QString editorIniPath(const QString &folder)
{
    return folder + QLatin1String("/editor.ini");
}

// A key matches when it equals the name or starts with it, so shortened names written by
// hand still count; an empty name therefore means the front board.
FrontTabloType *typeForName(EditorIni &ini, const QByteArray &name)
{
    const std::array<std::pair<QByteArray, FrontTabloType *>, 3> keys{{
        {QByteArrayLiteral("frontTabloType"), &ini.front},
        {QByteArrayLiteral("sideTabloType"), &ini.side},
        {QByteArrayLiteral("backTabloType"), &ini.back},
    }};
    for (const auto &key : keys) {
        if (key.first.startsWith(name))
            return key.second;
    }
    return nullptr;
}

} // namespace

bool EditorIni::read(const QString &folder)
{
    QByteArray content;
    if (!RouteFile::read(editorIniPath(folder), content))
        return false;
    LineReader reader(content);
    QByteArray line;
    while (reader.readLine(line)) {
        const int equals = line.indexOf('=');
        if (equals < 0)
            continue;
        FrontTabloType *type = typeForName(*this, line.left(equals));
        const int value = parseDecimal(line.mid(equals + 1));
        if (type && value >= 0 && value < frontTabloTypeCount)
            *type = FrontTabloType(value);
    }
    return true;
}

bool EditorIni::write(const QString &folder) const
{
    const QByteArray content = "frontTabloType=" + QByteArray::number(front) + "\r\nsideTabloType="
        + QByteArray::number(side) + "\r\nbackTabloType=" + QByteArray::number(back) + "\r\n";
    return RouteFile::write(editorIniPath(folder), content);
}
