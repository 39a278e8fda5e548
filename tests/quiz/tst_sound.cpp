#include "quiz/sound.h"

#include <QElapsedTimer>
#include <QTest>

using namespace quiz;

namespace {

class FakeBackend final : public SoundBackend {
public:
    explicit FakeBackend(QStringList& log, bool filesPlay, bool defaultPlays)
        : m_log(log), m_filesPlay(filesPlay), m_defaultPlays(defaultPlays)
    {}
    bool playFile(const QString& path, bool wait) override
    {
        m_log << QStringLiteral("file %1 %2").arg(path).arg(wait);
        return m_filesPlay;
    }
    bool playDefault(bool wait) override
    {
        m_log << QStringLiteral("default %1").arg(wait);
        return m_defaultPlays;
    }
    void stop() override { m_log << QStringLiteral("stop"); }

private:
    QStringList& m_log;
    bool m_filesPlay;
    bool m_defaultPlays;
};

} // namespace

class TestSound : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void play_data();
    void play();
    void systemCall_data();
    void systemCall();
    void realBackend_neverBlocksOrFails();
};

void TestSound::play_data()
{
    QTest::addColumn<bool>("filesPlay");
    QTest::addColumn<bool>("defaultPlays");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("result");
    QTest::newRow("file plays") << true << true << QStringList{"stop", "file a.wav 0"} << true;
    QTest::newRow("missing file: default sound")
        << false << true << QStringList{"stop", "file a.wav 0", "default 0"} << true;
    QTest::newRow("no audio at all")
        << false << false << QStringList{"stop", "file a.wav 0", "default 0"} << false;
}

void TestSound::play()
{
    QFETCH(bool, filesPlay);
    QFETCH(bool, defaultPlays);
    QFETCH(QStringList, calls);
    QFETCH(bool, result);
    QStringList log;
    EventSoundPlayer player(std::make_unique<FakeBackend>(log, filesPlay, defaultPlays));
    QCOMPARE(PlaySoundFile(player, QStringLiteral("a.wav"), false), result);
    QCOMPARE(log, calls);
}

void TestSound::systemCall_data()
{
    QTest::addColumn<bool>("wait");
    QTest::addColumn<unsigned>("flags");
    QTest::newRow("start and return") << false << 1u;
    QTest::newRow("play, then return") << true << 0u;
}

void TestSound::systemCall()
{
    QFETCH(bool, wait);
    QFETCH(unsigned, flags);
    QStringList calls;
    SystemCallPlayer player([&](const QString& path, unsigned given) {
        calls << QStringLiteral("%1 %2").arg(path).arg(given);
        return false;
    });
    const QString path = QStringLiteral("C:/Program Files/Dotwise/sounds/\u00e9t\u00e9.wav");
    QCOMPARE(PlaySoundFile(player, path, wait), false);
    QCOMPARE(calls, QStringList{QStringLiteral("%1 %2").arg(path).arg(flags)});
}

void TestSound::realBackend_neverBlocksOrFails()
{
    // Whatever this machine has (often no audio server at all), playing
    // returns at once and never throws.
    const auto player = createPlatformSoundPlayer();
    const QString data = qEnvironmentVariable("DOTWISE_DATA_DIR");
    QElapsedTimer timer;
    timer.start();
    PlaySoundFile(*player, data + QStringLiteral("/sounds/correct.wav"), false);
    PlaySoundFile(*player, QStringLiteral("/nonexistent/sounds/wrong.wav"), false);
    PlaySoundFile(*player, data + QStringLiteral("/sounds/wrong.wav"), false);
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
}

QTEST_GUILESS_MAIN(TestSound)
#include "tst_sound.moc"
