#include "support/testsupport.h"

#include "review/resultswindow.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

using namespace review;

class TestResultsWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void summary_data();
    void summary();
    void percentage_exactTies_data();
    void percentage_exactTies();
    void noQuestions_reportsLine104AndFillsLists();
    void lists_haveOneHeaderOf3300Twips();
    void lblCorrect_widensKeepingLeftEdge();
    void readsSessionWithoutChangingIt();
    void close_unloads();
    void pointer_handOnButtonArrowOnLists();
};

void TestResultsWindow::cleanup()
{
    QVERIFY(testing::openWindows().isEmpty());
}

void TestResultsWindow::summary_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("right");
    QTest::addColumn<QStringList>("wrong");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("percentage");
    const auto letters = [](int n) {
        QStringList l;
        for (int i = 0; i < n; ++i)
            l << QString(QChar(u'A' + i % 26));
        return l;
    };
    QTest::newRow("15 of 20") << "20" << letters(15) << letters(5) << "C"
                              << "Percentage: 75%";
    QTest::newRow("1 of 3") << "3" << letters(1) << letters(2) << "C"
                            << "Percentage: 33.33%";
    QTest::newRow("2 of 3") << "3" << letters(2) << letters(1) << "C"
                            << "Percentage: 66.67%";
    QTest::newRow("1 of 32, tie to even") << "32" << letters(1) << letters(31) << "C"
                                          << "Percentage: 3.12%";
    QTest::newRow("4 right then abandoned") << "20" << letters(4) << QStringList{} << "C"
                                            << "Percentage: 20%";
    QTest::newRow("first question closed") << "20" << QStringList{} << QStringList{} << "C"
                                           << "Percentage: 0%";
    QTest::newRow("1 of 8 with a comma") << "8" << letters(1) << letters(7) << "de_DE"
                                         << "Percentage: 12,5%";
    QTest::newRow("repeats kept in order")
        << "4" << QStringList{"K", "B", "K"} << QStringList{"K"} << "C"
        << "Percentage: 75%";
}

void TestResultsWindow::summary()
{
    QFETCH(QString, count);
    QFETCH(QStringList, right);
    QFETCH(QStringList, wrong);
    QFETCH(QString, locale);
    QFETCH(QString, percentage);
    testing::TestServices t;
    t.locale = QLocale(locale);
    t.session.CorrectCount = qint16(right.size());
    t.session.WrongCount = qint16(wrong.size());
    t.session.CorrectLetters = right;
    t.session.WrongLetters = wrong;
    Form3 form(t.services(), count);
    QCOMPARE(form.lblCorrect()->caption(),
             QStringLiteral("Number of Correct: %1").arg(right.size()));
    QCOMPARE(form.lblWrong()->caption(), QStringLiteral("Number of Wrong: %1").arg(wrong.size()));
    QCOMPARE(form.lblPercentage()->caption(), percentage);
    QCOMPARE(testing::itemTexts(form.ListView1()), right);
    QCOMPARE(testing::itemTexts(form.ListView2()), wrong);
    QVERIFY(t.errors.messages.isEmpty());
}

void TestResultsWindow::percentage_exactTies_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("percentage");
    QTest::newRow("3.125 to 3.12") << 1 << 32 << 3.12;
    QTest::newRow("0.015 to 0.02") << 3 << 20000 << 0.02;
    QTest::newRow("0.625 to 0.62") << 1 << 160 << 0.62;
    QTest::newRow("all right") << 7 << 7 << 100.0;
    QTest::newRow("largest count") << 1 << 32767 << 0.0;
}

void TestResultsWindow::percentage_exactTies()
{
    QFETCH(int, right);
    QFETCH(int, count);
    QFETCH(double, percentage);
    QCOMPARE(percentageRight(qint16(right), qint16(count)), percentage);
}

void TestResultsWindow::noQuestions_reportsLine104AndFillsLists()
{
    for (const QString& count :
         {QStringLiteral("0"), QStringLiteral("40000"), QStringLiteral("x")}) {
        testing::TestServices t;
        t.session.CorrectLetters = QStringList{QStringLiteral("A")};
        t.session.CorrectCount = 1;
        Form3 form(t.services(), count);
        QCOMPARE(t.errors.messages.size(), 1);
        QVERIFY(t.errors.messages[0].contains(
            QStringLiteral("in Dotwise2021/08/31.Form3.LoadResults at line 104")));
        QCOMPARE(form.lblPercentage()->caption(), QStringLiteral("Percentage:"));
        QCOMPARE(form.lblCorrect()->caption(), QStringLiteral("Number of Correct: 1"));
        QCOMPARE(testing::itemTexts(form.ListView1()), QStringList{QStringLiteral("A")});
    }
}

void TestResultsWindow::lists_haveOneHeaderOf3300Twips()
{
    testing::TestServices t;
    Form3 form(t.services(), QStringLiteral("20"));
    const QList<shell::ListView*> lists{form.ListView1(), form.ListView2()};
    const QStringList headers{QStringLiteral("Correct Words"), QStringLiteral("Wrong Words")};
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(lists[i]->columnCount(), 1);
        QVERIFY(!lists[i]->isHeaderHidden());
        QCOMPARE(lists[i]->headerItem()->text(0), headers[i]);
        QCOMPARE(lists[i]->columnWidth(0), 220); // 3300 twips
    }
}

void TestResultsWindow::lblCorrect_widensKeepingLeftEdge()
{
    testing::TestServices t;
    t.session.CorrectCount = 15;
    Form3 form(t.services(), QStringLiteral("20"));
    QCOMPARE(form.lblCorrect()->x(), 16);
    QVERIFY2(form.lblCorrect()->width() > 108,
             qPrintable(QString::number(form.lblCorrect()->width())));
    QCOMPARE(form.lblCorrect()->height(), 15);
    QCOMPARE(form.lblPercentage()->x(), 16);
}

void TestResultsWindow::readsSessionWithoutChangingIt()
{
    testing::TestServices t;
    t.session.CorrectCount = 2;
    t.session.CorrectLetters = QStringList{QStringLiteral("C"), QStringLiteral("D")};
    t.session.LastStatusText = QStringLiteral("Correct with D");
    const shell::QuizSession before = t.session;
    {
        Form3 form(t.services(), QStringLiteral("2"));
    }
    QCOMPARE(t.session.CorrectCount, before.CorrectCount);
    QCOMPARE(t.session.CorrectLetters, before.CorrectLetters);
    QCOMPARE(t.session.LastStatusText, before.LastStatusText);
}

void TestResultsWindow::close_unloads()
{
    testing::TestServices t;
    Form3 form(t.services(), QStringLiteral("20"));
    form.show();
    QCOMPARE(form.focusWidget(), form.Text1());
    QTest::mouseClick(form.PushButton1(), Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QVERIFY(t.errors.messages.isEmpty());
}

void TestResultsWindow::pointer_handOnButtonArrowOnLists()
{
    testing::TestServices t;
    Form3 form(t.services(), QStringLiteral("20"));
    for (QWidget* list : {static_cast<QWidget*>(form.ListView1()->viewport()),
                          static_cast<QWidget*>(form.ListView2()->header()->viewport())}) {
        testing::moveMouseOver(form.PushButton1());
        QCOMPARE(form.pointer().pointer(), 99);
        testing::moveMouseOver(list);
        QCOMPARE(form.pointer().pointer(), 0);
    }
}

QTEST_MAIN(TestResultsWindow)
#include "tst_resultswindow.moc"
