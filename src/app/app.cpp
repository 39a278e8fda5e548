#include "app.h"

#include "focusoffers.h"
#include "taskbar.h"
#include "translations.h"
#include "webfiles.h"

#include "quiz/quizwindow.h"
#include "review/resultswindow.h"
#include "shell/accessibility.h"
#include "shell/appearance.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QFontDatabase>
#include <QTimer>
#include <QWindow>

namespace app {

AppWindows::AppWindows(const shell::Services& services, quiz::SoundPlayer& sound)
    : m_services(services), m_sound(sound)
{}

AppWindows::~AppWindows()
{
    closeAll();
}

void AppWindows::setOwner(QWidget* owner)
{
    m_owner = owner;
}

// A modal window belongs to the window it blocks, so the window system
// keeps it above that one and groups them: WM_TRANSIENT_FOR on X11 (which
// Qt sets only for dialogs), xdg_toplevel.set_parent on Wayland, the owner
// window on Windows, where it keeps its own taskbar button all the same.
// Its own position, centred on the screen, stays.
void AppWindows::attachToOwner(QWidget* window) const
{
    if (!m_owner || !m_owner->windowHandle())
        return;
    window->setWindowFlags((window->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    window->winId();
    window->windowHandle()->setTransientParent(m_owner->windowHandle());
    keepTaskbarButton(window);
}

// While a test runs the main window takes no focus: a window manager that
// offers it the focus as a question goes (late, or where the next window
// was never activated) would otherwise have a screen reader speak it. It is
// blocked by the question meanwhile anyway.
void AppWindows::setOwnerTakesFocus(bool takes) const
{
    if (m_owner && m_owner->windowHandle())
        m_owner->windowHandle()->setFlag(Qt::WindowDoesNotAcceptFocus, !takes);
}

namespace {

// A question that, once done, stays on screen until the window after it
// has the focus: hiding the active window first would have the window
// system activate the main window in between (Windows does, and so does
// GNOME's compositor), and a screen reader would speak it.
class Question final : public quiz::Form2 {
public:
    using quiz::Form2::Form2;

    // Modal like exec(), but returns with the window still shown.
    void run()
    {
        setWindowModality(Qt::ApplicationModal);
        showNormal();
        m_loop.exec(QEventLoop::DialogExec);
    }

    void done(int result) override
    {
        // Covered by the next window from now on: not painted again as
        // inactive.
        setUpdatesEnabled(false);
        setResult(result);
        m_loop.quit();
    }

private:
    QEventLoop m_loop;
};

} // namespace

void AppWindows::retireOnceAnotherIsFocused()
{
    QWidget* done = m_done.data();
    if (!done)
        return;
    // Qt still reads the window that lost the focus after it tells of the
    // new one: this one is hidden at once and deleted right after. Not by
    // deleteLater(), which waits for the end of the next window's loop.
    const auto retire = [done] {
        done->hide();
        QTimer::singleShot(0, done, [done] { delete done; });
    };
#ifdef Q_OS_WASM
    // A browser has no window manager to activate the main window in
    // between, and its Qt tells of no focus change as the next window
    // shows: the answered question goes at once.
    retire();
    return;
#endif
    // Whatever window comes up next has the focus: the next question, the
    // summary, or the message box of a report their load makes.
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, done,
                     [retire, done](QWindow* focused) {
                         if (focused && focused != done->windowHandle())
                             retire();
                     });
    // Weston's headless backend activates no window at all.
    QTimer::singleShot(1000, done, retire);
}

void AppWindows::retireDone()
{
    delete m_done.data();
}

void AppWindows::showQuiz()
{
    // Each question is a window of its own, gone when the next window is
    // up.
    retireOnceAnotherIsFocused();
    auto* window = new Question(m_services, m_sound);
    attachToOwner(window);
    setOwnerTakesFocus(false);
    window->run();
    retireDone();
    m_done = window;
}

void AppWindows::showResults(const QString& questionCountText)
{
    retireOnceAnotherIsFocused();
    review::Form3 window(m_services, questionCountText);
    attachToOwner(&window);
    // Once the summary is up, the main window may have the focus again:
    // it gets it back when the summary closes.
    QTimer::singleShot(0, &window, [this] { setOwnerTakesFocus(true); });
    window.exec();
    retireDone();
    setOwnerTakesFocus(true);
}

void AppWindows::showReview()
{
    if (m_review) {
        m_review->showNormal();
        m_review->raise();
        m_review->activateWindow();
        return;
    }
    m_review = new review::Form4(m_services);
    m_review->setAttribute(Qt::WA_DeleteOnClose);
    m_review->showNormal();
}

void AppWindows::closeAll()
{
    retireDone();
    delete m_review.data();
}

int run(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(shell::productTitle);
    QApplication::setOrganizationName(shell::companyName);
    QGuiApplication::setDesktopFileName(shell::applicationId);
    shell::presentWindowsAsWindows();
    ignoreStaleFocusOffers();
    const QString appDirectory = QApplication::applicationDirPath();
#ifdef Q_OS_WASM
    // The windows' Arial is drawn in its metric twin, as on Linux.
    const QStringList fonts{QStringLiteral("fonts/LiberationSans-Regular.ttf"),
                            QStringLiteral("fonts/LiberationSans-Bold.ttf")};
    fetchFilesBeside(appDirectory, QStringList{shell::handCursorFile, shell::skinFile,
                                               quiz::correctSoundFile, quiz::wrongSoundFile} +
                                       fonts);
    for (const QString& font : fonts)
        QFontDatabase::addApplicationFont(appDirectory + u'/' + font);
#endif
    const Translations translations(QLocale::system(), appDirectory);

    shell::QuizSession session;
    shell::MessageBoxSink errors;
    shell::QSettingsStore settings;
    shell::SystemClock clock;
    shell::MixingGenerator random;
    shell::SystemDesktopShell desktop;
    const auto sound = quiz::createPlatformSoundPlayer();
    const shell::Services services{session, errors,  settings,     clock,
                                   random,  desktop, appDirectory, QLocale()};

    AppWindows windows(services, *sound);
    shell::Form1 form1(services, windows);
    windows.setOwner(&form1);
    // Every window at its own size: a browser's Qt shows a plain window
    // full screen.
    form1.showNormal();
    return QApplication::exec();
}

} // namespace app
