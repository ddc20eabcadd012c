#pragma once

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

// Points the user settings at a temporary folder, so that tests never read or change the
// settings of the person running them.
class TestSettings
{
public:
    TestSettings()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("OOO Vektal"));
        QCoreApplication::setApplicationName(QStringLiteral("Marvolt"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_folder.path());
    }

    void clear() { QSettings().clear(); }

private:
    QTemporaryDir m_folder;
};
