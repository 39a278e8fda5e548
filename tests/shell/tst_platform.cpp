#include "support/testsupport.h"

#include "shell/mainwindow.h"
#include "shell/platform.h"
#include "shell/runtime.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace shell;

class TestPlatform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fileExists_data();
    void fileExists();
    void skinListing_skipsHiddenFiles();
    void appTitle_data();
    void appTitle();
    void setAppTitle_keepsTitleOfOneWord();
    void homePage_data();
    void homePage();
    void generator_sameSeedStillVaries();
    void generator_staysBelowOne();
    void settings_roundTrip();
    void settings_defaultWhenAbsent();
    void settings_unwritableFolderFails();
    void settings_keptAcrossRuns();
};

void TestPlatform::fileExists_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("exists");
    QTest::newRow("existing file") << "present.txt" << true;
    QTest::newRow("hidden file") << ".hidden" << true;
    QTest::newRow("missing file") << "absent.txt" << false;
    QTest::newRow("missing directory") << "nowhere/present.txt" << false;
    QTest::newRow("empty path") << "" << false;
}

void TestPlatform::fileExists()
{
    QFETCH(QString, relative);
    QFETCH(bool, exists);
    QTemporaryDir dir;
    for (const char* name : {"present.txt", ".hidden"}) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    const QString path = relative.isEmpty() ? QString() : dir.filePath(relative);
    QCOMPARE(FileExists(path), exists);
}

void TestPlatform::skinListing_skipsHiddenFiles()
{
    QTemporaryDir dir;
    QFile hidden(dir.filePath(QStringLiteral(".o.cjs")));
    QVERIFY(hidden.open(QIODevice::WriteOnly));
#ifdef Q_OS_WIN
    // Windows hides a file by its attribute, not by its name (Wine 8 hid
    // dot-files too, Wine 10 does not).
    hidden.close();
    QVERIFY(SetFileAttributesW(
        reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(hidden.fileName()).utf16()),
        FILE_ATTRIBUTE_HIDDEN));
#endif
    QFile normal(dir.filePath(QStringLiteral("o.cjs")));
    QVERIFY(normal.open(QIODevice::WriteOnly));
    QVERIFY(!isNormalFilePresent(hidden.fileName()));
    QVERIFY(isNormalFilePresent(normal.fileName()));
    QVERIFY(!isNormalFilePresent(dir.path()));
    QVERIFY(!isNormalFilePresent(dir.filePath(QStringLiteral("missing"))));
}

void TestPlatform::appTitle_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("title"); // "-": left unchanged
    QTest::newRow("one word") << "Dotwise"
                              << "-";
    QTest::newRow("two words") << "Dotwise Drill"
                               << "Dotwise";
    QTest::newRow("four words, 33 characters") << "Braille Letters Practice Workshop"
                                               << "Braille Letters Practice";
    QTest::newRow("45 characters, cut twice") << "Abcdefghij Abcdefghij Abcdefghij Abcdefgh Abc"
                                              << "Abcdefghij Abcdefghij Abcdefghij";
}

void TestPlatform::appTitle()
{
    QFETCH(QString, product);
    QFETCH(QString, title);
    const auto result = appTitleFor(product);
    if (title == u"-")
        QVERIFY(!result);
    else
        QCOMPARE(result.value_or(QString()), title);
}

void TestPlatform::setAppTitle_keepsTitleOfOneWord()
{
    QGuiApplication::setApplicationDisplayName(QStringLiteral("before"));
    SetAppTitle();
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("before"));
}

void TestPlatform::homePage_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<bool>("opens");
    QTest::newRow("draws 7") << 0.065f << true;
    QTest::newRow("just above 6") << 0.0601f << true;
    QTest::newRow("draws 6") << 0.059f << false;
    QTest::newRow("draws 8") << 0.07f << false;
    QTest::newRow("draws 1") << 0.0f << false;
    QTest::newRow("draws 100") << 0.9999f << false;
}

void TestPlatform::homePage()
{
    QFETCH(float, r);
    QFETCH(bool, opens);
    testing::FixedClock clock;
    testing::ScriptedGenerator random;
    random.values = {r};
    testing::RecordingDesktop desktop;
    OpenHomePageAtRandom(clock, random, desktop);
    QCOMPARE(random.reseeds, 1);
    QCOMPARE(desktop.opened.size(), opens ? 1 : 0);
    if (opens)
        QCOMPARE(desktop.opened[0].scheme(), QStringLiteral("https"));
}

void TestPlatform::generator_sameSeedStillVaries()
{
    MixingGenerator generator;
    QSet<float> values;
    for (int i = 0; i < 100; ++i) {
        generator.reseed(1234.5f);
        values.insert(generator.next());
    }
    QCOMPARE(values.size(), 100);
}

void TestPlatform::generator_staysBelowOne()
{
    MixingGenerator generator(7);
    float smallest = 1, largest = 0;
    for (int i = 0; i < 200000; ++i) {
        const float r = generator.next();
        QVERIFY(r >= 0.0f && r < 1.0f);
        smallest = std::min(smallest, r);
        largest = std::max(largest, r);
    }
    QVERIFY(smallest < 0.001f);
    QVERIFY(largest > 0.999f);
}

void TestPlatform::settings_roundTrip()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("s.ini"));
    QSettingsStore store(file);
    store.save(QStringLiteral("Quillmark"), QStringLiteral("Dotwise"), QStringLiteral("Text1"),
               QStringLiteral("abc"));
    // Written through at once: a second store sees it without any flush.
    QSettingsStore other(file);
    QCOMPARE(other.get(QStringLiteral("Quillmark"), QStringLiteral("Dotwise"),
                       QStringLiteral("Text1"), QStringLiteral("20")),
             QStringLiteral("abc"));
}

void TestPlatform::settings_defaultWhenAbsent()
{
    QTemporaryDir dir;
    QSettingsStore store(dir.filePath(QStringLiteral("s.ini")));
    QCOMPARE(store.get(QStringLiteral("Quillmark"), QStringLiteral("Dotwise"),
                       QStringLiteral("Text1"), QStringLiteral("20")),
             QStringLiteral("20"));
}

void TestPlatform::settings_unwritableFolderFails()
{
    // As root no permission stops a write; a regular file in the way does.
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSettingsStore store(dir.filePath(QStringLiteral("blocker/s.ini")));
    QVERIFY_THROWS_EXCEPTION(RuntimeError,
                             store.save(QStringLiteral("Quillmark"), QStringLiteral("Dotwise"),
                                        QStringLiteral("Text1"), QStringLiteral("5")));
}

void TestPlatform::settings_keptAcrossRuns()
{
    // One program run saves the count, a fresh one reads it back: the INI
    // file on Linux, the registry on Windows.
    const QString probe =
        QCoreApplication::applicationDirPath() + QStringLiteral("/settings_probe");
    QProcess save;
    save.start(probe, {QStringLiteral("save"), QStringLiteral("7")});
    QVERIFY(save.waitForFinished(30000));
    QCOMPARE(save.exitCode(), 0);
    QProcess get;
    get.start(probe, {QStringLiteral("get")});
    QVERIFY(get.waitForFinished(30000));
    QCOMPARE(get.readAllStandardOutput(), QByteArray("7"));
#ifdef Q_OS_WIN
    const QSettings registry(QStringLiteral("HKEY_CURRENT_USER\\Software\\Quillmark"),
                             QSettings::NativeFormat);
    QCOMPARE(registry.value(QStringLiteral("Dotwise/Text1")).toString(), QStringLiteral("7"));
#endif
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
