#include "support/recordingsound.h"
#include "support/testsupport.h"

#include "app/app.h"
#include "quiz/cellpictures.h"
#include "review/reviewwindow.h"
#include "shell/runtime.h"

#include <QLineEdit>
#include <QTest>

using namespace review;
using app::AppWindows;

namespace {

QImage pictureOf(int number)
{
    return quiz::drawCellPicture(number);
}

} // namespace

class TestReviewWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void opening_showsA();
    void next_data();
    void next();
    void lettersAndPicturesAgree();
    void failingPicture_letterStillAdvances();
    void focus_hiddenBoxThenNext();
    void host_reopensOnAAfterClose();
    void host_secondPressOnlyBringsForward();
};

void TestReviewWindow::cleanup()
{
    QVERIFY(testing::openWindows().isEmpty());
}

void TestReviewWindow::opening_showsA()
{
    testing::TestServices t;
    t.session.ReviewIndex = 1;
    Form4 form(t.services());
    QCOMPARE(form.Label2()->caption(), QStringLiteral("A"));
    QCOMPARE(form.Picture1()->pixmap().size(), QSize(143, 200));
    QCOMPARE(form.Picture1()->pixmap().toImage(), pictureOf(101));
    QCOMPARE(testing::backColor(form.Label2()), QColor(Qt::white));
    QCOMPARE(testing::backColor(form.Label1()), testing::buttonFaceColor());
    QCOMPARE(form.windowTitle(), QStringLiteral("Dotwise"));
    QVERIFY(t.errors.messages.isEmpty());
}

void TestReviewWindow::next_data()
{
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QSize>("size");
    QTest::newRow("1 press: B") << 1 << "B" << QSize(154, 215);
    QTest::newRow("14 presses: O, small") << 14 << "O" << QSize(143, 200);
    QTest::newRow("25 presses: Z") << 25 << "Z" << QSize(154, 215);
    QTest::newRow("26 presses: A again") << 26 << "A" << QSize(143, 200);
    QTest::newRow("27 presses: B again") << 27 << "B" << QSize(154, 215);
}

void TestReviewWindow::next()
{
    QFETCH(int, presses);
    QFETCH(QString, letter);
    QFETCH(QSize, size);
    testing::TestServices t;
    t.session.ReviewIndex = 1;
    Form4 form(t.services());
    for (int i = 0; i < presses; ++i)
        QTest::mouseClick(form.PushButton1(), Qt::LeftButton);
    QCOMPARE(form.Label2()->caption(), letter);
    QCOMPARE(form.Picture1()->pixmap().size(), size);
    QCOMPARE(int(t.session.ReviewIndex), letter[0].unicode() - 64);
}

void TestReviewWindow::lettersAndPicturesAgree()
{
    testing::TestServices t;
    t.session.ReviewIndex = 1;
    Form4 form(t.services());
    for (int i = 0; i < 60; ++i) {
        form.PushButton1_Click();
        QVERIFY(t.session.ReviewIndex >= 1 && t.session.ReviewIndex <= 26);
        const int code = form.Label2()->caption()[0].unicode();
        QCOMPARE(form.Picture1()->pixmap().toImage(), pictureOf(code + 36));
    }
}

void TestReviewWindow::failingPicture_letterStillAdvances()
{
    testing::TestServices t;
    t.session.ReviewIndex = 1;
    bool fail = false;
    Form4 form(t.services(), [&](int number) {
        if (fail)
            shell::raise(shell::ErrorNumber::ResourceNotFound);
        return quiz::LoadCellPicture(number);
    });
    fail = true;
    form.PushButton1_Click();
    QCOMPARE(form.Label2()->caption(), QStringLiteral("B"));
    QCOMPARE(form.Picture1()->pixmap().toImage(), pictureOf(101));
    QCOMPARE(t.errors.messages.size(), 1);
    QVERIFY(t.errors.messages[0].contains(QStringLiteral("Form4.PushButton1_Click at line 104")));
}

void TestReviewWindow::focus_hiddenBoxThenNext()
{
    testing::TestServices t;
    t.session.ReviewIndex = 1;
    Form4 form(t.services());
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.Text1());
    QVERIFY(form.Text1()->y() >= form.height()); // never seen
    QTest::keyClick(&form, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form.PushButton1());
    QTest::keyClick(form.PushButton1(), Qt::Key_Space);
    QCOMPARE(form.Label2()->caption(), QStringLiteral("B"));
}

void TestReviewWindow::host_reopensOnAAfterClose()
{
    testing::TestServices t;
    testing::RecordingSound sound;
    AppWindows windows(t.services(), sound);
    t.session.ReviewIndex = 1;
    windows.showReview();
    QPointer<Form4> first = testing::openWindowOf<review::Form4>();
    QVERIFY(first && first->isVisible());
    QVERIFY(first->parentWidget() == nullptr); // no owner
    for (int i = 0; i < 10; ++i)
        first->PushButton1_Click();
    QCOMPARE(first->Label2()->caption(), QStringLiteral("K"));
    first->close();
    QTRY_VERIFY(first.isNull()); // released on close
    t.session.ReviewIndex = 1;
    windows.showReview();
    QCOMPARE(testing::openWindowOf<review::Form4>()->Label2()->caption(), QStringLiteral("A"));
    testing::openWindowOf<review::Form4>()->PushButton1_Click();
    QCOMPARE(testing::openWindowOf<review::Form4>()->Label2()->caption(), QStringLiteral("B"));
    windows.closeAll();
    QVERIFY(!testing::openWindowOf<review::Form4>());
}

void TestReviewWindow::host_secondPressOnlyBringsForward()
{
    testing::TestServices t;
    testing::RecordingSound sound;
    AppWindows windows(t.services(), sound);
    t.session.ReviewIndex = 1;
    windows.showReview();
    Form4* window = testing::openWindowOf<review::Form4>();
    for (int i = 0; i < 10; ++i)
        window->PushButton1_Click();
    t.session.ReviewIndex = 1;
    windows.showReview();
    QCOMPARE(testing::openWindowOf<review::Form4>(), window); // not loaded again
    QCOMPARE(window->Label2()->caption(), QStringLiteral("K"));
    window->PushButton1_Click();
    QCOMPARE(window->Label2()->caption(), QStringLiteral("B"));
    windows.closeAll();
}

QTEST_MAIN(TestReviewWindow)
#include "tst_reviewwindow.moc"
