#include "filemanager.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

namespace {

const QString serviceName = QStringLiteral("org.freedesktop.FileManager1");
const QString fakeConnectionName = QStringLiteral("fakeFileManager");

} // namespace

// Stands in for the desktop's file manager. It has a bus connection of its own, so calls reach
// it through the bus daemon as they would reach another program, and it sees them only when
// this thread's event loop runs.
class FakeFileManager : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    enum Answer { Succeed, Fail, Hold };
    struct Call
    {
        QString method;
        QStringList uris;
        QString startupId;
        QDBusMessage message;
    };

    Answer answer = Succeed;
    QList<Call> calls;

public slots:
    void ShowItems(const QStringList &uris, const QString &startupId)
    {
        receive(QStringLiteral("ShowItems"), uris, startupId);
    }
    void ShowFolders(const QStringList &uris, const QString &startupId)
    {
        receive(QStringLiteral("ShowFolders"), uris, startupId);
    }

private:
    void receive(const QString &method, const QStringList &uris, const QString &startupId)
    {
        calls.append({method, uris, startupId, message()});
        if (answer == Fail)
            sendErrorReply(QDBusError::Failed, QStringLiteral("No window can be opened"));
        else if (answer == Hold)
            setDelayedReply(true);
    }
};

// Takes the place of the desktop's URL opener, so the fallback is seen without opening anything.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls.append(url); }
};

class TestFileManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void showsPath_data();
    void showsPath();
    void returnsBeforeTheCallArrives();
    void failedCallOpensFolder_data();
    void failedCallOpensFolder();
    void answeredCallOpensNothing();
    void missingServiceOpensFolder();

private:
    QTemporaryDir m_folder;
    QDBusConnection m_bus{fakeConnectionName};
    FakeFileManager m_service;
    UrlCatcher m_opener;
};

void TestFileManager::initTestCase()
{
    // Any bus found without the address would be the desktop's, with the user's file manager.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        QSKIP("Needs a session bus of its own: run it through dbus-run-session, as ctest does");
    QVERIFY(m_folder.isValid());
    for (const QString &folder :
         {QStringLiteral("sound"), QStringLiteral("Маршрут 12"), QStringLiteral("Реклама и ролики")})
        QVERIFY(QDir(m_folder.path()).mkdir(folder));
    for (const QString &name : {QStringLiteral("rscript.txt"), QStringLiteral("Маршрут 12/Остановка 1.wav")}) {
        QFile file(m_folder.filePath(name));
        QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
    }
    QVERIFY(QDBusConnection::sessionBus().isConnected());
    m_bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, fakeConnectionName);
    QVERIFY(m_bus.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &m_service,
                                 QDBusConnection::ExportAllSlots));
    QVERIFY(m_bus.registerService(serviceName));
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_opener, "open");
}

void TestFileManager::init()
{
    m_service.answer = FakeFileManager::Succeed;
    m_service.calls.clear();
    m_opener.urls.clear();
}

void TestFileManager::showsPath_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("encodedName");

    QTest::newRow("file") << QStringLiteral("rscript.txt") << QStringLiteral("ShowItems")
                          << QStringLiteral("rscript.txt");
    QTest::newRow("folder") << QStringLiteral("sound") << QStringLiteral("ShowFolders") << QStringLiteral("sound");
    QTest::newRow("blanks and Cyrillic") << QStringLiteral("Маршрут 12/Остановка 1.wav") << QStringLiteral("ShowItems")
                                         << QStringLiteral(
                                                "%D0%9C%D0%B0%D1%80%D1%88%D1%80%D1%83%D1%82%2012/"
                                                "%D0%9E%D1%81%D1%82%D0%B0%D0%BD%D0%BE%D0%B2%D0%BA%D0%B0%201.wav");
    QTest::newRow("folder with blanks and Cyrillic")
        << QStringLiteral("Реклама и ролики") << QStringLiteral("ShowFolders")
        << QStringLiteral("%D0%A0%D0%B5%D0%BA%D0%BB%D0%B0%D0%BC%D0%B0%20%D0%B8%20%D1%80%D0%BE%D0%BB%D0%B8%D0%BA%D0%B8");
}

void TestFileManager::showsPath()
{
    QFETCH(QString, name);
    QFETCH(QString, method);
    QFETCH(QString, encodedName);
    const QString path = m_folder.filePath(name);

    showInFileManager(path);

    QTRY_COMPARE(m_service.calls.size(), 1);
    const FakeFileManager::Call call = m_service.calls.first();
    QCOMPARE(call.method, method);
    QCOMPARE(call.uris.size(), 1);
    const QString uri = call.uris.first();
    QVERIFY2(uri.startsWith(QLatin1String("file:///")) && uri.endsWith(QLatin1Char('/') + encodedName),
             qPrintable(uri));
    QCOMPARE(QUrl(uri).toLocalFile(), path);
    QCOMPARE(call.startupId, QString());
}

void TestFileManager::returnsBeforeTheCallArrives()
{
    m_service.answer = FakeFileManager::Hold;
    const QString path = m_folder.filePath(QStringLiteral("rscript.txt"));
    QElapsedTimer timer;
    timer.start();

    showInFileManager(path);

    // A caller that waited for the answer would either have run the event loop, letting the
    // call in, or sat out the bus's 25-second reply timeout.
    QVERIFY2(m_service.calls.isEmpty(), "the call was handled before showInFileManager returned");
    QVERIFY2(timer.elapsed() < 5000, "showInFileManager waited for the file manager");
    QTRY_COMPARE(m_service.calls.size(), 1);
    QVERIFY(m_opener.urls.isEmpty());
    QVERIFY(m_bus.send(m_service.calls.first().message.createReply()));
}

void TestFileManager::failedCallOpensFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("openedFolder");

    QTest::newRow("file") << QStringLiteral("rscript.txt") << QString();
    QTest::newRow("file in a subfolder") << QStringLiteral("Маршрут 12/Остановка 1.wav")
                                         << QStringLiteral("Маршрут 12");
    QTest::newRow("folder") << QStringLiteral("sound") << QStringLiteral("sound");
}

void TestFileManager::failedCallOpensFolder()
{
    QFETCH(QString, name);
    QFETCH(QString, openedFolder);
    m_service.answer = FakeFileManager::Fail;

    showInFileManager(m_folder.filePath(name));

    QTRY_COMPARE(m_opener.urls.size(), 1);
    QCOMPARE(m_opener.urls.first().toLocalFile(), m_folder.filePath(openedFolder));
}

void TestFileManager::answeredCallOpensNothing()
{
    m_service.answer = FakeFileManager::Hold;
    showInFileManager(m_folder.filePath(QStringLiteral("rscript.txt")));
    showInFileManager(m_folder.filePath(QStringLiteral("sound")));
    QTRY_COMPARE(m_service.calls.size(), 2);

    QVERIFY(m_bus.send(m_service.calls.at(0).message.createReply()));
    QVERIFY(
        m_bus.send(m_service.calls.at(1).message.createErrorReply(QDBusError::Failed, QStringLiteral("No window"))));

    // Answers come back in the order they were sent, so by the time the failed call opens its
    // folder the answered one has been handled too.
    QTRY_COMPARE(m_opener.urls.size(), 1);
    QCOMPARE(m_opener.urls.first().toLocalFile(), m_folder.filePath(QStringLiteral("sound")));
}

void TestFileManager::missingServiceOpensFolder()
{
    if (QDBusConnection::sessionBus().interface()->activatableServiceNames().value().contains(serviceName))
        QSKIP("This bus would start a real file manager for the call");
    QVERIFY(m_bus.unregisterService(serviceName));
    const auto restore = qScopeGuard([this] { m_bus.registerService(serviceName); });

    showInFileManager(m_folder.filePath(QStringLiteral("rscript.txt")));

    QTRY_COMPARE(m_opener.urls.size(), 1);
    QCOMPARE(m_opener.urls.first().toLocalFile(), m_folder.path());
    QVERIFY(m_service.calls.isEmpty());
}

QTEST_GUILESS_MAIN(TestFileManager)
#include "tst_filemanager.moc"
