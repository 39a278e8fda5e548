#include "support/testsupport.h"

#include "shell/mainwindow.h"

#include <QApplication>
#include <QFile>
#include <QFocusEvent>
#include <QGroupBox>
#include <QImageReader>
#include <QMouseEvent>
#include <QTest>

#include <memory>

using namespace shell;

namespace {

// Records the skin engine's calls in order.
class RecordingSkin final : public SkinEngine {
public:
    void loadSkin(const QString& path, const QString& section) override
    {
        calls << QStringLiteral("load %1 [%2]").arg(QFileInfo(path).fileName(), section);
    }
    int applyOptions() const override { return 4; }
    void setApplyOptions(int options) override
    {
        calls << QStringLiteral("options %1").arg(options);
    }
    void setSkinChildControls(bool on) override { calls << QStringLiteral("children %1").arg(on); }
    void setSkinDialogs(bool on) override { calls << QStringLiteral("dialogs %1").arg(on); }
    void applyWindow(QWidget* window) override
    {
        calls << QStringLiteral("apply ") + window->objectName();
    }
    QStringList calls;
};

void focusOut(QWidget* widget)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &out);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void load_firstStartShowsTwenty();
    void load_restoresStoredTextAsIs();
    void load_setsTitleStatusAndFocus();
    void text1_writesEveryChange();
    void text1_lostFocus_data();
    void text1_lostFocus();
    void text1_gotFocusSelectsAll();
    void text1_refusedWriteNeverEscapes();
    void startTest_data();
    void startTest();
    void startTest_earlyCloseStops();
    void startTest_resetsCountersAndKeepsStatus();
    void startTest_largestCountEndsWithoutReport();
    void review_twiceSetsIndexEachTime();
    void close_endsWithOtherWindows();
    void skin_absentKeepsWhite();
    void skin_presentColoursAndCallsInOrder();
    void handCursor_data();
    void handCursor();
    void pointer_handOverButtonsArrowElsewhere();
    void applicationIcon_hasFourImages();

private:
    // Hermetic services and a host that records what the window asks for.
    struct Fixture {
        testing::TestServices t;
        testing::StubHost host;
    };
    std::unique_ptr<Fixture> m_fixture;
};

void TestMainWindow::init()
{
    m_fixture = std::make_unique<Fixture>();
}

void TestMainWindow::cleanup()
{
    m_fixture.reset();
    QVERIFY(testing::openWindows().isEmpty());
}

void TestMainWindow::load_firstStartShowsTwenty()
{
    auto& [t, host] = *m_fixture;
    Form1 form(t.services(), host);
    QCOMPARE(form.Text1()->text(), QStringLiteral("20"));
    QVERIFY(t.errors.messages.isEmpty());
}

void TestMainWindow::load_restoresStoredTextAsIs()
{
    auto& [t, host] = *m_fixture;
    t.settings.save(settingsApplication, settingsSection, QStringLiteral("Text1"),
                    QStringLiteral("twelve"));
    Form1 form(t.services(), host);
    QCOMPARE(form.Text1()->text(), QStringLiteral("twelve"));
    focusOut(form.Text1());
    QCOMPARE(form.Text1()->text(), QStringLiteral("20"));
    QCOMPARE(t.settingsValue(), QStringLiteral("20"));
}

void TestMainWindow::load_setsTitleStatusAndFocus()
{
    auto& [t, host] = *m_fixture;
    t.session.LastStatusText = QStringLiteral("stale");
    t.session.LastStatusColor = QStringLiteral("255");
    Form1 form(t.services(), host);
    QCOMPARE(form.windowTitle(), QStringLiteral("Dotwise"));
    QVERIFY(!form.windowIcon().isNull());
    QCOMPARE(t.session.LastStatusText, QStringLiteral("Waiting for answer"));
    QCOMPARE(t.session.LastStatusColor, QStringLiteral("0"));
    QCOMPARE(form.focusWidget(), form.Text1());
    QVERIFY(t.errors.messages.isEmpty());
}

void TestMainWindow::text1_writesEveryChange()
{
    auto& [t, host] = *m_fixture;
    Form1 form(t.services(), host);
    form.Text1()->clear();
    QTest::keyClicks(form.Text1(), QStringLiteral("1"));
    QCOMPARE(t.settingsValue(), QStringLiteral("1"));
    QTest::keyClicks(form.Text1(), QStringLiteral("x"));
    QCOMPARE(t.settingsValue(), QStringLiteral("1x")); // never validated on the way in
}

void TestMainWindow::text1_lostFocus_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::newRow("empty") << ""
                           << "20";
    QTest::newRow("letters") << "ten"
                             << "20";
    QTest::newRow("zero kept") << "0"
                               << "0";
    QTest::newRow("negative kept") << "-3"
                                   << "-3";
    QTest::newRow("fraction kept") << "2.5"
                                   << "2.5";
    QTest::newRow("beyond 16 bits kept") << "40000"
                                         << "40000";
}

void TestMainWindow::text1_lostFocus()
{
    QFETCH(QString, typed);
    QFETCH(QString, after);
    auto& [t, host] = *m_fixture;
    Form1 form(t.services(), host);
    form.Text1()->setText(typed);
    focusOut(form.Text1());
    QCOMPARE(form.Text1()->text(), after);
    QCOMPARE(t.settingsValue(), after);
}

void TestMainWindow::text1_gotFocusSelectsAll()
{
    auto& [t, host] = *m_fixture;
    Form1 form(t.services(), host);
    form.Text1()->setText(QStringLiteral("123"));
    form.Text1()->deselect();
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(form.Text1(), &in);
    QCOMPARE(form.Text1()->selectedText(), QStringLiteral("123"));
}

void TestMainWindow::text1_refusedWriteNeverEscapes()
{
    auto& [t, host] = *m_fixture;
    testing::RefusingStore refusing;
    t.store = &refusing;
    Form1 form(t.services(), host);
    QTest::keyClicks(form.Text1(), QStringLiteral("5"));
    focusOut(form.Text1());
    QVERIFY(refusing.attempts >= 1);
    QVERIFY(t.errors.messages.isEmpty()); // no handler of its own: nothing shown
}

void TestMainWindow::startTest_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("reportedLine"); // 0: no report
    QTest::newRow("three") << "3" << 3 << 0;
    QTest::newRow("zero") << "0" << 0 << 0;
    QTest::newRow("negative") << "-3" << 0 << 0;
    QTest::newRow("2.5 rounds to 2") << "2.5" << 2 << 0;
    QTest::newRow("3.5 rounds to 4") << "3.5" << 4 << 0;
    QTest::newRow("too many") << "40000" << 0 << 108;
    QTest::newRow("exponent too big") << "1e9" << 0 << 108;
    QTest::newRow("not a number") << "abc" << 0 << 108;
}

void TestMainWindow::startTest()
{
    QFETCH(QString, count);
    QFETCH(int, questions);
    QFETCH(int, reportedLine);
    auto& [t, host] = *m_fixture;
    Form1 form(t.services(), host);
    bool pendingDuringQuiz = true;
    host.onQuiz = [&](int) {
        pendingDuringQuiz = pendingDuringQuiz && t.session.QuestionPending;
        t.session.QuestionPending = false; // answered
    };
    form.Text1()->setText(count);
    form.PushButton1_Click();
    QCOMPARE(host.quizShown, questions);
    QVERIFY(pendingDuringQuiz);
    QCOMPARE(host.results, QStringList{count});
    if (reportedLine) {
        QCOMPARE(t.errors.messages.size(), 1);
        QVERIFY(t.errors.messages[0].contains(
            QStringLiteral("Form1.PushButton1_Click at line %1").arg(reportedLine)));
    } else {
        QVERIFY(t.errors.messages.isEmpty());
    }
}

void TestMainWindow::startTest_earlyCloseStops()
{
    auto& [t, host] = *m_fixture;
    Form1 form(t.services(), host);
    host.onQuiz = [&](int question) {
        if (question < 3) {
            t.session.QuestionPending = false;
            t.session.CorrectCount++;
        }
    };
    form.PushButton1_Click();
    QCOMPARE(host.quizShown, 3);
    QCOMPARE(host.results, QStringList{QStringLiteral("20")});
    QCOMPARE(t.session.CorrectCount, qint16(2));
}

void TestMainWindow::startTest_resetsCountersAndKeepsStatus()
{
    auto& [t, host] = *m_fixture;
    Form1 form(t.services(), host);
    form.Text1()->setText(QStringLiteral("2"));
    host.onQuiz = [&](int) {
        t.session.QuestionPending = false;
        t.session.WrongCount++;
        t.session.WrongLetters << QStringLiteral("B");
        t.session.LastStatusText = QStringLiteral("Wrong. Correct answer was K");
        t.session.LastStatusColor = QStringLiteral("255");
    };
    form.PushButton1_Click();
    QCOMPARE(t.session.WrongCount, qint16(2));
    QStringList seenAtStart;
    host.onQuiz = [&](int) {
        if (seenAtStart.isEmpty())
            seenAtStart << QString::number(t.session.WrongCount)
                        << QString::number(t.session.WrongLetters.size())
                        << t.session.LastStatusText << t.session.LastStatusColor;
        t.session.QuestionPending = false;
    };
    form.PushButton1_Click();
    QCOMPARE(seenAtStart, (QStringList{"0", "0", "Wrong. Correct answer was K", "255"}));
}

void TestMainWindow::startTest_largestCountEndsWithoutReport()
{
    auto& [t, host] = *m_fixture;
    Form1 form(t.services(), host);
    host.onQuiz = [&](int) { t.session.QuestionPending = false; };
    form.Text1()->setText(QStringLiteral("32767"));
    form.PushButton1_Click();
    QCOMPARE(host.quizShown, 32767);
    QCOMPARE(host.results.size(), 1);
    QVERIFY(t.errors.messages.isEmpty());
}

void TestMainWindow::review_twiceSetsIndexEachTime()
{
    auto& [t, host] = *m_fixture;
    Form1 form(t.services(), host);
    form.PushButton2_Click();
    QCOMPARE(t.session.ReviewIndex, qint16(1));
    t.session.ReviewIndex = 11;
    form.PushButton2_Click();
    QCOMPARE(t.session.ReviewIndex, qint16(1));
    QCOMPARE(host.reviewShown, 2);
}

void TestMainWindow::close_endsWithOtherWindows()
{
    auto& [t, host] = *m_fixture;
    Form1 form(t.services(), host);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.close();
    QCOMPARE(host.closedAll, 1);
    QVERIFY(!form.isVisible());
}

void TestMainWindow::skin_absentKeepsWhite()
{
    auto& [t, host] = *m_fixture;
    auto skin = std::make_unique<RecordingSkin>();
    RecordingSkin* calls = skin.get();
    Form1 form(t.services(), host, std::move(skin));
    QCOMPARE(testing::backColor(&form), QColor(Qt::white));
    QCOMPARE(testing::backColor(form.Frame1()), QColor(Qt::white));
    QVERIFY(calls->calls.isEmpty());
}

void TestMainWindow::skin_presentColoursAndCallsInOrder()
{
    auto& [t, host] = *m_fixture;
    writeFile(appFile(t.appDirectory, skinFile), "QPushButton { color: navy; }");
    auto skin = std::make_unique<RecordingSkin>();
    RecordingSkin* calls = skin.get();
    Form1 form(t.services(), host, std::move(skin));
    QCOMPARE(testing::backColor(&form), testing::buttonFaceColor());
    QCOMPARE(testing::backColor(form.Frame1()), testing::buttonFaceColor());
    QCOMPARE(testing::backColor(form.Frame2()), testing::buttonFaceColor());
    QCOMPARE(calls->calls,
             (QStringList{"load o.cjs []", "options 5", "children 1", "dialogs 1", "apply Form1"}));
    QVERIFY(t.errors.messages.isEmpty());
}

void TestMainWindow::handCursor_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: no file at all
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<int>("reportedLine");
    QFile ours(testing::dataDirectory() + QStringLiteral("/HAND-M.CUR"));
    QVERIFY(ours.open(QIODevice::ReadOnly));
    const QByteArray cursor = ours.readAll();
    QTest::newRow("no file") << QByteArray() << false << 0;
    QTest::newRow("our cursor") << cursor << true << 0;
    QTest::newRow("truncated") << cursor.left(30) << false << 108;
    QTest::newRow("garbage") << QByteArray("not a cursor at all, only text") << false << 108;
}

void TestMainWindow::handCursor()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, loaded);
    QFETCH(int, reportedLine);
    auto& [t, host] = *m_fixture;
    if (!file.isEmpty())
        writeFile(appFile(t.appDirectory, handCursorFile), file);
    Form1 form(t.services(), host);
    QCOMPARE(form.pointer().mouseIcon().has_value(), loaded);
    if (loaded)
        QCOMPARE(form.pointer().mouseIcon()->hotSpot(), QPoint(12, 2));
    if (reportedLine) {
        QCOMPARE(t.errors.messages.size(), 1);
        QVERIFY(t.errors.messages[0].contains(QStringLiteral("Form1.Form_Load at line 108")));
    } else {
        QVERIFY(t.errors.messages.isEmpty());
    }
    QCOMPARE(form.Text1()->text(), QStringLiteral("20")); // the load went on
}

void TestMainWindow::pointer_handOverButtonsArrowElsewhere()
{
    auto& [t, host] = *m_fixture;
    Form1 form(t.services(), host);
    QCOMPARE(form.pointer().pointer(), 0);
    testing::moveMouseOver(form.PushButton1());
    QCOMPARE(form.pointer().pointer(), 99);
    QCOMPARE(form.cursor().shape(), Qt::PointingHandCursor); // no cursor file: the platform's hand
    testing::moveMouseOver(form.Text1());                    // no handler: the hand stays
    QCOMPARE(form.pointer().pointer(), 99);
    testing::moveMouseOver(form.Frame2(), QPoint(2, form.Frame2()->height() - 3));
    QCOMPARE(form.pointer().pointer(), 0);
    testing::moveMouseOver(form.PushButton2());
    QCOMPARE(form.pointer().pointer(), 99);
    testing::moveMouseOver(&form, QPoint(2, 2));
    QCOMPARE(form.pointer().pointer(), 0);
}

void TestMainWindow::applicationIcon_hasFourImages()
{
    QFile file(QStringLiteral(":/dotwise/dotwise.ico"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray ico = file.readAll();
    const auto u16 = [&](int at) { return int(quint8(ico[at])) | int(quint8(ico[at + 1])) << 8; };
    QCOMPARE(u16(2), 1); // an icon
    QCOMPARE(u16(4), 4);
    QList<QPair<int, int>> images; // size, bits per pixel
    for (int i = 0; i < 4; ++i) {
        const int entry = 6 + 16 * i;
        const int size = quint8(ico[entry]) == 0 ? 256 : quint8(ico[entry]);
        images.append({size, u16(entry + 6)});
    }
    QCOMPARE(images, (QList<QPair<int, int>>{{32, 32}, {256, 32}, {128, 32}, {48, 32}}));
    const QList<QSize> sizes = applicationIcon().availableSizes();
    for (int size : {32, 48, 128, 256})
        QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
    // The very pictures Qt's image plugin reads from the file.
    QImageReader reader(file.fileName(), "ico");
    do {
        const QImage expected = reader.read().convertToFormat(QImage::Format_ARGB32);
        const QImage shown = applicationIcon()
                                 .pixmap(expected.size())
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(shown == expected, qPrintable(QString::number(expected.width())));
        // The tile's rounded corners show what lies behind the icon.
        QCOMPARE(qAlpha(shown.pixel(0, 0)), 0);
    } while (reader.jumpToNextImage());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
