#include "shell/runtime.h"

#include <QTest>

using namespace shell;

class TestRuntime : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void toInt16_data();
    void toInt16();
    void isNumeric_data();
    void isNumeric();
    void checkedArithmetic_data();
    void checkedArithmetic();
    void divide_data();
    void divide();
    void numberText_data();
    void numberText();
};

void TestRuntime::toInt16_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("expected"); // -1000000: Type mismatch, 1000000: Overflow

    const int mismatch = -1000000;
    const int overflow = 1000000;
    QTest::newRow("half rounds down to even") << "2.5"
                                              << "C" << 2;
    QTest::newRow("half rounds up to even") << "3.5"
                                            << "C" << 4;
    QTest::newRow("negative half to even") << "-2.5"
                                           << "C" << -2;
    QTest::newRow("fraction above half") << "2.51"
                                         << "C" << 3;
    QTest::newRow("negative") << "-3"
                              << "C" << -3;
    QTest::newRow("zero") << "0"
                          << "C" << 0;
    QTest::newRow("largest") << "32767"
                             << "C" << 32767;
    QTest::newRow("smallest") << "-32768"
                              << "C" << -32768;
    QTest::newRow("rounds into range") << "32767.4"
                                       << "C" << 32767;
    QTest::newRow("rounds out of range") << "32767.5"
                                         << "C" << overflow;
    QTest::newRow("one past largest") << "32768"
                                      << "C" << overflow;
    QTest::newRow("one below smallest") << "-32769"
                                        << "C" << overflow;
    QTest::newRow("forty thousand") << "40000"
                                    << "C" << overflow;
    QTest::newRow("exponent too big") << "1e9"
                                      << "C" << overflow;
    QTest::newRow("exponent in range") << "2E3"
                                       << "C" << 2000;
    QTest::newRow("huge exponent") << "1e999"
                                   << "C" << overflow;
    QTest::newRow("blanks around") << "  12 "
                                   << "C" << 12;
    QTest::newRow("plus sign") << "+7"
                               << "C" << 7;
    QTest::newRow("digit grouping") << "1,000"
                                    << "en_US" << 1000;
    QTest::newRow("empty") << ""
                           << "C" << mismatch;
    QTest::newRow("letters") << "abc"
                             << "C" << mismatch;
    QTest::newRow("trailing letters") << "12abc"
                                      << "C" << mismatch;
    QTest::newRow("lone sign") << "-"
                               << "C" << mismatch;
    QTest::newRow("lone point") << "."
                                << "C" << mismatch;
    QTest::newRow("exponent without digits") << "1e"
                                             << "C" << mismatch;
    QTest::newRow("infinity word") << "inf"
                                   << "C" << mismatch;
    QTest::newRow("not a number word") << "nan"
                                       << "C" << mismatch;
    QTest::newRow("hex") << "0x10"
                         << "C" << mismatch;
    QTest::newRow("comma is decimal in German") << "2,5"
                                                << "de_DE" << 2;
    QTest::newRow("comma is decimal: 3,5") << "3,5"
                                           << "de_DE" << 4;
    QTest::newRow("point groups in German") << "1.000"
                                            << "de_DE" << 1000;
    QTest::newRow("point after comma in German") << "2,5.0"
                                                 << "de_DE" << mismatch;
}

void TestRuntime::toInt16()
{
    QFETCH(QString, text);
    QFETCH(QString, locale);
    QFETCH(int, expected);
    const QLocale loc(locale);
    try {
        const int value = shell::toInt16(text, loc);
        QCOMPARE(value, expected);
    } catch (const RuntimeError& error) {
        if (expected == -1000000) {
            QCOMPARE(error.number(), ErrorNumber::TypeMismatch);
            QCOMPARE(error.description(), QStringLiteral("Type mismatch"));
        } else if (expected == 1000000) {
            QCOMPARE(error.number(), ErrorNumber::Overflow);
            QCOMPARE(error.description(), QStringLiteral("Overflow"));
        } else {
            QFAIL(qPrintable(QStringLiteral("unexpected failure: ") + error.description()));
        }
    }
}

void TestRuntime::isNumeric_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::newRow("integer") << "20" << true;
    QTest::newRow("zero") << "0" << true;
    QTest::newRow("negative") << "-3" << true;
    QTest::newRow("fraction") << "2.5" << true;
    QTest::newRow("leading point") << ".5" << true;
    QTest::newRow("trailing point") << "5." << true;
    QTest::newRow("beyond 16 bits") << "40000" << true;
    QTest::newRow("exponent") << "1e9" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blank") << "   " << false;
    QTest::newRow("letters") << "twenty" << false;
    QTest::newRow("two points") << "1.2.3" << false;
    QTest::newRow("two signs") << "--1" << false;
}

void TestRuntime::isNumeric()
{
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QCOMPARE(shell::isNumeric(text, QLocale::c()), numeric);
}

void TestRuntime::checkedArithmetic_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<bool>("add");     // else subtract
    QTest::addColumn<int>("expected"); // 1000000: Overflow
    QTest::newRow("add") << 3 << 4 << true << 7;
    QTest::newRow("add to largest") << 32766 << 1 << true << 32767;
    QTest::newRow("add past largest") << 32767 << 1 << true << 1000000;
    QTest::newRow("subtract to smallest") << -32767 << 1 << false << -32768;
    QTest::newRow("subtract past smallest") << -32768 << 1 << false << 1000000;
    QTest::newRow("span of extremes") << 32767 << -32768 << false << 1000000;
}

void TestRuntime::checkedArithmetic()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(bool, add);
    QFETCH(int, expected);
    try {
        const int result =
            add ? checkedAdd(qint16(a), qint16(b)) : checkedSub(qint16(a), qint16(b));
        QCOMPARE(result, expected);
    } catch (const RuntimeError& error) {
        QCOMPARE(expected, 1000000);
        QCOMPARE(error.description(), QStringLiteral("Overflow"));
    }
}

void TestRuntime::divide_data()
{
    QTest::addColumn<double>("numerator");
    QTest::addColumn<double>("denominator");
    QTest::addColumn<QString>("failure");
    QTest::newRow("ordinary") << 3.0 << 4.0 << "";
    QTest::newRow("by zero") << 3.0 << 0.0 << "Division by zero";
    QTest::newRow("zero by zero") << 0.0 << 0.0 << "Overflow";
}

void TestRuntime::divide()
{
    QFETCH(double, numerator);
    QFETCH(double, denominator);
    QFETCH(QString, failure);
    try {
        QCOMPARE(shell::divide(numerator, denominator), numerator / denominator);
        QVERIFY(failure.isEmpty());
    } catch (const RuntimeError& error) {
        QCOMPARE(error.description(), failure);
    }
}

void TestRuntime::numberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 75.0 << "C"
                           << "75";
    // The percentages as the results round them (ties to even there).
    QTest::newRow("two decimals") << 3.12 << "C"
                                  << "3.12";
    QTest::newRow("below one") << 0.38 << "C"
                               << "0.38";
    QTest::newRow("one third") << 33.33 << "C"
                               << "33.33";
    QTest::newRow("two thirds") << 66.67 << "C"
                                << "66.67";
    QTest::newRow("no trailing zero") << 12.5 << "C"
                                      << "12.5";
    QTest::newRow("zero") << 0.0 << "C"
                          << "0";
    QTest::newRow("negative zero") << -0.0 << "C"
                                   << "0";
    QTest::newRow("locale separator") << 12.5 << "de_DE"
                                      << "12,5";
    QTest::newRow("no grouping") << 1234.5 << "en_US"
                                 << "1234.5";
}

void TestRuntime::numberText()
{
    QFETCH(double, value);
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QCOMPARE(numberToText(value, QLocale(locale)), text);
}

QTEST_GUILESS_MAIN(TestRuntime)
#include "tst_runtime.moc"
