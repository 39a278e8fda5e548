#include "support/recordingsound.h"
#include "support/testsupport.h"

#include "quiz/cellpictures.h"
#include "quiz/quizwindow.h"
#include "shell/runtime.h"

#include <QGroupBox>
#include <QMouseEvent>
#include <QSet>
#include <QTest>

using namespace quiz;

namespace {

QStringList captions(const Form2& form)
{
    QStringList list;
    for (int k = 1; k <= 4; ++k)
        list << form.PushButton(k)->caption();
    return list;
}

} // namespace

class TestQuizWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void manyLoads_keepTheInvariants();
    void fillOrder_data();
    void fillOrder();
    void usedLetter_isDrawnAgain();
    void statusLine_data();
    void statusLine();
    void judging_data();
    void judging();
    void judging_isByPositionOnly();
    void judging_oneClickPerShowing();
    void judging_repeatsKeptInOrder();
    void counterAtLargest_reportsAndGoesOn();
    void failingPicture_keepsPreviousLetter();
    void load_definitionLook();
    void pointer_handOverButtonsArrowOnFrames();
};

void TestQuizWindow::cleanup()
{
    QVERIFY(testing::openWindows().isEmpty());
}

void TestQuizWindow::manyLoads_keepTheInvariants()
{
    testing::TestServices t;
    shell::MixingGenerator seeded(2024);
    testing::RecordingSound sound;
    auto services = t.services();
    shell::Services real{services.session,      services.errors, services.settings,
                         services.clock,        seeded,          services.desktop,
                         services.appDirectory, services.locale};
    QSet<int> positions;
    QSet<QString> asked;
    bool repeated = false;
    QString previous;
    for (int i = 0; i < 3000; ++i) {
        Form2 form(real, sound, [](int number) { return LoadCellPicture(number); });
        const QStringList c = captions(form);
        QCOMPARE(QSet<QString>(c.begin(), c.end()).size(), 4);
        QCOMPARE(c.count(t.session.CurrentLetter), 1);
        QCOMPARE(c[form.AnswerButtonIndex()], t.session.CurrentLetter);
        for (const QString& letter : c)
            QVERIFY(letter.size() == 1 && letter[0] >= u'A' && letter[0] <= u'Z');
        const QImage shown = form.Picture1()->pixmap().toImage();
        QCOMPARE(shown, drawCellPicture(t.session.CurrentLetter[0].unicode() + 36));
        positions.insert(form.AnswerButtonIndex());
        asked.insert(t.session.CurrentLetter);
        repeated = repeated || previous == t.session.CurrentLetter;
        previous = t.session.CurrentLetter;
    }
    QCOMPARE(positions.size(), 4);
    QCOMPARE(asked.size(), 26);
    QVERIFY(repeated);
    QVERIFY(t.errors.messages.isEmpty());
}

void TestQuizWindow::fillOrder_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("expected"); // captions of buttons 1..4
    // The asked letter is K; B, C, D are drawn in this order.
    QTest::newRow("position 0") << 0 << QStringList{"K", "B", "C", "D"};
    QTest::newRow("position 1") << 1 << QStringList{"B", "K", "C", "D"};
    QTest::newRow("position 2: 2, 1, 4") << 2 << QStringList{"C", "B", "K", "D"};
    QTest::newRow("position 3: 2, 3, 1") << 3 << QStringList{"D", "B", "C", "K"};
}

void TestQuizWindow::fillOrder()
{
    QFETCH(int, position);
    QFETCH(QStringList, expected);
    testing::TestServices t;
    testing::scriptQuestion(t, position, 'K', "BCD");
    testing::RecordingSound sound;
    Form2 form(t.services(), sound);
    QCOMPARE(form.AnswerButtonIndex(), qint16(position));
    QCOMPARE(t.session.CurrentLetter, QStringLiteral("K"));
    QCOMPARE(captions(form), expected);
}

void TestQuizWindow::usedLetter_isDrawnAgain()
{
    testing::TestServices t;
    // K is asked; the draws K and B repeat letters already placed.
    testing::scriptQuestion(t, 0, 'K', "BKBCKD");
    testing::RecordingSound sound;
    Form2 form(t.services(), sound);
    QCOMPARE(captions(form), (QStringList{"K", "B", "C", "D"}));
    QVERIFY(t.random.values.empty());
}

void TestQuizWindow::statusLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("color");
    QTest::addColumn<QColor>("shown");
    QTest::newRow("first question") << "Waiting for answer"
                                    << "0" << QColor(0, 0, 0);
    QTest::newRow("after a right answer") << "Correct with K"
                                          << "25600" << QColor(0, 100, 0);
    QTest::newRow("after a wrong answer") << "Wrong. Correct answer was K"
                                          << "255" << QColor(255, 0, 0);
}

void TestQuizWindow::statusLine()
{
    QFETCH(QString, text);
    QFETCH(QString, color);
    QFETCH(QColor, shown);
    testing::TestServices t;
    t.session.LastStatusText = text;
    t.session.LastStatusColor = color;
    testing::RecordingSound sound;
    Form2 form(t.services(), sound);
    QCOMPARE(form.Label2()->caption(), text);
    QCOMPARE(testing::foreColor(form.Label2()), shown);
    QCOMPARE(testing::backColor(form.Label2()), QColor(Qt::white));
    QCOMPARE(testing::backColor(form.Label1()), testing::buttonFaceColor());
    QVERIFY(t.errors.messages.isEmpty());
}

void TestQuizWindow::judging_data()
{
    QTest::addColumn<int>("clicked");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("listed");
    // K asked on PushButton3; PushButton1 shows B (position 2 fills 2, 1, 4).
    QTest::newRow("right button") << 3 << true << "Correct with K"
                                  << "K";
    QTest::newRow("wrong button showing B") << 1 << false << "Wrong. Correct answer was K"
                                            << "B";
    QTest::newRow("wrong button showing C") << 2 << false << "Wrong. Correct answer was K"
                                            << "C";
}

void TestQuizWindow::judging()
{
    QFETCH(int, clicked);
    QFETCH(bool, right);
    QFETCH(QString, status);
    QFETCH(QString, listed);
    testing::TestServices t;
    testing::scriptQuestion(t, 2, 'K', "CBD");
    t.session.QuestionPending = true;
    testing::RecordingSound sound;
    Form2 form(t.services(), sound);
    form.show();
    QTest::mouseClick(form.PushButton(clicked), Qt::LeftButton);
    QCOMPARE(t.session.LastStatusText, status);
    QCOMPARE(t.session.CorrectCount, qint16(right ? 1 : 0));
    QCOMPARE(t.session.WrongCount, qint16(right ? 0 : 1));
    QCOMPARE(t.session.CorrectLetters, right ? QStringList{listed} : QStringList{});
    QCOMPARE(t.session.WrongLetters, right ? QStringList{} : QStringList{listed});
    QCOMPARE(t.session.LastStatusColor, right ? QStringLiteral("25600") : QStringLiteral("255"));
    QVERIFY(!t.session.QuestionPending);
    QVERIFY(!form.isVisible());
    QCOMPARE(sound.played, QStringList{shell::appFile(t.appDirectory,
                                                      right ? correctSoundFile : wrongSoundFile)});
    QCOMPARE(sound.waited, QList<bool>{false});
    QVERIFY(t.errors.messages.isEmpty()); // no sound files here: nothing reported
}

void TestQuizWindow::judging_isByPositionOnly()
{
    testing::TestServices t;
    testing::scriptQuestion(t, 2, 'K', "CBD");
    testing::RecordingSound sound;
    Form2 form(t.services(), sound);
    form.PushButton(1)->setCaption(QStringLiteral("K"));
    form.PushButton_Click(1);
    QCOMPARE(t.session.WrongCount, qint16(1));
    QCOMPARE(t.session.WrongLetters, QStringList{QStringLiteral("K")});
}

void TestQuizWindow::judging_oneClickPerShowing()
{
    testing::TestServices t;
    testing::RecordingSound sound;
    Form2 form(t.services(), sound);
    form.PushButton_Click(1);
    form.PushButton_Click(2);
    QCOMPARE(t.session.CorrectCount + t.session.WrongCount, 1);
    QCOMPARE(sound.played.size(), 1);
}

void TestQuizWindow::judging_repeatsKeptInOrder()
{
    testing::TestServices t;
    testing::RecordingSound sound;
    for (char asked : {'K', 'B', 'K'}) {
        testing::scriptQuestion(t, 0, asked, "XYZ");
        Form2 form(t.services(), sound);
        form.PushButton_Click(1);
    }
    QCOMPARE(t.session.CorrectLetters, (QStringList{"K", "B", "K"}));
    QCOMPARE(t.session.CorrectCount, qint16(3));
}

void TestQuizWindow::counterAtLargest_reportsAndGoesOn()
{
    testing::TestServices t;
    testing::scriptQuestion(t, 0, 'E', "XYZ");
    t.session.CorrectCount = 32767;
    t.session.QuestionPending = true;
    testing::RecordingSound sound;
    Form2 form(t.services(), sound);
    form.PushButton_Click(1);
    QCOMPARE(t.session.CorrectCount, qint16(32767));
    QCOMPARE(t.errors.messages.size(), 1);
    QVERIFY(t.errors.messages[0].startsWith(QStringLiteral("Overflow\r\nin Dotwise2021/08/31.Form2."
                                                           "PushButton1_Click at line 104")));
    QCOMPARE(t.session.CorrectLetters, QStringList{QStringLiteral("E")});
    QCOMPARE(t.session.LastStatusColor, QStringLiteral("25600"));
    QCOMPARE(sound.played.size(), 1);
    QVERIFY(!t.session.QuestionPending);
}

void TestQuizWindow::failingPicture_keepsPreviousLetter()
{
    testing::TestServices t;
    t.session.CurrentLetter = QStringLiteral("Q");
    testing::RecordingSound sound;
    Form2 form(t.services(), sound,
               [](int) -> QPixmap { shell::raise(shell::ErrorNumber::ResourceNotFound); });
    QCOMPARE(t.session.CurrentLetter, QStringLiteral("Q"));
    QCOMPARE(captions(form)[form.AnswerButtonIndex()], QStringLiteral("Q"));
    QCOMPARE(t.errors.messages.size(), 1);
    QVERIFY(t.errors.messages[0].contains(QStringLiteral("Form2.Form_Load at line 122")));
    QVERIFY(form.Picture1()->pixmap().isNull());
}

void TestQuizWindow::load_definitionLook()
{
    testing::TestServices t;
    testing::RecordingSound sound;
    Form2 form(t.services(), sound);
    QCOMPARE(form.windowTitle(), QStringLiteral("Dotwise"));
    QVERIFY(!form.windowIcon().isNull());
    QCOMPARE(form.size(), QSize(536, 420));
    QCOMPARE(form.focusWidget(), form.PushButton(1));
    QCOMPARE(form.Frame1()->title(), QStringLiteral("Choose the valid letter"));
    QCOMPARE(form.Frame2()->title(), QStringLiteral("Last Question Status"));
    QCOMPARE(testing::backColor(&form), testing::buttonFaceColor());
    QCOMPARE(testing::backColor(form.Frame1()), testing::buttonFaceColor());
    QVERIFY(!form.pointer().mouseIcon()); // no cursor file, no message
    QVERIFY(t.errors.messages.isEmpty());
}

void TestQuizWindow::pointer_handOverButtonsArrowOnFrames()
{
    testing::TestServices t;
    testing::RecordingSound sound;
    Form2 form(t.services(), sound);
    testing::moveMouseOver(form.PushButton(3), QPoint(5, 5));
    QCOMPARE(form.pointer().pointer(), 99);
    testing::moveMouseOver(form.Label2(), QPoint(5, 5)); // no handler: keeps the hand
    QCOMPARE(form.pointer().pointer(), 99);
    testing::moveMouseOver(form.Frame1(), QPoint(3, form.Frame1()->height() - 3));
    QCOMPARE(form.pointer().pointer(), 0);
}

QTEST_MAIN(TestQuizWindow)
#include "tst_quizwindow.moc"
