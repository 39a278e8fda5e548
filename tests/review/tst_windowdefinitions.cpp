#include "support/recordingsound.h"
#include "support/testsupport.h"

#include "quiz/quizwindow.h"
#include "review/resultswindow.h"
#include "review/reviewwindow.h"
#include "shell/mainwindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <memory>

namespace {

struct Row {
    const char* name;
    const char* container; // objectName of the parent
    QRect pixels;
    bool widthFollowsCaption = false;
};

// The four windows in pixels at 96 dpi, as a person measuring them would
// write them down.
const QList<Row> form1Rows{
    {"Frame1", "Form1", {8, 8, 520, 55}},         {"Text1", "Frame1", {16, 20, 489, 23}},
    {"PushButton1", "Form1", {8, 72, 520, 27}},   {"Frame2", "Form1", {8, 106, 520, 59}},
    {"PushButton2", "Frame2", {16, 20, 488, 27}},
};
const QList<Row> form2Rows{
    {"Label1", "Form2", {8, 8, 520, 249}},         {"Picture1", "Form2", {192, 24, 156, 202}},
    {"Frame1", "Form2", {8, 262, 520, 93}},        {"PushButton1", "Frame1", {16, 20, 240, 27}},
    {"PushButton2", "Frame1", {264, 20, 240, 27}}, {"PushButton3", "Frame1", {16, 54, 240, 27}},
    {"PushButton4", "Frame1", {264, 54, 240, 27}}, {"Frame2", "Form2", {8, 360, 520, 53}},
    {"Label2", "Frame2", {16, 20, 488, 20}},
};
const QList<Row> form3Rows{
    {"Text1", "Form3", {16, 438, 97, 22}},
    {"Frame1", "Form3", {8, 8, 520, 105}},
    {"lblCorrect", "Frame1", {16, 24, 108, 15}, true},
    {"lblWrong", "Frame1", {16, 48, 103, 15}, true},
    {"lblPercentage", "Frame1", {16, 72, 69, 15}, true},
    {"ListView1", "Form3", {8, 120, 256, 259}},
    {"ListView2", "Form3", {272, 120, 256, 259}},
    {"PushButton1", "Form3", {8, 386, 520, 27}},
};
const QList<Row> form4Rows{
    {"Label1", "Form4", {8, 10, 520, 249}}, {"Picture1", "Form4", {192, 24, 156, 202}},
    {"Label2", "Form4", {8, 266, 520, 63}}, {"PushButton1", "Form4", {8, 336, 520, 27}},
    {"Text1", "Form4", {88, 390, 65, 31}},
};

// The focusable controls in Tab order, starting from the first one.
QStringList tabOrder(QWidget* window)
{
    QStringList names;
    QWidget* first = window->focusWidget();
    QWidget* w = first;
    do {
        if (w != window && window->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus))
            names << w->objectName();
        w = w->nextInFocusChain();
    } while (w && w != first);
    return names;
}

} // namespace

class TestWindowDefinitions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void windows_data();
    void windows();
};

void TestWindowDefinitions::cleanup()
{
    QVERIFY(testing::openWindows().isEmpty());
}

void TestWindowDefinitions::windows_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<bool>("minimise");
    QTest::addColumn<QStringList>("tabs");
    QTest::newRow("Form1, main") << 1 << QSize(536, 172) << true
                                 << QStringList{"Text1", "PushButton1", "PushButton2"};
    QTest::newRow("Form2, quiz") << 2 << QSize(536, 420) << false
                                 << QStringList{"PushButton1", "PushButton2", "PushButton3",
                                                "PushButton4"};
    QTest::newRow("Form3, results")
        << 3 << QSize(536, 421) << false
        << QStringList{"Text1", "PushButton1", "ListView1", "ListView2"};
    QTest::newRow("Form4, review")
        << 4 << QSize(536, 371) << false << QStringList{"Text1", "PushButton1"};
}

void TestWindowDefinitions::windows()
{
    QFETCH(int, form);
    QFETCH(QSize, client);
    QFETCH(bool, minimise);
    QFETCH(QStringList, tabs);
    testing::TestServices t;
    testing::StubHost host;
    testing::RecordingSound sound;
    std::unique_ptr<QWidget> window;
    QList<Row> rows;
    switch (form) {
    case 1:
        window = std::make_unique<shell::Form1>(t.services(), host);
        rows = form1Rows;
        break;
    case 2:
        window = std::make_unique<quiz::Form2>(t.services(), sound);
        rows = form2Rows;
        break;
    case 3:
        window = std::make_unique<review::Form3>(t.services(), QStringLiteral("20"));
        rows = form3Rows;
        break;
    default:
        window = std::make_unique<review::Form4>(t.services());
        rows = form4Rows;
    }

    QCOMPARE(window->size(), client);
    QCOMPARE(window->minimumSize(), client); // fixed border
    QCOMPARE(window->maximumSize(), client);
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags.testFlag(Qt::Window));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(flags.testFlag(Qt::WindowMinimizeButtonHint), minimise);
    QCOMPARE(window->parentWidget(), nullptr); // a taskbar entry of its own
    QCOMPARE(window->windowTitle(), QStringLiteral("Dotwise"));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY((window->frameGeometry().center() - screen.center()).manhattanLength() <= 2);

    for (const Row& row : rows) {
        const QString name = QString::fromLatin1(row.name);
        auto* control = window->findChild<QWidget*>(name);
        QVERIFY2(control, row.name);
        QCOMPARE(control->parentWidget()->objectName(), QString::fromLatin1(row.container));
        QCOMPARE(control->pos(), row.pixels.topLeft());
        QCOMPARE(control->height(), row.pixels.height());
        if (!row.widthFollowsCaption)
            QCOMPARE(control->width(), row.pixels.width());
        const bool isButton = name.startsWith(QStringLiteral("PushButton"));
        const bool isBigLetter = form == 4 && name == u"Label2";
        const bool sansSerif =
            (form == 4 && !isButton && !isBigLetter) || (form == 2 && name == u"Picture1");
        const QFont font = control->font();
        QCOMPARE(font.families().value(0),
                 sansSerif ? QStringLiteral("MS Sans Serif") : QStringLiteral("Arial"));
        const double points = isButton ? 11.25 : isBigLetter ? 36 : sansSerif ? 8.25 : 9;
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(font.bold(), !sansSerif);
    }
    // Hidden focus holders lie below the client area.
    if (auto* hidden = window->findChild<QWidget*>(QStringLiteral("Text1")); hidden && form != 1)
        QVERIFY(hidden->y() >= client.height());
    QCOMPARE(tabOrder(window.get()), tabs);
    QCOMPARE(window->focusWidget()->objectName(), tabs.first());
}

QTEST_MAIN(TestWindowDefinitions)
#include "tst_windowdefinitions.moc"
