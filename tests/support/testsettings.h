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

    // Also forgets what Qt's file dialogs keep in the settings (last folder, history), so that no
    // test starts a dialog where an earlier one left it.
    void clear()
    {
        QSettings().clear();
        QSettings(QStringLiteral("QtProject")).clear();
    }

private:
    QTemporaryDir m_folder;
};
