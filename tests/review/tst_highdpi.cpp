#include "support/recordingsound.h"
#include "support/testsupport.h"

#include "quiz/cellpictures.h"
#include "quiz/quizwindow.h"
#include "review/reviewwindow.h"

#include <QTest>

// Run with QT_SCALE_FACTOR set; DOTWISE_EXPECTED_RATIO says what to expect.
class TestHighDpi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cellsDrawnAtScreenResolution();
};

void TestHighDpi::cellsDrawnAtScreenResolution()
{
    const qreal ratio =
        qEnvironmentVariable("DOTWISE_EXPECTED_RATIO", QStringLiteral("1")).toDouble();
    testing::TestServices t;
    testing::RecordingSound sound;
    quiz::Form2 quiz(t.services(), sound);
    quiz.show();
    QVERIFY(QTest::qWaitForWindowExposed(&quiz));
    QCOMPARE(quiz.devicePixelRatioF(), ratio);
    QCOMPARE(quiz.size(), QSize(536, 420)); // logical size unchanged
    const int number = t.session.CurrentLetter[0].unicode() + 36;
    const QPixmap shown = quiz.Picture1()->pixmap();
    QCOMPARE(shown.devicePixelRatio(), ratio);
    const QImage expected = quiz::drawCellPicture(number, ratio);
    QCOMPARE(shown.toImage().convertToFormat(expected.format()), expected);
    QCOMPARE(shown.deviceIndependentSize().toSize(), quiz::drawCellPicture(number).size());

    t.session.ReviewIndex = 1;
    review::Form4 reviewWindow(t.services());
    QCOMPARE(reviewWindow.Picture1()->pixmap().devicePixelRatio(), ratio);
    QCOMPARE(reviewWindow.Picture1()->pixmap().size(),
             QSize(qRound(143 * ratio), qRound(200 * ratio)));
    quiz.close();
}

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
