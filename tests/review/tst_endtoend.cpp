#include "support/recordingsound.h"
#include "support/testsupport.h"

#include "quiz/quizwindow.h"
#include "review/appwindows.h"
#include "review/resultswindow.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {

struct Summary {
    QString correct, wrong, percentage;
    QStringList right, wrongList;
};

// Plays a whole test through the real windows: answers each question
// right or wrong by plan (or closes it), then reads and closes the results.
class Player : public QObject {
public:
    explicit Player(QString plan) : m_plan(std::move(plan))
    {
        connect(&m_timer, &QTimer::timeout, this, &Player::step);
        m_timer.start(0);
    }
    Summary summary;
    QStringList answered; // the letters clicked
    int questions = 0;

private:
    void step()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* quiz = qobject_cast<quiz::Form2*>(modal)) {
            if (quiz->property("seen").toBool())
                return;
            quiz->setProperty("seen", true);
            const QChar move = questions < m_plan.size() ? m_plan[questions] : QChar(u'r');
            ++questions;
            if (move == u'c') {
                quiz->close();
                return;
            }
            const int right = quiz->AnswerButtonIndex() + 1;
            const int k = move == u'r' ? right : right % 4 + 1;
            answered << quiz->PushButton(k)->caption();
            quiz->PushButton(k)->click();
        } else if (auto* results = qobject_cast<review::Form3*>(modal)) {
            summary = {results->lblCorrect()->caption(), results->lblWrong()->caption(),
                       results->lblPercentage()->caption(), results->ListView1()->itemTexts(),
                       results->ListView2()->itemTexts()};
            results->PushButton1()->click();
        } else if (modal) {
            modal->close(); // an unexpected box: never hang
        }
    }
    QString m_plan; // r: right, w: wrong, c: close the window
    QTimer m_timer;
};

} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void wholeTest_data();
    void wholeTest();
    void closingMain_closesReview();
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
    review::AppWindows windows(t.services(), sound);
    shell::Form1 main(t.services(), windows);
    main.show();
    main.Text1()->setText(count);
    Player player(plan);
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
    review::AppWindows windows(t.services(), sound);
    shell::Form1 main(t.services(), windows);
    main.show();
    main.PushButton2()->click();
    QPointer<review::Form4> review = windows.reviewWindow();
    QVERIFY(review && review->isVisible());
    QCOMPARE(t.session.ReviewIndex, qint16(1));
    main.close();
    QVERIFY(review.isNull());
    QVERIFY(testing::openWindows().isEmpty());
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
