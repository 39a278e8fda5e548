#pragma once

#include "shell/services.h"

#include <QApplication>
#include <QDir>
#include <QPoint>
#include <QStringList>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QWidgetList>

#include <deque>
#include <functional>

namespace testing {

// Collects reports instead of showing a box.
class RecordingSink final : public shell::ErrorSink {
public:
    void report(const QString& message) noexcept override { messages.append(message); }
    QStringList messages;
};

class FixedClock final : public shell::Clock {
public:
    float secondsSinceMidnight() override { return seconds; }
    float seconds = 43200.0f;
};

// Plays back given values, then falls back to a real generator.
class ScriptedGenerator final : public shell::RandomGenerator {
public:
    void reseed(float seed) override
    {
        ++reseeds;
        m_fallback.reseed(seed);
    }
    float next() override
    {
        if (values.empty())
            return m_fallback.next();
        const float v = values.front();
        values.pop_front();
        return v;
    }
    std::deque<float> values;
    int reseeds = 0;

private:
    shell::MixingGenerator m_fallback{12345};
};

class RecordingDesktop final : public shell::DesktopShell {
public:
    void openUrl(const QUrl& url) override { opened.append(url); }
    QList<QUrl> opened;
};

// A store that refuses every write, as a read-only settings folder does.
class RefusingStore final : public shell::SettingsStore {
public:
    QString get(const QString&, const QString&, const QString&, const QString& d) override
    {
        return d;
    }
    void save(const QString&, const QString&, const QString&, const QString&) override
    {
        ++attempts;
        throw std::runtime_error("settings refused");
    }
    int attempts = 0;
};

// Everything a window needs, hermetic: temp settings, a recorder for
// reports, a fixed clock and a scripted generator.
struct TestServices {
    TestServices();
    shell::Services services();
    QString settingsValue(const QString& key = QStringLiteral("Text1"));

    QTemporaryDir dir;
    shell::QuizSession session;
    RecordingSink errors;
    shell::QSettingsStore settings;
    FixedClock clock;
    ScriptedGenerator random;
    RecordingDesktop desktop;
    QString appDirectory; // empty folder: no cursor, no skin, no sounds
    QLocale locale{QLocale::c()};
    shell::SettingsStore* store = &settings;
};

// Records what the main window asked of its windows.
class StubHost final : public shell::WindowHost {
public:
    void showQuiz() override
    {
        ++quizShown;
        if (onQuiz)
            onQuiz(quizShown);
    }
    void showResults(const QString& count) override { results.append(count); }
    void showReview() override { ++reviewShown; }
    void closeAll() override { ++closedAll; }

    std::function<void(int question)> onQuiz;
    int quizShown = 0;
    QStringList results;
    int reviewShown = 0;
    int closedAll = 0;
};

// The generator value that makes RandomInteger(low, high) give value.
float drawOf(int value, int low, int high);

// Scripts one question: the right button's position, the asked letter and
// the letters then drawn for the other buttons.
void scriptQuestion(TestServices& t, int position, char asked, const QByteArray& others);

// A mouse move with no button held, at a point of the widget.
void moveMouseOver(QWidget* widget, QPoint at = QPoint(3, 3));

// The shown top-level window of a class, if there is one.
template <typename Window> Window* openWindowOf()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(w); window && window->isVisible())
            return window;
    }
    return nullptr;
}

// Top-level widgets still open (tests must leave none behind).
QWidgetList openWindows();

// What a control shows: its ground and ink, a list's rows.
QColor backColor(const QWidget* widget);
// The scheme's button face, the windows' ground.
QColor buttonFaceColor();
QColor foreColor(const QWidget* widget);
QStringList itemTexts(const QTreeWidget* list);

// The folder of the installation data in the source tree.
QString dataDirectory();

} // namespace testing
