#include "support/recordingsound.h"
#include "support/testsupport.h"

#include "app/app.h"
#include "quiz/cellpictures.h"
#include "quiz/quizwindow.h"
#include "review/resultswindow.h"
#include "review/reviewwindow.h"
#include "shell/accessibility.h"
#include "shell/mainwindow.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QGroupBox>
#include <QTest>
#include <QTimer>

namespace {

// K asked on PushButton3; the others show C, B and D (buttons 1, 2, 4).
void scriptK(testing::TestServices& t)
{
    testing::scriptQuestion(t, 2, 'K', "BCD");
}

QString accessibleText(QObject* object, QAccessible::Text kind)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(kind) : QStringLiteral("<none>");
}

// The letter whose cell has the given dots, as a learner reading the
// picture's description would find it.
QChar letterFor(const QString& description)
{
    for (char c = 'A'; c <= 'Z'; ++c)
        if (quiz::cellDescription(c + 36) == description)
            return QChar(c);
    return QChar();
}

} // namespace

class TestKeyboardAccess : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void quizKeys_data();
    void quizKeys();
    void reviewKeys_data();
    void reviewKeys();
    void resultsKeys_data();
    void resultsKeys();
    void names_everyControl();
    void cellPicture_namedWithItsDots();
    void statusLine_namedWhenQuestionOpens();
    void results_readable();
    void wholeRun_keyboardAndDescriptionsAlone();
};

void TestKeyboardAccess::cleanup()
{
    QVERIFY(testing::openWindows().isEmpty());
}

void TestKeyboardAccess::quizKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<quint32>("place"); // the key's native code: 0 where no keyboard made it
    QTest::addColumn<quint32>("nativeModifiers");
    QTest::addColumn<QString>("judged"); // "right", "wrong X", "none", "closed"
    const int none = Qt::NoModifier;
    const int shift = Qt::ShiftModifier;
    QTest::newRow("3 presses the right button")
        << int(Qt::Key_3) << "3" << none << 0u << 0u << "right";
    QTest::newRow("1 presses button 1") << int(Qt::Key_1) << "1" << none << 0u << 0u << "wrong C";
    QTest::newRow("4 presses button 4") << int(Qt::Key_4) << "4" << none << 0u << 0u << "wrong D";
    QTest::newRow("lower-case k") << int(Qt::Key_K) << "k" << none << 0u << 0u << "right";
    QTest::newRow("upper-case B") << int(Qt::Key_B) << "B" << none << 0u << 0u << "wrong B";
    QTest::newRow("B with Shift") << int(Qt::Key_B) << "B" << shift << 0u << 0u << "wrong B";
    QTest::newRow("a letter on no button") << int(Qt::Key_Z) << "z" << none << 0u << 0u << "none";
    QTest::newRow("5 is no button") << int(Qt::Key_5) << "5" << none << 0u << 0u << "none";
    QTest::newRow("Escape closes unanswered")
        << int(Qt::Key_Escape) << "" << none << 0u << 0u << "closed";
    QTest::newRow("keypad 3") << int(Qt::Key_3) << "3" << int(Qt::KeypadModifier) << 0u << 0u
                              << "right";
    QTest::newRow("Ctrl with k") << int(Qt::Key_K) << "\x0b" << int(Qt::ControlModifier) << 0u << 0u
                                 << "none";
    // Key presses as the platform reports them, by the key's place.
#ifdef Q_OS_WIN
    // The virtual key of the number row is its digit on every layout.
    auto digitRow = [](int digit) { return quint32('0' + digit); };
    const quint32 altGr = 0;
#else
    // XKB key codes (X11, Wayland): the evdev code + 8.
    auto digitRow = [](int digit) { return quint32(9 + (digit == 0 ? 10 : digit)); };
    const quint32 altGr = 0x80;
#endif
    QTest::newRow("AZERTY 1 key, & typed")
        << int(Qt::Key_Ampersand) << "&" << none << digitRow(1) << 0u << "wrong C";
    QTest::newRow("AZERTY 1 key with Shift")
        << int(Qt::Key_1) << "1" << shift << digitRow(1) << 0u << "wrong C";
    QTest::newRow("AZERTY 3 key, \" typed")
        << int(Qt::Key_QuoteDbl) << "\"" << none << digitRow(3) << 0u << "right";
    QTest::newRow("QWERTY 4 key with Shift, $ typed")
        << int(Qt::Key_Dollar) << "$" << shift << digitRow(4) << 0u << "wrong D";
    QTest::newRow("AZERTY 5 key, ( typed")
        << int(Qt::Key_ParenLeft) << "(" << none << digitRow(5) << 0u << "none";
    QTest::newRow("AZERTY 0 key with Shift")
        << int(Qt::Key_0) << "0" << shift << digitRow(0) << 0u << "none";
    QTest::newRow("Ctrl with the 3 key")
        << int(Qt::Key_3) << "" << int(Qt::ControlModifier) << digitRow(3) << 0u << "none";
    QTest::newRow("Alt with the 3 key")
        << int(Qt::Key_3) << "" << int(Qt::AltModifier) << digitRow(3) << 0u << "none";
    if (altGr)
        QTest::newRow("AltGr with the AZERTY 3 key, # typed")
            << int(Qt::Key_NumberSign) << "#" << none << digitRow(3) << altGr << "none";
}

void TestKeyboardAccess::quizKeys()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, modifiers);
    QFETCH(quint32, place);
    QFETCH(quint32, nativeModifiers);
    QFETCH(QString, judged);
    testing::TestServices t;
    scriptK(t);
    t.session.QuestionPending = true;
    testing::RecordingSound sound;
    quiz::Form2 form(t.services(), sound);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
#ifdef Q_OS_WIN
    const quint32 scanCode = 0, virtualKey = place;
#else
    const quint32 scanCode = place, virtualKey = 0;
#endif
    QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), scanCode, virtualKey,
                    nativeModifiers, text);
    QApplication::sendEvent(form.focusWidget(), &press);
    if (judged == u"right") {
        QCOMPARE(t.session.CorrectLetters, QStringList{QStringLiteral("K")});
    } else if (judged.startsWith(QStringLiteral("wrong"))) {
        QCOMPARE(t.session.WrongLetters, QStringList{judged.right(1)});
    } else {
        QCOMPARE(t.session.CorrectCount + t.session.WrongCount, 0);
        QCOMPARE(form.isVisible(), judged == u"none");
        QVERIFY(t.session.QuestionPending);
        form.close();
        return;
    }
    QVERIFY(!form.isVisible());
    QVERIFY(!t.session.QuestionPending);
}

void TestKeyboardAccess::reviewKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("letter");
    QTest::newRow("right arrow") << int(Qt::Key_Right) << ""
                                 << "B";
    QTest::newRow("n") << int(Qt::Key_N) << "n"
                       << "B";
    QTest::newRow("other letters do nothing") << int(Qt::Key_X) << "x"
                                              << "A";
}

void TestKeyboardAccess::reviewKeys()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QString, letter);
    testing::TestServices t;
    t.session.ReviewIndex = 1;
    review::Form4 form(t.services());
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.Text1()); // the hidden box
    QTest::keyClick(form.Text1(), Qt::Key(key), Qt::NoModifier);
    QCOMPARE(form.Label2()->caption(), letter);
    QTest::keyClick(&form, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::NoModifier);
    QCOMPARE(form.Label2()->caption(), letter == u"A" ? QStringLiteral("A") : QStringLiteral("C"));
    Q_UNUSED(text);
}

void TestKeyboardAccess::resultsKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestKeyboardAccess::resultsKeys()
{
    QFETCH(int, key);
    testing::TestServices t;
    review::Form3 form(t.services(), QStringLiteral("20"));
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QVERIFY(!form.isVisible());
    QVERIFY(t.errors.messages.isEmpty());
}

void TestKeyboardAccess::names_everyControl()
{
    testing::TestServices t;
    testing::StubHost host;
    testing::RecordingSound sound;
    shell::Form1 main(t.services(), host);
    QCOMPARE(accessibleText(main.Text1(), QAccessible::Name),
             QStringLiteral("How many questions would you like to ask before ending?"));
    QCOMPARE(accessibleText(main.PushButton1(), QAccessible::Name), QStringLiteral("Start Test"));
    QCOMPARE(accessibleText(main.PushButton2(), QAccessible::Name),
             QStringLiteral("Review Braille Letters"));
    QCOMPARE(accessibleText(main.Frame2(), QAccessible::Name),
             QStringLiteral("Study First Before Taking Test"));
    scriptK(t);
    quiz::Form2 quiz(t.services(), sound);
    const QStringList captions{"C", "B", "K", "D"};
    for (int k = 1; k <= 4; ++k)
        QCOMPARE(accessibleText(quiz.PushButton(k), QAccessible::Name), captions[k - 1]);
    QCOMPARE(accessibleText(quiz.Frame1(), QAccessible::Name),
             QStringLiteral("Choose the valid letter"));
    QCOMPARE(accessibleText(quiz.Label2(), QAccessible::Name),
             QStringLiteral("Waiting for answer"));
    review::Form4 reviewWindow(t.services());
    QCOMPARE(accessibleText(reviewWindow.PushButton1(), QAccessible::Name), QStringLiteral("Next"));
    QCOMPARE(accessibleText(reviewWindow.Label2(), QAccessible::Name), QStringLiteral("A"));
    QVERIFY(!accessibleText(reviewWindow.Text1(), QAccessible::Name).isEmpty());
}

void TestKeyboardAccess::cellPicture_namedWithItsDots()
{
    testing::TestServices t;
    scriptK(t);
    testing::RecordingSound sound;
    quiz::Form2 quiz(t.services(), sound);
    QCOMPARE(accessibleText(quiz.Picture1(), QAccessible::Name), QStringLiteral("Braille cell"));
    QCOMPARE(accessibleText(quiz.Picture1(), QAccessible::Description), QStringLiteral("dots 1 3"));
    t.session.ReviewIndex = 1;
    review::Form4 reviewWindow(t.services());
    QCOMPARE(accessibleText(reviewWindow.Picture1(), QAccessible::Description),
             QStringLiteral("dots 1"));
    for (int i = 0; i < 22; ++i) // to W
        reviewWindow.PushButton1_Click();
    QCOMPARE(reviewWindow.Label2()->caption(), QStringLiteral("W"));
    QCOMPARE(accessibleText(reviewWindow.Picture1(), QAccessible::Description),
             QStringLiteral("dots 2 4 5 6"));
}

void TestKeyboardAccess::statusLine_namedWhenQuestionOpens()
{
    testing::TestServices t;
    t.session.LastStatusText = QStringLiteral("Correct with K");
    t.session.LastStatusColor = QStringLiteral("25600");
    testing::RecordingSound sound;
    quiz::Form2 quiz(t.services(), sound);
    // The announcement itself is heard in the screen-reader test: the
    // headless platform has no accessibility bridge, so Qt passes on no
    // accessibility event here.
    quiz.show();
    QCOMPARE(accessibleText(quiz.Label2(), QAccessible::Name), QStringLiteral("Correct with K"));
    quiz.close();
}

void TestKeyboardAccess::results_readable()
{
    testing::TestServices t;
    t.session.CorrectCount = 2;
    t.session.WrongCount = 1;
    t.session.CorrectLetters = QStringList{"K", "B"};
    t.session.WrongLetters = QStringList{"Q"};
    review::Form3 form(t.services(), QStringLiteral("4"));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(accessibleText(form.lblCorrect(), QAccessible::Name),
             QStringLiteral("Number of Correct: 2"));
    QCOMPARE(accessibleText(form.lblPercentage(), QAccessible::Name),
             QStringLiteral("Percentage: 50%"));
    // Assistive tools walk the summary in its order on screen.
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(form.Frame1());
    QStringList walked;
    for (int i = 0; i < frame->childCount(); ++i)
        walked << frame->child(i)->text(QAccessible::Name);
    QCOMPARE(walked,
             (QStringList{"Number of Correct: 2", "Number of Wrong: 1", "Percentage: 50%"}));
    QCOMPARE(accessibleText(form.ListView1(), QAccessible::Name), QStringLiteral("Correct Words"));
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(form.ListView1());
    QVERIFY(list && list->tableInterface());
    QCOMPARE(list->tableInterface()->rowCount(), 2);
    QCOMPARE(list->tableInterface()->cellAt(1, 0)->text(QAccessible::Name), QStringLiteral("B"));
    form.close();
}

void TestKeyboardAccess::wholeRun_keyboardAndDescriptionsAlone()
{
    testing::TestServices t;
    testing::RecordingSound sound;
    app::AppWindows windows(t.services(), sound);
    shell::Form1 main(t.services(), windows);
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5")); // replaces the selected 20
    QCOMPARE(main.Text1()->text(), QStringLiteral("5"));

    // Answers each question by reading the cell's description, closes the
    // summary with Enter.
    QString summary;
    int answered = 0;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* quiz = qobject_cast<quiz::Form2*>(modal)) {
            if (!quiz->isActiveWindow() || quiz->property("answered").toBool())
                return;
            quiz->setProperty("answered", true);
            const QChar letter =
                letterFor(accessibleText(quiz->Picture1(), QAccessible::Description));
            ++answered;
            QTest::keyClick(QApplication::focusWidget(), letter.toLower().toLatin1());
        } else if (auto* results = qobject_cast<review::Form3*>(modal)) {
            if (!results->isActiveWindow())
                return;
            summary = accessibleText(results->lblPercentage(), QAccessible::Name);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        } else if (modal) {
            modal->close();
        }
    });
    driver.start(0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // to Start Test
    QCOMPARE(QApplication::focusWidget(), main.PushButton1());
    QTest::keyClick(main.PushButton1(), Qt::Key_Space); // the whole test runs here
    driver.stop();
    QCOMPARE(answered, 5);
    QCOMPARE(t.session.CorrectCount, qint16(5));
    QCOMPARE(summary, QStringLiteral("Percentage: 100%"));

    // Review: its button, Enter, then the arrow key.
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    main.PushButton2()->setFocus();
    QTest::keyClick(main.PushButton2(), Qt::Key_Return);
    review::Form4* reviewWindow = testing::openWindowOf<review::Form4>();
    QVERIFY(reviewWindow);
    QVERIFY(QTest::qWaitForWindowActive(reviewWindow));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(reviewWindow->Label2()->caption(), QStringLiteral("D"));
    QCOMPARE(accessibleText(reviewWindow->Picture1(), QAccessible::Description),
             QStringLiteral("dots 1 4 5"));
    main.close();
}

QTEST_MAIN(TestKeyboardAccess)
#include "tst_keyboardaccess.moc"
