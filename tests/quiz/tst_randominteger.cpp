#include "support/testsupport.h"

#include "quiz/randominteger.h"
#include "shell/runtime.h"

#include <QTest>

#include <cmath>

using namespace quiz;

class TestRandomInteger : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bounds_data();
    void bounds();
    void overflowingSpan_fails();
    void everyValueOccurs_data();
    void everyValueOccurs();
    void sameTick_stillVaries();
};

void TestRandomInteger::bounds_data()
{
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("expected");
    const float belowOne = std::nextafter(1.0f, 0.0f);
    QTest::newRow("position, r=0") << 0 << 3 << 0.0f << 0;
    QTest::newRow("position, r just below 1") << 0 << 3 << belowOne << 3;
    QTest::newRow("picture, r=0") << 101 << 126 << 0.0f << 101;
    QTest::newRow("picture, r just below 1") << 101 << 126 << belowOne << 126;
    QTest::newRow("letter, r just below 1") << 65 << 90 << belowOne << 90;
    QTest::newRow("letter, r=0.5") << 65 << 90 << 0.5f << 78;
    QTest::newRow("single value") << 7 << 7 << belowOne << 7;
    QTest::newRow("negative low, r just below 1") << -100 << 100 << belowOne << 100;
}

void TestRandomInteger::bounds()
{
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(float, r);
    QFETCH(int, expected);
    testing::FixedClock clock;
    testing::ScriptedGenerator generator;
    generator.values = {r};
    QCOMPARE(int(RandomInteger(clock, generator, qint16(low), qint16(high))), expected);
    QCOMPARE(generator.reseeds, 1);
}

void TestRandomInteger::overflowingSpan_fails()
{
    testing::FixedClock clock;
    testing::ScriptedGenerator generator;
    QVERIFY_THROWS_EXCEPTION(shell::RuntimeError, RandomInteger(clock, generator, -32768, 32767));
    QVERIFY_THROWS_EXCEPTION(shell::RuntimeError, RandomInteger(clock, generator, -1, 32767));
}

void TestRandomInteger::everyValueOccurs_data()
{
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::newRow("positions") << 0 << 3;
    QTest::newRow("pictures") << 101 << 126;
    QTest::newRow("letters") << 65 << 90;
}

void TestRandomInteger::everyValueOccurs()
{
    QFETCH(int, low);
    QFETCH(int, high);
    testing::FixedClock clock;
    shell::MixingGenerator generator(99);
    QList<int> counts(high - low + 1, 0);
    const int draws = 1000 * int(counts.size());
    for (int i = 0; i < draws; ++i) {
        const int v = RandomInteger(clock, generator, qint16(low), qint16(high));
        QVERIFY(v >= low && v <= high);
        ++counts[v - low];
    }
    // Uniform: every value within 20 % of its expected 1000.
    for (int c : counts)
        QVERIFY2(c > 800 && c < 1200, qPrintable(QString::number(c)));
}

void TestRandomInteger::sameTick_stillVaries()
{
    testing::FixedClock clock; // the clock never moves
    shell::MixingGenerator generator;
    QSet<int> seen;
    for (int i = 0; i < 200; ++i)
        seen.insert(RandomInteger(clock, generator, 65, 90));
    QCOMPARE(seen.size(), 26);
}

QTEST_GUILESS_MAIN(TestRandomInteger)
#include "tst_randominteger.moc"
