// Every window under the colour schemes desktops hand to Qt: each text is
// measured from the rendered pixels against the ground around it.

#include "support/recordingsound.h"
#include "support/testsupport.h"

#include "quiz/quizwindow.h"
#include "review/resultswindow.h"
#include "review/reviewwindow.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

double luminance(QRgb c)
{
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// The commonest colour of the area is its ground; its text is the pixel
// that stands out most. A blank text measures 1.
struct Measure {
    QRgb ground;
    QRgb ink;
    double ratio;
};

Measure measure(const QImage& image, const QRect& area)
{
    QHash<QRgb, int> counts;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000];
    QRgb ground = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            ground = it.key();
        }
    }
    Measure m{ground, ground, 1.0};
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (const double c = contrast(ground, it.key()); c > m.ratio)
            m = {ground, it.key(), c};
    }
    return m;
}

QPalette makePalette(QRgb window, QRgb windowText, QRgb base, QRgb text, QRgb face, QRgb buttonText,
                     QRgb highlight, QRgb highlightedText)
{
    const QColor button(face);
    QPalette p(QColor(windowText), button, button.lighter(130), button.darker(130),
               button.darker(115), QColor(text), QColor(windowText), QColor(base), QColor(window));
    p.setColor(QPalette::ButtonText, QColor(buttonText));
    p.setColor(QPalette::Highlight, QColor(highlight));
    p.setColor(QPalette::HighlightedText, QColor(highlightedText));
    p.setColor(QPalette::AlternateBase, QColor(base));
    return p;
}

// Desktops' schemes, by their own values: qt6ct's shipped "darker",
// KDE's Breeze Dark, and black and white high contrast.
QPalette schemePalette(const QString& name, const QPalette& fallback)
{
    if (name == u"darker")
        return makePalette(0xff222020, 0xffffffff, 0xff3d3d3d, 0xffffffff, 0xff424245, 0xffffffff,
                           0xff12608a, 0xfff9f9f9);
    if (name == u"breeze dark")
        return makePalette(0xff2a2e32, 0xfffcfcfc, 0xff1b1e20, 0xfffcfcfc, 0xff31363b, 0xfffcfcfc,
                           0xff3daee9, 0xfffcfcfc);
    if (name == u"high contrast black")
        return makePalette(0xff000000, 0xffffffff, 0xff000000, 0xffffffff, 0xff000000, 0xffffffff,
                           0xff1aebff, 0xff000000);
    if (name == u"high contrast white")
        return makePalette(0xffffffff, 0xff000000, 0xffffffff, 0xff000000, 0xffffffff, 0xff000000,
                           0xff37006e, 0xffffffff);
    return fallback;
}

QRect inWindow(QWidget* control, const QRect& area)
{
    return QRect(control->mapTo(control->window(), area.topLeft()), area.size());
}

QRect titleArea(QGroupBox* box)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.lineWidth = 1;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                        box);
}

// Every visible text of the window, named, in window coordinates.
QList<QPair<QString, QRect>> textAreas(QWidget* window)
{
    QList<QPair<QString, QRect>> areas;
    const QRect client = window->rect();
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || !client.contains(w->mapTo(window, QPoint(0, 0))))
            continue; // the hidden focus holders lie below the client area
        const QString name = w->objectName();
        if (auto* box = qobject_cast<QGroupBox*>(w))
            areas.append({name + QStringLiteral(" title"), inWindow(w, titleArea(box))});
        else if (auto* button = qobject_cast<QPushButton*>(w); button && !button->text().isEmpty())
            areas.append({name, inWindow(w, w->rect().adjusted(3, 3, -3, -3))});
        else if (qobject_cast<QLineEdit*>(w))
            areas.append({name, inWindow(w, w->rect().adjusted(3, 3, -3, -3))});
        else if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty())
            areas.append({name, inWindow(w, w->rect().adjusted(2, 2, -2, -2))});
        else if (auto* list = qobject_cast<QTreeWidget*>(w)) {
            QHeaderView* header = list->header();
            areas.append({name + QStringLiteral(" header"),
                          inWindow(header, QRect(0, 0, header->sectionSize(0), header->height())
                                               .adjusted(2, 2, -2, -2))});
            if (list->topLevelItemCount() > 0)
                areas.append(
                    {name + QStringLiteral(" item"),
                     inWindow(list->viewport(), list->visualItemRect(list->topLevelItem(0)))});
        }
    }
    return areas;
}

} // namespace

class TestSchemes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void everyTextReads_data();
    void everyTextReads();

private:
    QPalette m_default;
    QFont m_font;
};

void TestSchemes::initTestCase()
{
    m_default = QApplication::palette();
    m_font = QApplication::font();
}

void TestSchemes::cleanup()
{
    QApplication::setPalette(m_default);
    QApplication::setFont(m_font);
    QVERIFY(testing::openWindows().isEmpty());
}

void TestSchemes::everyTextReads_data()
{
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("openedUnder"); // the scheme before a live switch, if any
    const auto windows = {"main", "main unskinned", "question", "summary", "review", "message box"};
    for (const char* scheme :
         {"default", "darker", "breeze dark", "high contrast black", "high contrast white"})
        for (const char* window : windows)
            QTest::addRow("%s, %s", scheme, window) << scheme << window << QString();
    // The desktop switches while the window is open, with its font.
    for (const auto& [from, to] : {std::pair{"default", "darker"}, std::pair{"darker", "default"},
                                   std::pair{"breeze dark", "high contrast black"}})
        for (const char* window : windows)
            QTest::addRow("%s, %s, switched from %s", to, window, from) << to << window << from;
}

void TestSchemes::everyTextReads()
{
    QFETCH(QString, scheme);
    QFETCH(QString, window);
    QFETCH(QString, openedUnder);
    const QFont font = QApplication::font();
    if (!openedUnder.isEmpty()) {
        QApplication::setPalette(schemePalette(openedUnder, m_default));
        QApplication::setFont(QFont(QStringLiteral("DejaVu Serif"), 14));
    } else {
        QApplication::setPalette(schemePalette(scheme, m_default));
    }
    const bool byDefault = scheme == u"default";

    testing::TestServices t;
    if (window == u"main")
        t.appDirectory = testing::dataDirectory(); // the skin beside the program
    t.session.LastStatusText = QStringLiteral("Wrong. Correct answer was K");
    t.session.LastStatusColor = QStringLiteral("255");
    t.session.CorrectCount = 3;
    t.session.WrongCount = 1;
    t.session.CorrectLetters = QStringList{"A", "K", "Z"};
    t.session.WrongLetters = QStringList{"B"};
    testing::scriptQuestion(t, 2, 'K', "BAD");
    testing::StubHost host;
    testing::RecordingSound sound;
    const auto open = [&]() -> std::unique_ptr<QWidget> {
        std::unique_ptr<QWidget> form;
        if (window.startsWith(u"main"))
            form = std::make_unique<shell::Form1>(t.services(), host);
        else if (window == u"question")
            form = std::make_unique<quiz::Form2>(t.services(), sound);
        else if (window == u"summary")
            form = std::make_unique<review::Form3>(t.services(), QStringLiteral("4"));
        else if (window == u"review")
            form = std::make_unique<review::Form4>(t.services());
        else // as the error report shows it
            form = std::make_unique<QMessageBox>(
                QMessageBox::Warning, QStringLiteral("Application Error"),
                QStringLiteral("Overflow\r\nin Dotwise2021/08/31."
                               "Form1.PushButton1_Click at line 108"),
                QMessageBox::Ok);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            return nullptr;
        // A selection is drawn in the scheme's own highlight pair.
        for (QLineEdit* edit : form->findChildren<QLineEdit*>())
            edit->deselect();
        return form;
    };
    const std::unique_ptr<QWidget> form = open();
    QVERIFY(form);
    QWidget* shown = form.get();
    if (!openedUnder.isEmpty()) {
        QApplication::setFont(font);
        QApplication::setPalette(schemePalette(scheme, m_default));
        // It looks as it would, had it been opened under the new scheme
        // (Qt's own box keeps the size it was opened with).
        QImage expected;
        if (window != u"message box") {
            testing::scriptQuestion(t, 2, 'K', "BAD");
            expected = open()->grab().toImage();
            QVERIFY(!expected.isNull());
        }
        shown->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(shown));
        for (QLineEdit* edit : shown->findChildren<QLineEdit*>())
            edit->deselect();
        if (!expected.isNull())
            QTRY_COMPARE(shown->grab().toImage(), expected);
    }

    const auto check = [&](const QString& state) {
        const QImage image = shown->grab().toImage();
        for (const auto& [name, area] : textAreas(shown)) {
            const Measure m = measure(image, area);
            const QString what =
                QStringLiteral("%1 (%2): %3 on %4, %5:1")
                    .arg(name, state, QColor(m.ink).name(), QColor(m.ground).name())
                    .arg(m.ratio, 0, 'f', 2);
            if (name == u"Label2" && window == u"question") {
                // The status line keeps its own colours on white in every scheme.
                QCOMPARE(QColor(m.ground), QColor(Qt::white));
                QCOMPARE(QColor(m.ink), QColor(255, 0, 0));
                continue;
            }
            QVERIFY2(m.ratio >= 4.5, qPrintable(what));
        }
    };
    check(QStringLiteral("at rest"));

    for (QPushButton* button : shown->findChildren<QPushButton*>()) {
        if (!button->isVisible() || button->text().isEmpty())
            continue;
        button->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(button->hasFocus());
        check(button->objectName() + QStringLiteral(" focused"));
        // Qt draws its own buttons' focus (the message box's); ours are measured.
        if (!byDefault && scheme != u"high contrast white" &&
            qobject_cast<shell::PushButton*>(button)) {
            // The ring at the button's top edge against its face and what lies outside.
            const QImage image = shown->grab().toImage();
            const QPoint top = button->mapTo(shown, QPoint(button->width() / 2, 0));
            const QRgb ring = image.pixel(top);
            const QRgb face = image.pixel(top + QPoint(0, 3));
            const QRgb outside = image.pixel(top - QPoint(0, 1));
            QVERIFY2(contrast(ring, face) >= 3.0 && contrast(ring, outside) >= 3.0,
                     qPrintable(QStringLiteral("%1's focus ring %2 between %3 and %4")
                                    .arg(button->objectName(), QColor(ring).name(),
                                         QColor(face).name(), QColor(outside).name())));
        }
        button->setDown(true);
        check(button->objectName() + QStringLiteral(" pressed"));
        button->setDown(false);
    }

    if (byDefault) {
        // The look of the window definitions: white buttons, white grounds.
        const QImage image = shown->grab().toImage();
        for (QPushButton* button : shown->findChildren<QPushButton*>()) {
            if (!button->isVisible() || window == u"main" || window == u"message box")
                continue;
            QCOMPARE(QColor(image.pixel(button->mapTo(shown, QPoint(6, 6)))), QColor(Qt::white));
        }
        if (window == u"main unskinned") {
            auto* main = static_cast<shell::Form1*>(form.get());
            QCOMPARE(QColor(image.pixel(2, 2)), QColor(Qt::white));
            QCOMPARE(QColor(image.pixel(main->Frame1()->mapTo(main, QPoint(20, 30)))),
                     QColor(Qt::white));
        }
        if (window == u"review") {
            auto* review = static_cast<review::Form4*>(form.get());
            const Measure letter = measure(
                image, inWindow(review->Label2(), review->Label2()->rect().adjusted(2, 2, -2, -2)));
            QCOMPARE(QColor(letter.ground), QColor(Qt::white));
            QCOMPARE(QColor(letter.ink), QColor(Qt::black));
        }
        if (window == u"main") {
            // The skin's frame title colour and its white count box.
            auto* main = static_cast<shell::Form1*>(form.get());
            const Measure title =
                measure(image, inWindow(main->Frame1(), titleArea(main->Frame1())));
            QCOMPARE(QColor(title.ink), QColor(0x1a, 0x36, 0x5d));
            const Measure count = measure(
                image, inWindow(main->Text1(), main->Text1()->rect().adjusted(3, 3, -3, -3)));
            QCOMPARE(QColor(count.ground), QColor(Qt::white));
        }
    }
}

QTEST_MAIN(TestSchemes)
#include "tst_schemes.moc"
