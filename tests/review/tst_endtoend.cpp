#include "support/player.h"
#include "support/recordingsound.h"
#include "support/testsupport.h"

#include "app/app.h"
#include "app/focusoffers.h"
#include "quiz/quizwindow.h"
#include "review/resultswindow.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QTest>
#include <QTimer>

class TestEndToEnd : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void wholeTest_data();
    void wholeTest();
    void closingMain_closesReview();
    void reportsAfterAnswers();
    void focusOfferFilter_withoutX11();
};

void TestEndToEnd::cleanup()
{
    QVERIFY(testing::openWindows().isEmpty());
}

void TestEndToEnd::wholeTest_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("plan");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("percentage");
    QTest::newRow("5 questions, 3 right") << "5"
                                          << "rwrwr" << 5 << "Percentage: 60%";
    QTest::newRow("3 questions, 1 right") << "3"
                                          << "wrw" << 3 << "Percentage: 33.33%";
    QTest::newRow("20, closed on the 3rd") << "20"
                                           << "rrc" << 3 << "Percentage: 10%";
    QTest::newRow("none") << "0"
                          << "" << 0 << "Percentage:";
}

void TestEndToEnd::wholeTest()
{
    QFETCH(QString, count);
    QFETCH(QString, plan);
    QFETCH(int, questions);
    QFETCH(QString, percentage);
    testing::TestServices t;
    testing::RecordingSound sound;
    app::AppWindows windows(t.services(), sound);
    shell::Form1 main(t.services(), windows);
    main.show();
    main.Text1()->setText(count);
    testing::Player player(plan);
    main.PushButton1()->click(); // returns when the results are closed

    QCOMPARE(player.questions, questions);
    const int right = int(plan.left(questions).count(u'r'));
    const int wrong = int(plan.left(questions).count(u'w'));
    QCOMPARE(player.summary.correct, QStringLiteral("Number of Correct: %1").arg(right));
    QCOMPARE(player.summary.wrong, QStringLiteral("Number of Wrong: %1").arg(wrong));
    QCOMPARE(player.summary.percentage, percentage);
    QCOMPARE(player.summary.right.size() + player.summary.wrongList.size(), player.answered.size());
    QStringList expectedRight, expectedWrong;
    for (int i = 0; i < player.answered.size(); ++i)
        (plan[i] == u'r' ? expectedRight : expectedWrong) << player.answered[i];
    QCOMPARE(player.summary.right, expectedRight);
    QCOMPARE(player.summary.wrongList, expectedWrong);
    QCOMPARE(sound.played.size(), right + wrong);
    QCOMPARE(t.errors.messages.size(), count == u"0" ? 1 : 0); // the percentage of no questions
    main.close();
}

void TestEndToEnd::closingMain_closesReview()
{
    testing::TestServices t;
    testing::RecordingSound sound;
    app::AppWindows windows(t.services(), sound);
    shell::Form1 main(t.services(), windows);
    main.show();
    main.PushButton2()->click();
    QPointer<review::Form4> review = testing::openWindowOf<review::Form4>();
    QVERIFY(review && review->isVisible());
    QCOMPARE(t.session.ReviewIndex, qint16(1));
    main.close();
    QVERIFY(review.isNull());
    QVERIFY(testing::openWindows().isEmpty());
}

// A load that reports (a damaged cursor file) shows its box over the
// window after the answered question: the question is gone by then.
void TestEndToEnd::reportsAfterAnswers()
{
    testing::TestServices t;
    QFile cursor(t.appDirectory + QStringLiteral("/HAND-M.CUR"));
    QVERIFY(cursor.open(QIODevice::WriteOnly) && cursor.write("not a cursor") > 0);
    cursor.close();
    shell::MessageBoxSink boxes;
    const shell::Services services{t.session, boxes,     *t.store,       t.clock,
                                   t.random,  t.desktop, t.appDirectory, t.locale};
    testing::RecordingSound sound;
    app::AppWindows windows(services, sound);
    testing::Player player(QStringLiteral("rw"));
    shell::Form1 main(services, windows);
    windows.setOwner(&main);
    main.show();
    main.Text1()->setText(QStringLiteral("2"));
    main.PushButton1()->click();
    // The main window's, each question's and the summary's.
    QCOMPARE(player.questionsUnderBoxes, QList<int>(4, 0));
    main.close();
}

// The program starts on a platform without an X11 connection, as the
// offscreen one is (it crashed there).
void TestEndToEnd::focusOfferFilter_withoutX11()
{
    app::ignoreStaleFocusOffers();
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
