#pragma once

#include <QLocale>

class QCoreApplication;

// Installs the interface and Qt texts for locale: Russian for Russian, English for any other.
void installTranslations(QCoreApplication &app, const QLocale &locale = QLocale::system());
