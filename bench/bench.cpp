// Times the real windows in-process on the offscreen platform and prints a
// table: start-up, the question cycle, the results window of a long test,
// and resident memory over a long test.
//   QT_QPA_PLATFORM=offscreen dotwise-bench

#include "app/app.h"
#include "quiz/quizwindow.h"
#include "review/resultswindow.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <unistd.h>
#include <vector>

namespace {

QElapsedTimer sinceMain;

class CountingSink final : public shell::ErrorSink {
public:
    void report(const QString&) noexcept override { ++reports; }
    int reports = 0;
};

class SilentSound final : public quiz::SoundPlayer {
public:
    bool play(const QString&, bool) override { return true; }
};

double residentMiB()
{
    malloc_trim(0); // count what is held, not what the allocator keeps in reserve
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Calls back once a window has been painted for the first time.
class FirstPaint final : public QObject {
public:
    FirstPaint(QWidget* window, std::function<void()> done)
        : QObject(window), m_done(std::move(done))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            watched->removeEventFilter(this);
            // Runs after the paint has been delivered.
            QTimer::singleShot(0, this, [this] { m_done(); });
        }
        return false;
    }

private:
    std::function<void()> m_done;
    bool m_painted = false;
};

// Answers every question once it is painted, timing click to next paint.
class Answerer final : public QObject {
public:
    explicit Answerer(std::vector<double>* cycles) : m_cycles(cycles)
    {
        qApp->installEventFilter(this);
    }
    ~Answerer() override { qApp->removeEventFilter(this); }
    QPointer<review::Form3> results;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        if (auto* quiz = qobject_cast<quiz::Form2*>(watched)) {
            new FirstPaint(quiz, [this, quiz] {
                if (m_clicked.isValid() && m_cycles)
                    m_cycles->push_back(double(m_clicked.nsecsElapsed()) / 1e6);
                m_clicked.start();
                quiz->PushButton(quiz->AnswerButtonIndex() + 1)->click();
            });
        } else if (auto* form3 = qobject_cast<review::Form3*>(watched)) {
            results = form3;
            QTimer::singleShot(0, form3, [form3] { form3->PushButton1()->click(); });
        }
        return false;
    }

private:
    std::vector<double>* m_cycles;
    QElapsedTimer m_clicked;
};

// Shows the window and returns the milliseconds on the timer once it has
// been painted.
double showAndTimeFirstPaint(QWidget* window, const QElapsedTimer& timer)
{
    double elapsed = 0;
    QEventLoop loop;
    FirstPaint painted(window, [&] {
        elapsed = double(timer.nsecsElapsed()) / 1e6;
        loop.quit();
    });
    window->show();
    loop.exec();
    return elapsed;
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const std::size_t i =
        std::min(values.size() - 1, std::size_t(p * double(values.size() - 1) + 0.5));
    return values[i];
}

} // namespace

int main(int argc, char* argv[])
{
    sinceMain.start();
    QApplication app(argc, argv);
    QTemporaryDir dir;

    shell::QuizSession session;
    CountingSink errors;
    shell::QSettingsStore settings(dir.filePath(QStringLiteral("settings.ini")));
    shell::SystemClock clock;
    shell::MixingGenerator random;
    struct NoDesktop final : shell::DesktopShell {
        void openUrl(const QUrl&) override {}
    } desktop;
    SilentSound sound;
    const shell::Services services{
        session,  errors, settings, clock, random, desktop, QCoreApplication::applicationDirPath(),
        QLocale()};
    app::AppWindows windows(services, sound);
    shell::Form1 main(services, windows);

    const double startup = showAndTimeFirstPaint(&main, sinceMain);

    std::vector<double> cycles;
    {
        Answerer answerer(&cycles);
        main.Text1()->setText(QStringLiteral("1001"));
        main.PushButton1()->click();
    }

    // The results window of a 1,000-question test, built and painted.
    session.CorrectLetters.clear();
    session.WrongLetters.clear();
    for (int i = 0; i < 1000; ++i)
        (i % 3 ? session.CorrectLetters : session.WrongLetters) << QString(QChar(u'A' + i % 26));
    session.CorrectCount = qint16(session.CorrectLetters.size());
    session.WrongCount = qint16(session.WrongLetters.size());
    double resultsLoad = 0;
    {
        QElapsedTimer sinceLoad;
        sinceLoad.start();
        review::Form3 results(services, QStringLiteral("1000"));
        resultsLoad = showAndTimeFirstPaint(&results, sinceLoad);
    }

    const double before = residentMiB();
    {
        Answerer answerer(nullptr);
        main.Text1()->setText(QStringLiteral("10000"));
        main.PushButton1()->click();
    }
    const double after = residentMiB();

    std::printf("%-52s %10s\n", "measure", "value");
    std::printf("%-52s %10.1f ms\n", "start-up: main() to main window painted", startup);
    std::printf("%-52s %10.2f ms\n", "question cycle, click to next painted: median",
                percentile(cycles, 0.5));
    std::printf("%-52s %10.2f ms\n", "question cycle: 99th percentile", percentile(cycles, 0.99));
    std::printf("%-52s %10zu\n", "question cycles measured", cycles.size());
    std::printf("%-52s %10.1f ms\n", "results window, 1,000 letters: load and paint", resultsLoad);
    std::printf("%-52s %10.1f MiB\n", "resident memory before 10,000 questions", before);
    std::printf("%-52s %10.1f MiB\n", "resident memory after 10,000 questions", after);
    std::printf("%-52s %10.2f MiB\n", "growth", after - before);
    std::printf("%-52s %10d\n", "error reports", errors.reports);
    main.close();
    return errors.reports == 0 ? 0 : 1;
}
