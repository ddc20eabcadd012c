#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// Installs this build into a temporary prefix, as the Debian package does into /usr, and checks
// what a desktop needs to find Marvolt there. The validators come with Debian's
// desktop-file-utils and appstream; a missing one fails the test, since nothing else would catch
// a desktop entry that menus ignore.
class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installedFile_data();
    void installedFile();
    void validated_data();
    void validated();
    void commandLineWithoutDisplay_data();
    void commandLineWithoutDisplay();

private:
    QTemporaryDir m_prefix;
};

namespace {

// Runs program to its end; true when it exited with exitCode. Its output, or why it did not run,
// is left in output for the failure message.
bool runs(const QString &program, const QStringList &arguments, QString &output, int exitCode = 0,
          const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForStarted()) {
        output = program + QStringLiteral(": ") + process.errorString();
        return false;
    }
    const bool finished = process.waitForFinished(120000);
    output = program + QStringLiteral(":\n") + QString::fromLocal8Bit(process.readAll());
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == exitCode;
}

} // namespace

void TestInstall::initTestCase()
{
    QVERIFY2(m_prefix.isValid(), qPrintable(m_prefix.errorString()));
    QString output;
    QVERIFY2(runs(QStringLiteral(MARVOLT_CMAKE),
                  {QStringLiteral("--install"), QStringLiteral(MARVOLT_BUILD_DIR), QStringLiteral("--prefix"),
                   m_prefix.path()},
                  output),
             qPrintable(output));
}

void TestInstall::installedFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");
    // Width and height of an icon; 0 for the files that are no pictures.
    QTest::addColumn<int>("pixels");

    QTest::newRow("editor") << QStringLiteral("bin/marvolt") << true << 0;
    QTest::newRow("command-line tool") << QStringLiteral("bin/marvolt-route") << true << 0;
    QTest::newRow("desktop entry") << QStringLiteral("share/applications/org.marvolt.Marvolt.desktop") << false << 0;
    QTest::newRow("metainfo") << QStringLiteral("share/metainfo/org.marvolt.Marvolt.metainfo.xml") << false << 0;
    QTest::newRow("scalable icon") << QStringLiteral("share/icons/hicolor/scalable/apps/marvolt.svg") << false << 0;
    for (const int size : {16, 32, 48, 64, 128, 256})
        QTest::addRow("icon %d", size) << QStringLiteral("share/icons/hicolor/%1x%1/apps/marvolt.png").arg(size)
                                       << false << size;
    QTest::newRow("editor manual") << QStringLiteral("share/man/man1/marvolt.1.gz") << false << 0;
    QTest::newRow("tool manual") << QStringLiteral("share/man/man1/marvolt-route.1.gz") << false << 0;
    QTest::newRow("copyright") << QStringLiteral("share/doc/marvolt/copyright") << false << 0;
}

void TestInstall::installedFile()
{
    QFETCH(QString, path);
    QFETCH(bool, executable);
    QFETCH(int, pixels);

    const QFileInfo file(QDir(m_prefix.path()).filePath(path));
    QVERIFY2(file.isFile(), qPrintable(path + QStringLiteral(" is not installed")));
    QCOMPARE(file.isExecutable(), executable);
    QVERIFY(file.size() > 0);
    // The size folder is what a desktop trusts; an icon of another size there is drawn blurred.
    if (pixels > 0)
        QCOMPARE(QImage(file.filePath()).size(), QSize(pixels, pixels));
}

void TestInstall::validated_data()
{
    QTest::addColumn<QString>("validator");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("path");

    QTest::newRow("desktop entry") << QStringLiteral("desktop-file-validate") << QStringList()
                                   << QStringLiteral("share/applications/org.marvolt.Marvolt.desktop");
    QTest::newRow("metainfo") << QStringLiteral("appstreamcli")
                              << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net")}
                              << QStringLiteral("share/metainfo/org.marvolt.Marvolt.metainfo.xml");
}

void TestInstall::validated()
{
    QFETCH(QString, validator);
    QFETCH(QStringList, options);
    QFETCH(QString, path);

    QString output;
    QVERIFY2(runs(validator, options << QDir(m_prefix.path()).filePath(path), output), qPrintable(output));
}

void TestInstall::commandLineWithoutDisplay_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("printed");

    QTest::newRow("help") << QStringLiteral("--help") << 0 << QStringLiteral("--version");
    QTest::newRow("version") << QStringLiteral("--version") << 0 << QStringLiteral("0.1.0");
    QTest::newRow("unknown option") << QStringLiteral("--colour") << 2 << QStringLiteral("colour");
}

// Help, the version and a wrong option are answered before the window needs a display.
void TestInstall::commandLineWithoutDisplay()
{
    QFETCH(QString, option);
    QFETCH(int, exitCode);
    QFETCH(QString, printed);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    QString output;
    QVERIFY2(
        runs(QDir(m_prefix.path()).filePath(QStringLiteral("bin/marvolt")), {option}, output, exitCode, environment),
        qPrintable(output));
    QVERIFY2(output.contains(printed), qPrintable(output));
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
