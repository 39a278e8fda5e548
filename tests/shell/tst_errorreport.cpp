#include "support/testsupport.h"

#include "shell/errorreport.h"
#include "shell/runtime.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QSet>
#include <QTest>
#include <QTimer>

using namespace shell;

class TestErrorReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void message_isBuiltPieceByPiece();
    void tags_data();
    void tags();
    void tags_areAllDistinct();
    void failure_resumesWithNextStatement();
    void twoFailures_giveTwoReports();
    void failingConditionHead_entersBody();
    void valueStatement_emptyWhenFailed();
    void descriptions_data();
    void descriptions();
    void guarded_swallowsEverything();
    void messageBox_isModalWarningWithOneOk();
};

void TestErrorReport::message_isBuiltPieceByPiece()
{
    const QString expected =
        QStringLiteral("Overflow\r\nin Dotwise2021/08/31.Form1.PushButton1_Click "
                       "at line 108\r\rPlease email screenshot of this "
                       "message to ") +
        QLatin1String(supportAddress);
    QCOMPARE(errorMessage(QStringLiteral("Overflow"), Procedure::Form1_PushButton1_Click, 108),
             expected);
    QVERIFY(QString::fromLatin1(supportAddress).contains(u'@'));
}

void TestErrorReport::tags_data()
{
    QTest::addColumn<Procedure>("procedure");
    QTest::addColumn<QString>("tag");
    QTest::newRow("main load") << Procedure::Form1_Form_Load
                               << "in Dotwise2021/08/31.Form1.Form_Load ";
    QTest::newRow("review button")
        << Procedure::Form1_PushButton2_Click << "in Dotwise2021/08/31.Form1.PushButton2_Click ";
    QTest::newRow("fourth letter")
        << Procedure::Form2_PushButton4_Click << "in Dotwise2021/08/31.Form2.PushButton4_Click ";
    QTest::newRow("results") << Procedure::Form3_LoadResults
                             << "in Dotwise2021/08/31.Form3.LoadResults ";
    QTest::newRow("next") << Procedure::Form4_PushButton1_Click
                          << "in Dotwise2021/08/31.Form4.PushButton1_Click ";
}

void TestErrorReport::tags()
{
    QFETCH(Procedure, procedure);
    QFETCH(QString, tag);
    QCOMPARE(errorTag(procedure), tag);
}

void TestErrorReport::tags_areAllDistinct()
{
    QSet<QString> seen;
    for (int i = 0; i < procedureCount; ++i) {
        const QString tag = errorTag(Procedure(i));
        QVERIFY2(tag.startsWith(QStringLiteral("in Dotwise2021/08/31.Form")), qPrintable(tag));
        QVERIFY(tag.endsWith(u' '));
        seen.insert(tag);
    }
    QCOMPARE(seen.size(), procedureCount);
}

void TestErrorReport::failure_resumesWithNextStatement()
{
    testing::RecordingSink sink;
    QStringList ran;
    ErrorReport e(Procedure::Form1_PushButton1_Click, sink);
    e.run(106, [&] { ran << "106"; });
    e.run(108, [&] {
        ran << "108 started";
        raise(ErrorNumber::Overflow);
        ran << "108 finished";
    });
    e.run(110, [&] { ran << "110"; });
    QCOMPARE(ran, (QStringList{"106", "108 started", "110"}));
    QCOMPARE(sink.messages.size(), 1);
    QVERIFY(sink.messages[0].startsWith(QStringLiteral(
        "Overflow\r\nin Dotwise2021/08/31.Form1.PushButton1_Click at line 108\r\r")));
}

void TestErrorReport::twoFailures_giveTwoReports()
{
    testing::RecordingSink sink;
    ErrorReport e(Procedure::Form3_LoadResults, sink);
    e.run(104, [] { raise(ErrorNumber::DivisionByZero); });
    e.run(106, [] {});
    e.run(108, [] { raise(ErrorNumber::TypeMismatch); });
    QCOMPARE(sink.messages.size(), 2);
    QVERIFY(sink.messages[0].contains(QStringLiteral("LoadResults at line 104")));
    QVERIFY(sink.messages[0].startsWith(QStringLiteral("Division by zero")));
    QVERIFY(sink.messages[1].contains(QStringLiteral("LoadResults at line 108")));
}

void TestErrorReport::failingConditionHead_entersBody()
{
    testing::RecordingSink sink;
    ErrorReport e(Procedure::Form1_Form_Load, sink);
    bool bodyRan = false;
    if (e.when(106, []() -> bool { raise(ErrorNumber::TypeMismatch); }))
        bodyRan = true;
    QVERIFY(bodyRan);
    QCOMPARE(sink.messages.size(), 1);
    QVERIFY(e.when(106, [] { return true; }));
    QVERIFY(!e.when(106, [] { return false; }));
    QCOMPARE(sink.messages.size(), 1);
}

void TestErrorReport::valueStatement_emptyWhenFailed()
{
    testing::RecordingSink sink;
    ErrorReport e(Procedure::Form1_PushButton1_Click, sink);
    QCOMPARE(e.value(108, [] { return toInt16(QStringLiteral("12"), QLocale::c()); }), qint16(12));
    QVERIFY(!e.value(108, [] { return toInt16(QStringLiteral("40000"), QLocale::c()); }));
    QCOMPARE(sink.messages.size(), 1);
}

void TestErrorReport::descriptions_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("description");
    QTest::newRow("runtime error") << 0 << "Invalid procedure call or argument";
    QTest::newRow("standard exception") << 1 << "bad thing";
    QTest::newRow("out of memory") << 2 << "Out of memory";
    QTest::newRow("anything else") << 3 << "Application-defined or object-defined error";
}

void TestErrorReport::descriptions()
{
    QFETCH(int, kind);
    QFETCH(QString, description);
    testing::RecordingSink sink;
    ErrorReport e(Procedure::Form4_Form_Load, sink);
    e.run(100, [&] {
        switch (kind) {
        case 0:
            raise(ErrorNumber::InvalidCall);
        case 1:
            throw std::runtime_error("bad thing");
        case 2:
            throw std::bad_alloc();
        default:
            throw 42;
        }
    });
    QCOMPARE(sink.messages.size(), 1);
    QVERIFY(sink.messages[0].startsWith(description + QStringLiteral("\r\n")));
}

void TestErrorReport::guarded_swallowsEverything()
{
    bool after = false;
    guarded([] { throw std::runtime_error("no handler here"); });
    guarded([] { throw 1; });
    after = true;
    QVERIFY(after);
}

void TestErrorReport::messageBox_isModalWarningWithOneOk()
{
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = int(box->buttons().size());
        modal = box->isModal();
        box->button(QMessageBox::Ok)->click();
    });
    MessageBoxSink sink;
    const QString message =
        errorMessage(QStringLiteral("Overflow"), Procedure::Form2_Form_Load, 122);
    sink.report(message);
    QCOMPARE(title, QStringLiteral("Application Error"));
    QCOMPARE(text, message);
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(buttons, 1);
    QVERIFY(modal);
}

QTEST_MAIN(TestErrorReport)
#include "tst_errorreport.moc"
