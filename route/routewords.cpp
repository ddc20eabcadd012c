#include "routewords.h"

#include "routedefaults.h"

#include <QHash>

namespace {

RouteWords wordsOf(const char *stop, const char *next, const char *routeText, const char *outside, const char *salon)
{
    return {QString::fromUtf8(stop), QString::fromUtf8(next), QString::fromUtf8(routeText),
            temperatureText(QString::fromUtf8(outside)), temperatureText(QString::fromUtf8(salon))};
}

// The words riders hear in each language, by its primary language tag; Russian ones are those
// of every new route.
const QHash<QString, RouteWords> &knownWords()
{
    static const QHash<QString, RouteWords> words{
        {QStringLiteral("ru"),
         {defaultStationWord(), defaultNextWord(), defaultRouteText(), defaultOutsideTempText(),
          defaultSalonTempText()}},
        {QStringLiteral("en"), wordsOf("Stop", "Next stop", "Route %n.", "Outside", "Inside")},
        {QStringLiteral("de"), wordsOf("Haltestelle", "Nächste Haltestelle", "Linie %n.", "Außen", "Innen")},
        {QStringLiteral("fr"), wordsOf("Arrêt", "Prochain arrêt", "Ligne %n.", "Extérieur", "Intérieur")},
        {QStringLiteral("es"), wordsOf("Parada", "Próxima parada", "Línea %n.", "Exterior", "Interior")},
        {QStringLiteral("uk"), wordsOf("Зупинка", "Наступна зупинка", "Маршрут %n.", "На вулиці", "У салоні")},
        {QStringLiteral("kk"), wordsOf("Аялдама", "Келесі аялдама", "Маршрут %n.", "Сыртта", "Салонда")},
        {QStringLiteral("tt"), wordsOf("Тукталыш", "Киләсе тукталыш", "Маршрут %n.", "Урамда", "Салонда")},
    };
    return words;
}

} // namespace

bool routeWordsFor(const QString &language, RouteWords &words)
{
    const auto found = knownWords().constFind(primaryLanguage(language));
    words = found != knownWords().constEnd() ? *found : knownWords().value(QStringLiteral("en"));
    return found != knownWords().constEnd();
}

QString languageOfStopWord(const QString &word)
{
    for (auto language = knownWords().cbegin(); language != knownWords().cend(); ++language) {
        if (language->stop.compare(word, Qt::CaseInsensitive) == 0)
            return language.key();
    }
    return QString();
}

QString primaryLanguage(const QString &tag)
{
    return tag.trimmed().toLower().section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
}
