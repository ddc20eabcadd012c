#include "tablodatetime.h"
#include "tablotexthelpform.h"

#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QtTest>

class TestTabloDateTime : public QObject
{
    Q_OBJECT

private slots:
    void formatAtMoment_data();
    void formatAtMoment();
    void formatUsesCurrentTime();
    void helpFormListsCommands();
};

void TestTabloDateTime::formatAtMoment_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("text");

    const QDateTime april2007(QDate(2007, 4, 3), QTime(9, 5));
    const QDateTime december2026(QDate(2026, 12, 7), QTime(12, 5));
    const QDateTime may2005(QDate(2005, 5, 1), QTime(0, 0));

    QTest::newRow("single letters") << QStringLiteral("h:m d.M.yy") << april2007 << QStringLiteral("9:5 3.4.7");
    QTest::newRow("default date message")
        << QStringLiteral("'<&F1 <&L06'   hh:mm  dd.MM.yyyy>") << december2026
        << QStringLiteral("<&F1 <&L06   12:05  07.12.2026>");
    QTest::newRow("side separator") << QStringLiteral("hh:mm dd.MM.yy") << december2026
                                    << QStringLiteral("12:05 07.12.26");
    QTest::newRow("empty") << QString() << december2026 << QString();
    QTest::newRow("yyy is yy then y") << QStringLiteral("yyy") << april2007 << QStringLiteral("77");
    QTest::newRow("short year unpadded") << QStringLiteral("yy") << may2005 << QStringLiteral("5");
    QTest::newRow("unterminated quote") << QStringLiteral("hh 'hh:mm") << april2007 << QStringLiteral("09 hh:mm");
    QTest::newRow("letters apart") << QStringLiteral("h h") << april2007 << QStringLiteral("9 9");
}

void TestTabloDateTime::formatAtMoment()
{
    QFETCH(QString, format);
    QFETCH(QDateTime, moment);
    QFETCH(QString, text);
    QCOMPARE(formatTabloDateTime(format, moment), text);
}

void TestTabloDateTime::formatUsesCurrentTime()
{
    // The minute may roll over during the call, so either side of it is accepted.
    const QString format = QStringLiteral("yyyy-MM-dd hh:mm");
    const QString before = formatTabloDateTime(format, QDateTime::currentDateTime());
    const QString text = formatTabloDateTime(format);
    const QString after = formatTabloDateTime(format, QDateTime::currentDateTime());
    QVERIFY2(text == before || text == after, qPrintable(text + QStringLiteral(" not in ") + before
                                                         + QStringLiteral(" … ") + after));
}

void TestTabloDateTime::helpFormListsCommands()
{
    const QStringList commands{
        QStringLiteral("<&F1 - переключить на тонкий шрифт, <&F0 - на толстый;"),
        QStringLiteral("<&P10 Текст> - выводит текст на заданное время в секундах;"),
        QStringLiteral("<&V10 Текст> - текст плавно опустится сверху;"),
        QStringLiteral("<&G10 Текст> - текст по буквам вылетит справа;"),
        QStringLiteral("<&C10 Текст> – текст появится из случайных точек;"),
        QStringLiteral("<&H10 Текст> – текст постепенно появится слева;"),
        QStringLiteral("<&L10 Текст> – текст постепенно появится сверху;"),
        QStringLiteral("<&R10 Текст> – случайный эффект из выше перечисленных."),
    };

    TabloTextHelpForm form;
    const auto *groupBox = form.findChild<QGroupBox *>();
    QVERIFY2(groupBox, "the form has no group box");
    QCOMPARE(groupBox->title(), QStringLiteral("Перечень команд"));

    const QLayout *layout = groupBox->layout();
    QVERIFY2(layout, "the group box has no layout");
    QCOMPARE(layout->count(), commands.size());
    for (int i = 0; i < commands.size(); ++i) {
        const auto *label = qobject_cast<QLabel *>(layout->itemAt(i)->widget());
        QVERIFY2(label, qPrintable(QStringLiteral("line %1 is not a label").arg(i + 1)));
        QCOMPARE(label->text(), commands.at(i));
        // "<" and "&" must reach the screen as typed, not as markup or a mnemonic.
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(!label->buddy());
        QVERIFY(label->wordWrap());
    }
}

QTEST_MAIN(TestTabloDateTime)
#include "tst_tablodatetime.moc"
