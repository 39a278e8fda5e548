// Every window in each language the program speaks: each text translated,
// each fitting its control in the shipped font; English and languages
// without a translation keep the source texts.

#include "support/recordingsound.h"
#include "support/testsupport.h"

#include "app/translations.h"
#include "quiz/quizwindow.h"
#include "review/resultswindow.h"
#include "review/reviewwindow.h"
#include "shell/errorreport.h"
#include "shell/mainwindow.h"
#include "shell/runtime.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// One text a window shows or speaks, with the room its control gives it
// (0: spoken only).
struct Text {
    QString where;
    QString text;
    int room = 0;
    QFont font = {};
};

QList<Text> textsOf(QWidget* window)
{
    QList<Text> texts;
    const auto spoken = [&](QWidget* w) {
        const QString name = window->objectName() + u'.' + w->objectName();
        if (!w->accessibleName().isEmpty())
            texts.append({name + QStringLiteral(" name"), w->accessibleName()});
        if (!w->accessibleDescription().isEmpty())
            texts.append({name + QStringLiteral(" description"), w->accessibleDescription()});
    };
    spoken(window);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const QString name = window->objectName() + u'.' + w->objectName();
        spoken(w);
        if (auto* box = qobject_cast<QGroupBox*>(w)) {
            texts.append({name, box->title(), box->width() - 16, box->font()});
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            texts.append({name, button->text(), button->width() - 8, button->font()});
        } else if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
            // A label that sizes itself to its text must stay inside its container.
            const int room = qMin(label->contentsRect().width(),
                                  label->parentWidget()->width() - label->x() - 2);
            texts.append({name, label->text(), room, label->font()});
        } else if (auto* list = qobject_cast<QTreeWidget*>(w)) {
            texts.append({name + QStringLiteral(" header"), list->headerItem()->text(0),
                          list->columnWidth(0) - 8, list->header()->font()});
        }
    }
    return texts;
}

// The four windows as a short test leaves them: the question after a wrong
// answer, the summary of four answers, the review at A; then the error
// report's box.
QList<Text> allTexts(QString* status = nullptr, QColor* statusColour = nullptr)
{
    testing::TestServices t;
    testing::StubHost host;
    testing::RecordingSound sound;
    QList<Text> texts;
    shell::Form1 main(t.services(), host);
    texts += textsOf(&main);
    testing::scriptQuestion(t, 2, 'K', "BAD");
    {
        quiz::Form2 first(t.services(), sound);
        texts += textsOf(&first);
        first.PushButton(1)->click(); // wrong: K was on the third
    }
    testing::scriptQuestion(t, 0, 'A', "KLM");
    quiz::Form2 second(t.services(), sound);
    texts += textsOf(&second);
    if (status) {
        *status = second.Label2()->caption();
        *statusColour = testing::foreColor(second.Label2());
    }
    t.session.CorrectCount = 3;
    t.session.CorrectLetters = QStringList{"A", "K", "Z"};
    review::Form3 summary(t.services(), QStringLiteral("4"));
    texts += textsOf(&summary);
    review::Form4 review(t.services());
    texts += textsOf(&review);

    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            texts.append({QStringLiteral("error title"), box->windowTitle()});
            texts.append({QStringLiteral("error text"), box->text()});
            texts.append({QStringLiteral("error button"), box->buttons().value(0)->text()});
            box->accept();
        }
    });
    shell::MessageBoxSink().report(
        shell::errorMessage(shell::standardDescription(shell::ErrorNumber::Overflow),
                            shell::Procedure::Form1_PushButton1_Click, 108));
    return texts;
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { m_english = allTexts(); }
    void sourceLanguage_data();
    void sourceLanguage();
    void languages_data();
    void languages();

private:
    QList<Text> m_english;
};

void TranslationsTest::sourceLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("C") << "C";
    QTest::newRow("English, US") << "en_US";
    QTest::newRow("English, UK") << "en_GB";
    QTest::newRow("without a translation") << "ja_JP";
}

void TranslationsTest::sourceLanguage()
{
    QFETCH(QString, locale);
    const app::Translations translations(QLocale(locale), QCoreApplication::applicationDirPath());
    const QList<Text> texts = allTexts();
    QCOMPARE(texts.size(), m_english.size());
    for (qsizetype i = 0; i < texts.size(); ++i)
        QCOMPARE(texts[i].text, m_english[i].text);
}

void TranslationsTest::languages_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("wrongStatus");
    QTest::addColumn<QString>("dotsOfA");
    QTest::addColumn<QString>("sameAsEnglish"); // words a language shares with English

    QTest::newRow("de") << "de"
                        << "Falsch. Richtig war K"
                        << "Punkt 1"
                        << "";
    QTest::newRow("es") << "es"
                        << "Incorrecto. La respuesta correcta era K"
                        << "punto 1"
                        << "";
    QTest::newRow("fr") << "fr"
                        << "Faux. La bonne réponse était K"
                        << "point 1"
                        << "";
    QTest::newRow("it") << "it"
                        << "Sbagliato. La risposta esatta era K"
                        << "punto 1"
                        << "";
    QTest::newRow("nl") << "nl"
                        << "Fout. Het goede antwoord was K"
                        << "punt 1"
                        << "Percentage:";
    QTest::newRow("pt_BR") << "pt_BR"
                           << "Errado. A resposta certa era K"
                           << "ponto 1"
                           << "";
}

void TranslationsTest::languages()
{
    QFETCH(QString, language);
    QFETCH(QString, wrongStatus);
    QFETCH(QString, dotsOfA);
    QFETCH(QString, sameAsEnglish);
    const app::Translations translations(QLocale(language), QCoreApplication::applicationDirPath());
    // Qt's own texts come in the same language.
    QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != u"Cancel");

    QString status;
    QColor statusColour;
    const QList<Text> texts = allTexts(&status, &statusColour);
    QCOMPARE(texts.size(), m_english.size());
    // Identifiers and letters stay as they are; everything else is translated.
    static const QRegularExpression kept(QStringLiteral("^(Dotwise|Text1|20|[A-Z]|OK)$"));
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const Text& english = m_english[i];
        const Text& text = texts[i];
        QCOMPARE(text.where, english.where);
        if (!kept.match(english.text).hasMatch() &&
            (sameAsEnglish.isEmpty() || !english.text.startsWith(sameAsEnglish)))
            QVERIFY2(text.text != english.text,
                     qPrintable(text.where + QStringLiteral(": ") + text.text));
        // Under Wine's offscreen platform Qt has no fonts to measure with.
        if (text.room == 0 || QFontDatabase::families().isEmpty())
            continue;
        const QString family = QFontInfo(text.font).family();
        QVERIFY2(family == u"Liberation Sans" || family == u"Arial", qPrintable(family));
        const int width = QFontMetrics(text.font).horizontalAdvance(text.text);
        QVERIFY2(width <= text.room, qPrintable(QStringLiteral("%1: \"%2\" needs %3 px of %4")
                                                    .arg(text.where, text.text)
                                                    .arg(width)
                                                    .arg(text.room)));
    }
    const auto find = [&](const QString& where) {
        for (const Text& text : texts)
            if (text.where == where)
                return text.text;
        return QString();
    };
    QCOMPARE(status, wrongStatus);
    QCOMPARE(statusColour, QColor(255, 0, 0));
    QCOMPARE(find(QStringLiteral("Form4.Picture1 description")), dotsOfA);
    QVERIFY(find(QStringLiteral("error text"))
                .contains(u"\r\nin Dotwise2021/08/31.Form1.PushButton1_Click at line 108\r\r"));
}

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
