#include "quiz/cellpictures.h"

#include "shell/runtime.h"

#include <QTest>

#include <liblouis.h>

using namespace quiz;

namespace {

// The dots liblouis gives a lowercase letter, as bits 0..5 for dots 1..6.
int louisDots(char letter)
{
    const widechar in[1] = {widechar(letter)};
    widechar out[1] = {0};
    if (!lou_charToDots("en-ueb-g1.ctb", in, out, 1, ucBrl))
        return -1;
    return int(out[0]) - 0x2800;
}

// Reads the cell from the picture's pixels: a raised dot is black at its
// centre, a flat one is white inside a dark ring.
int dotsInPicture(const QImage& image, const CellGeometry& g, qreal scale = 1.0)
{
    int dots = 0;
    for (int dot = 0; dot < 6; ++dot) {
        const QPointF c(g.columnX[dot / 3] * scale, g.rowY[dot % 3] * scale);
        const QColor centre = image.pixelColor(int(c.x()), int(c.y()));
        const QColor rim = image.pixelColor(int(c.x() + (g.diameter / 2 - 1) * scale), int(c.y()));
        const QColor outside =
            image.pixelColor(int(c.x() + (g.diameter / 2 + 2) * scale), int(c.y()));
        if (rim.lightness() > 160 || outside.lightness() < 250)
            return -1; // no circle where the geometry puts one
        if (centre.lightness() < 20)
            dots |= 1 << dot;
        else if (centre.lightness() < 250)
            return -1; // neither a disc nor a ring
    }
    return dots;
}

} // namespace

class TestCellPictures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void pictures_data();
    void pictures();
    void frame_data();
    void frame();
    void ring_isThinAndAntialiased();
    void otherNumbers_failLikeMissingResource_data();
    void otherNumbers_failLikeMissingResource();
    void highDpi_drawsAtScreenResolution();
};

void TestCellPictures::initTestCase()
{
    QVERIFY2(louisDots('a') == 1, "liblouis must be installed with the en-ueb-g1 table");
}

void TestCellPictures::pictures_data()
{
    QTest::addColumn<char>("letter");
    for (char c = 'A'; c <= 'Z'; ++c)
        QTest::newRow(QByteArray(1, c).constData()) << c;
}

void TestCellPictures::pictures()
{
    QFETCH(char, letter);
    const int number = letter + 36;
    const QImage image = drawCellPicture(number);
    const bool small = letter == 'A' || letter == 'O';
    QCOMPARE(image.size(), small ? QSize(143, 200) : QSize(154, 215));
    QCOMPARE(image.devicePixelRatio(), 1.0);
    const int dots = dotsInPicture(image, geometryFor(number));
    QCOMPARE(dots, louisDots(char(letter - 'A' + 'a')));
    QCOMPARE(int(raisedDots(QChar(letter)).to_ulong()), dots);
    QCOMPARE(LoadCellPicture(number).size(), image.size());
}

void TestCellPictures::frame_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("A, small") << 101;
    QTest::newRow("O, small") << 115;
    QTest::newRow("Z, large") << 126;
}

void TestCellPictures::frame()
{
    QFETCH(int, number);
    const QImage image = drawCellPicture(number);
    const int w = image.width(), h = image.height();
    const auto inRange = [](QColor c, int low, int high) {
        return c.red() == c.green() && c.green() == c.blue() && c.red() >= low && c.red() <= high;
    };
    QVERIFY(inRange(image.pixelColor(w / 2, 0), 119, 120));
    QVERIFY(inRange(image.pixelColor(0, h / 2), 119, 120));
    QVERIFY(inRange(image.pixelColor(w / 2, h - 1), 135, 137));
    QVERIFY(inRange(image.pixelColor(w - 1, h / 2), 135, 137));
    QCOMPARE(image.pixelColor(w / 2, 1), QColor(Qt::white));
    QCOMPARE(image.pixelColor(1, h - 2), QColor(Qt::white));
}

void TestCellPictures::ring_isThinAndAntialiased()
{
    // "A": dot 4 is flat. Its ring is about one pixel: dark on the rim,
    // white two pixels inside, with grey steps somewhere on the circle.
    const QImage image = drawCellPicture(101);
    const CellGeometry& g = geometryFor(101);
    const QPointF c(g.columnX[1], g.rowY[0]);
    const qreal r = g.diameter / 2;
    QVERIFY(image.pixelColor(int(c.x() + r - 1), int(c.y())).lightness() < 100);
    QCOMPARE(image.pixelColor(int(c.x() + r - 2.5), int(c.y())), QColor(Qt::white));
    bool grey = false;
    for (int y = int(c.y() - r); y <= int(c.y() + r); ++y)
        for (int x = int(c.x() - r); x <= int(c.x() + r); ++x) {
            const int l = image.pixelColor(x, y).lightness();
            grey = grey || (l > 40 && l < 215);
        }
    QVERIFY(grey);
}

void TestCellPictures::otherNumbers_failLikeMissingResource_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("one below A") << 100;
    QTest::newRow("one past Z") << 127;
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -1;
}

void TestCellPictures::otherNumbers_failLikeMissingResource()
{
    QFETCH(int, number);
    try {
        LoadCellPicture(number);
        QFAIL("loaded a picture that does not exist");
    } catch (const shell::RuntimeError& error) {
        QCOMPARE(error.number(), shell::ErrorNumber::ResourceNotFound);
        QVERIFY(error.description().contains(QString::number(number)));
    }
}

void TestCellPictures::highDpi_drawsAtScreenResolution()
{
    for (qreal ratio : {1.5, 2.0}) {
        const QImage image = drawCellPicture(126, ratio);
        QCOMPARE(image.size(), QSize(qRound(154 * ratio), qRound(215 * ratio)));
        QCOMPARE(image.devicePixelRatio(), ratio);
        QCOMPARE(dotsInPicture(image, geometryFor(126), ratio), louisDots('z'));
    }
}

QTEST_MAIN(TestCellPictures)
#include "tst_cellpictures.moc"
