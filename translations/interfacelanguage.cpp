#include "interfacelanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The translators this function installed, found again when the language changes.
const char translatorName[] = "marvolt_translator";

void install(QCoreApplication &app, const QString &fileName, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    translator->setObjectName(QLatin1String(translatorName));
    if (translator->load(fileName, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void installTranslations(QCoreApplication &app, const QLocale &locale)
{
    // The resource is in a static library, whose objects the linker keeps only when asked for.
    Q_INIT_RESOURCE(translations);

    // A deleted translator takes itself out of the application.
    qDeleteAll(app.findChildren<QTranslator *>(QLatin1String(translatorName), Qt::FindDirectChildrenOnly));

    // The interface has two languages, so Qt's dialogs follow it rather than the locale: a German
    // system gets English buttons beside the English texts. Debian's qt_ru.qm only names
    // qtbase_ru.qm and the other modules' files, and QTranslator loads those along with it.
    const QString language = locale.language() == QLocale::Russian ? QStringLiteral("ru") : QStringLiteral("en");
    install(app, QLatin1String("marvolt_") + language, QStringLiteral(":/translations"));
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QString qtTranslations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    const QString qtTranslations = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
    install(app, QLatin1String("qt_") + language, qtTranslations);
}
