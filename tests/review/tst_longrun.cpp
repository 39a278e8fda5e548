#include "support/player.h"
#include "support/recordingsound.h"
#include "support/testsupport.h"

#include "app/app.h"
#include "shell/mainwindow.h"

#include <QTest>

// 10,000 questions through the real windows. Under the sanitizer build the
// leak check at exit covers every window made and destroyed on the way.
class TestLongRun : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tenThousandQuestions();
};

void TestLongRun::tenThousandQuestions()
{
    testing::TestServices t;
    testing::RecordingSound sound;
    app::AppWindows windows(t.services(), sound);
    shell::Form1 main(t.services(), windows);
    main.show();
    main.Text1()->setText(QStringLiteral("10000"));
    QString plan;
    for (int i = 0; i < 10000; ++i)
        plan += i % 4 == 3 ? u'w' : u'r';
    testing::Player player(plan);
    main.PushButton1()->click();
    QCOMPARE(player.questions, 10000);
    QCOMPARE(t.session.CorrectCount, qint16(7500));
    QCOMPARE(t.session.WrongCount, qint16(2500));
    QCOMPARE(player.summary.percentage, QStringLiteral("Percentage: 75%"));
    QCOMPARE(player.summary.right.size(), 7500);
    QCOMPARE(player.summary.wrongList.size(), 2500);
    QCOMPARE(sound.played.size(), 10000);
    QVERIFY(t.errors.messages.isEmpty());
    main.close();
}

QTEST_MAIN(TestLongRun)
#include "tst_longrun.moc"
