#include "support/recordingsound.h"
#include "support/testsupport.h"

#include "quiz/quizwindow.h"
#include "quiz/sound.h"
#include "shell/mainwindow.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <csignal>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray garbage(int size)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator generator(42);
    for (char& c : bytes)
        c = char(generator.bounded(256));
    return bytes;
}

} // namespace

class TestFaults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void damagedSkin_data();
    void damagedSkin();
    void damagedCursor_quizStillAsks_data();
    void damagedCursor_quizStillAsks();
    void damagedSound_judgingUnchanged_data();
    void damagedSound_judgingUnchanged();
    void unwritableSettings_typingNeitherFailsNorBlocks();
    void killedWhileTyping_settingIsOldOrNew();

private:
    QString m_blockedConfig;
    QTemporaryDir m_dir;
};

void TestFaults::initTestCase()
{
    // Before any settings are opened in this process: the config folder
    // lies below a regular file, so no write can succeed, even as root.
    const QString blocker = m_dir.filePath(QStringLiteral("blocker"));
    writeFile(blocker, "a file, not a folder");
    m_blockedConfig = blocker + QStringLiteral("/config");
    qputenv("XDG_CONFIG_HOME", m_blockedConfig.toLocal8Bit());
}

void TestFaults::cleanup()
{
    QVERIFY(testing::openWindows().isEmpty());
}

void TestFaults::damagedSkin_data()
{
    QTest::addColumn<QByteArray>("skin");
    QFile ours(testing::dataDirectory() + QStringLiteral("/x/o.cjs"));
    QVERIFY(ours.open(QIODevice::ReadOnly));
    const QByteArray sheet = ours.readAll();
    QTest::newRow("truncated") << sheet.left(sheet.size() / 3);
    QTest::newRow("binary garbage") << garbage(4096);
    QTest::newRow("empty") << QByteArray();
}

void TestFaults::damagedSkin()
{
    // The engine takes any text: rules Qt cannot parse are dropped, the
    // window loads with its colours and nothing is reported.
    QFETCH(QByteArray, skin);
    testing::TestServices t;
    writeFile(shell::appFile(t.appDirectory, shell::skinFile), skin);
    testing::StubHost host;
    QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    {
        shell::Form1 form(t.services(), host);
        form.show();
        QVERIFY(!form.grab().isNull());
        QCOMPARE(form.Text1()->text(), QStringLiteral("20"));
        QCOMPARE(testing::backColor(&form), testing::buttonFaceColor());
        QVERIFY(t.errors.messages.isEmpty());
    }
    qInstallMessageHandler(previous);
}

void TestFaults::damagedCursor_quizStillAsks_data()
{
    QTest::addColumn<QByteArray>("cursor");
    QFile ours(testing::dataDirectory() + QStringLiteral("/HAND-M.CUR"));
    QVERIFY(ours.open(QIODevice::ReadOnly));
    const QByteArray cursor = ours.readAll();
    QTest::newRow("header only") << cursor.left(22);
    QTest::newRow("image cut short") << cursor.left(200);
    QTest::newRow("garbage") << garbage(4286);
}

void TestFaults::damagedCursor_quizStillAsks()
{
    QFETCH(QByteArray, cursor);
    testing::TestServices t;
    writeFile(shell::appFile(t.appDirectory, shell::handCursorFile), cursor);
    testing::RecordingSound sound;
    quiz::Form2 form(t.services(), sound);
    QCOMPARE(t.errors.messages.size(), 1);
    QVERIFY(t.errors.messages[0].contains(QStringLiteral("Form2.Form_Load at line 108")));
    QVERIFY(!form.pointer().mouseIcon());
    QCOMPARE(form.PushButton(form.AnswerButtonIndex() + 1)->caption(), t.session.CurrentLetter);
}

void TestFaults::damagedSound_judgingUnchanged_data()
{
    QTest::addColumn<QByteArray>("wav");
    QFile ours(testing::dataDirectory() + QStringLiteral("/sounds/correct.wav"));
    QVERIFY(ours.open(QIODevice::ReadOnly));
    const QByteArray wav = ours.readAll();
    QTest::newRow("truncated") << wav.left(30);
    QTest::newRow("header only") << wav.left(44);
    QTest::newRow("garbage") << garbage(20000);
}

void TestFaults::damagedSound_judgingUnchanged()
{
    QFETCH(QByteArray, wav);
    testing::TestServices t;
    writeFile(shell::appFile(t.appDirectory, quiz::correctSoundFile), wav);
    writeFile(shell::appFile(t.appDirectory, quiz::wrongSoundFile), wav);
    const auto player = quiz::createPlatformSoundPlayer();
    QElapsedTimer timer;
    timer.start();
    for (int k : {1, 2}) {
        quiz::Form2 form(t.services(), *player);
        form.PushButton_Click(k);
    }
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(t.session.CorrectCount + t.session.WrongCount, 2);
    QVERIFY(t.errors.messages.isEmpty());
}

void TestFaults::unwritableSettings_typingNeitherFailsNorBlocks()
{
    testing::TestServices t;
    shell::QSettingsStore userStore; // the real per-user store, now unwritable
    t.store = &userStore;
    testing::StubHost host;
    shell::Form1 form(t.services(), host);
    QCOMPARE(form.Text1()->text(), QStringLiteral("20"));
    QElapsedTimer timer;
    timer.start();
    form.Text1()->clear();
    QTest::keyClicks(form.Text1(), QStringLiteral("15"));
    QCOMPARE(form.Text1()->text(), QStringLiteral("15"));
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(t.errors.messages.isEmpty());
    QVERIFY(!QFileInfo::exists(m_blockedConfig));
}

void TestFaults::killedWhileTyping_settingIsOldOrNew()
{
    const QString config = m_dir.filePath(QStringLiteral("config"));
    const QString file = config + QStringLiteral("/Quillmark.ini");
    // Every value the typist can leave: a prefix of what it types.
    const QRegularExpression whole(
        QStringLiteral("\\A\\[Dotwise\\]\\nText1=(1(2(3(4(5(6(7(8(9)?)?)?)?)?)?)?)?)?\\n\\z"));
    QRandomGenerator generator(7);
    int writtenRuns = 0;
    for (int run = 0; run < 25; ++run) {
        QProcess typist;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        typist.setProcessEnvironment(env);
        typist.start(QCoreApplication::applicationDirPath() + QStringLiteral("/settings_typist"),
                     QStringList());
        QVERIFY(typist.waitForStarted());
        // Typing has begun.
        QVERIFY2(typist.waitForReadyRead(10000),
                 qPrintable(QStringLiteral("run %1, left: %2")
                                .arg(run)
                                .arg(QDir(config).entryList(QDir::Files).join(u' '))));
        QTest::qWait(int(generator.bounded(5, 120)));
        ::kill(pid_t(typist.processId()), SIGKILL);
        QVERIFY(typist.waitForFinished());
        QCOMPARE(typist.exitStatus(), QProcess::CrashExit);

        QFile settings(file);
        if (!settings.exists())
            continue; // killed before the first keystroke was stored
        ++writtenRuns;
        QVERIFY(settings.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(settings.readAll());
        QVERIFY2(whole.match(text).hasMatch(), qPrintable(text));
    }
    QVERIFY(writtenRuns > 0);
}

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
