#include "dialogguard.h"
#include "pagedriver.h"
#include "testsettings.h"
#include "texteditordlg.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <memory>

// The stop text editor on real files in a temporary folder, driven through its buttons, the
// window's close and the Esc key.
class TestTextEditorDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void openAndSave_data();
    void openAndSave();
    void saveFollowsChanges();
    void helpButtonTogglesCommandList();
    void closePrompt_data();
    void closePrompt();
    void unchangedClosesWithoutAsking_data();
    void unchangedClosesWithoutAsking();
    void missingFileIsCreated();
    void failedSaveKeepsText_data();
    void failedSaveKeepsText();

private:
    QString writeFile(const QString &name, const QByteArray &content) const;

    TestSettings m_settings;
    QTemporaryDir m_folder;
    std::unique_ptr<DialogGuard> m_dialogs;
};

namespace {

enum class Closing { Window, Escape };

QPlainTextEdit *editor(const TextEditorDlg &dialog)
{
    return dialog.findChild<QPlainTextEdit *>(QStringLiteral("plainTextEdit"));
}

QPushButton *button(const TextEditorDlg &dialog, const char *name)
{
    return dialog.findChild<QPushButton *>(QLatin1String(name));
}

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

void requestClose(TextEditorDlg &dialog, Closing closing)
{
    if (closing == Closing::Window)
        dialog.close();
    else
        QTest::keyClick(editor(dialog), Qt::Key_Escape);
}

} // namespace

Q_DECLARE_METATYPE(Closing)

void TestTextEditorDlg::initTestCase()
{
    QVERIFY(m_folder.isValid());
}

void TestTextEditorDlg::init()
{
    m_dialogs = std::make_unique<DialogGuard>();
}

void TestTextEditorDlg::cleanup()
{
    m_dialogs.reset();
}

QString TestTextEditorDlg::writeFile(const QString &name, const QByteArray &content) const
{
    const QString path = m_folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestTextEditorDlg::openAndSave_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("saved");

    const QString longText = QStringLiteral("Следующая остановка — Центральный рынок.\n").repeated(40);
    QTest::newRow("longer than 1024 bytes") << longText.toUtf8() << longText << longText.toUtf8();
    const QString oldText = QStringLiteral("Остановка «Вокзал»\nКонечная");
    QTest::newRow("Windows-1251 becomes UTF-8")
        << QTextCodec::codecForName("Windows-1251")->fromUnicode(oldText) << oldText << oldText.toUtf8();
    QTest::newRow("empty") << QByteArray() << QString() << QByteArray();
    QTest::newRow("CR LF kept") << QByteArray("a\r\nb\r\n") << QStringLiteral("a\nb\n") << QByteArray("a\r\nb\r\n");
}

void TestTextEditorDlg::openAndSave()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, shown);
    QFETCH(QByteArray, saved);
    const QString path = writeFile(QStringLiteral("text.txt"), content);
    TextEditorDlg dialog;

    QVERIFY(dialog.open(path));
    QCOMPARE(editor(dialog)->toPlainText(), shown);
    QVERIFY(dialog.windowTitle().startsWith(QStringLiteral("text.txt")));
    QVERIFY(!button(dialog, "saveBtn")->isEnabled());
    QVERIFY(dialog.save());
    QCOMPARE(fileContent(path), saved);
}

void TestTextEditorDlg::saveFollowsChanges()
{
    const QString path = writeFile(QStringLiteral("save.txt"), QByteArrayLiteral("Start"));
    TextEditorDlg dialog;
    dialog.open(path);
    QPushButton *save = button(dialog, "saveBtn");

    PageDriver::typeText(editor(dialog), QStringLiteral("А"));
    QVERIFY(save->isEnabled());
    save->click();
    QVERIFY(!save->isEnabled());
    QCOMPARE(fileContent(path), QStringLiteral("АStart").toUtf8());

    PageDriver::typeText(editor(dialog), QStringLiteral("Б"));
    QVERIFY(save->isEnabled());
    button(dialog, "undoBtn")->click();
    QCOMPARE(editor(dialog)->toPlainText(), QStringLiteral("АStart"));
    QVERIFY2(!save->isEnabled(), "undoing back to the saved text leaves nothing to save");
    button(dialog, "redoBtn")->click();
    QVERIFY(save->isEnabled());
}

void TestTextEditorDlg::helpButtonTogglesCommandList()
{
    TextEditorDlg dialog;
    dialog.show();
    QWidget *help = dialog.findChild<QWidget *>(QStringLiteral("helpWidget"));
    QVERIFY(help->isVisible());
    button(dialog, "helpBtn")->click();
    QVERIFY(!help->isVisible());
    button(dialog, "helpBtn")->click();
    QVERIFY(help->isVisible());
}

void TestTextEditorDlg::closePrompt_data()
{
    QTest::addColumn<Closing>("closing");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("onDisk");

    const QList<QPair<const char *, Closing>> closings{{"window", Closing::Window}, {"Esc", Closing::Escape}};
    for (const auto &[name, closing] : closings) {
        QTest::addRow("%s, save", name) << closing << QStringLiteral("Сохранить") << true << QStringLiteral("Новый");
        QTest::addRow("%s, discard", name) << closing << QStringLiteral("Не сохранять") << true << QString();
        QTest::addRow("%s, cancel", name) << closing << QStringLiteral("Отмена") << false << QString();
    }
}

void TestTextEditorDlg::closePrompt()
{
    QFETCH(Closing, closing);
    QFETCH(QString, answer);
    QFETCH(bool, closed);
    QFETCH(QString, onDisk);
    const QString path = writeFile(QStringLiteral("prompt.txt"), QByteArray());
    TextEditorDlg dialog;
    dialog.open(path);
    QVERIFY(PageDriver::activate(&dialog));
    PageDriver::typeText(editor(dialog), QStringLiteral("Новый"));

    m_dialogs->answerMessage(answer);
    requestClose(dialog, closing);
    QCOMPARE(m_dialogs->seenTexts().size(), 1);
    QCOMPARE(dialog.isVisible(), !closed);
    QCOMPARE(QString::fromUtf8(fileContent(path)), onDisk);
    if (!closed) {
        QCOMPARE(editor(dialog)->toPlainText(), QStringLiteral("Новый"));
        QVERIFY(button(dialog, "saveBtn")->isEnabled());
    }
}

void TestTextEditorDlg::unchangedClosesWithoutAsking_data()
{
    QTest::addColumn<Closing>("closing");
    QTest::addColumn<bool>("typeAndUndo");

    QTest::newRow("window") << Closing::Window << false;
    QTest::newRow("Esc") << Closing::Escape << false;
    QTest::newRow("Esc after undoing the typing") << Closing::Escape << true;
}

void TestTextEditorDlg::unchangedClosesWithoutAsking()
{
    QFETCH(Closing, closing);
    QFETCH(bool, typeAndUndo);
    const QString path = writeFile(QStringLiteral("same.txt"), QByteArrayLiteral("Same"));
    TextEditorDlg dialog;
    dialog.open(path);
    if (typeAndUndo) {
        PageDriver::typeText(editor(dialog), QStringLiteral("Ж"));
        button(dialog, "undoBtn")->click();
    }

    // A prompt would be closed and named by the guard: an unchanged text closes without one.
    m_dialogs->expect<TextEditorDlg>([closing](TextEditorDlg *shown) {
        requestClose(*shown, closing);
        return true;
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(fileContent(path), QByteArrayLiteral("Same"));
}

void TestTextEditorDlg::missingFileIsCreated()
{
    const QString path = m_folder.filePath(QStringLiteral("new.txt"));
    TextEditorDlg dialog;

    QVERIFY(dialog.open(path));
    QVERIFY(editor(dialog)->toPlainText().isEmpty());
    PageDriver::typeText(editor(dialog), QStringLiteral("Текст"));
    button(dialog, "saveBtn")->click();
    QCOMPARE(fileContent(path), QStringLiteral("Текст").toUtf8());
}

void TestTextEditorDlg::failedSaveKeepsText_data()
{
    QTest::addColumn<bool>("viaClosePrompt");
    QTest::addColumn<QStringList>("answers");

    QTest::newRow("save button") << false << QStringList{QStringLiteral("OK")};
    QTest::newRow("close prompt") << true << QStringList{QStringLiteral("Сохранить"), QStringLiteral("OK")};
}

void TestTextEditorDlg::failedSaveKeepsText()
{
    QFETCH(bool, viaClosePrompt);
    QFETCH(QStringList, answers);
    // A folder that is a regular file cannot be written into, not even by root.
    const QString path = writeFile(QStringLiteral("notAFolder"), QByteArray()) + QStringLiteral("/text.txt");
    TextEditorDlg dialog;
    dialog.open(path);
    QVERIFY(PageDriver::activate(&dialog));
    PageDriver::typeText(editor(dialog), QStringLiteral("Несохраненный"));

    for (const QString &answer : answers)
        m_dialogs->answerMessage(answer);
    if (viaClosePrompt)
        dialog.close();
    else
        button(dialog, "saveBtn")->click();
    QCOMPARE(m_dialogs->seenTexts().size(), answers.size());
    QVERIFY(dialog.isVisible());
    QCOMPARE(editor(dialog)->toPlainText(), QStringLiteral("Несохраненный"));
    QVERIFY(editor(dialog)->document()->isModified());
    QVERIFY(button(dialog, "saveBtn")->isEnabled());
}

QTEST_MAIN(TestTextEditorDlg)
#include "tst_texteditordlg.moc"
