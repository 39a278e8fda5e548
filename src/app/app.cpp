#include "app.h"

#include "focusoffers.h"
#include "taskbar.h"
#include "translations.h"

#include "quiz/quizwindow.h"
#include "review/resultswindow.h"
#include "shell/accessibility.h"
#include "shell/mainwindow.h"

#include <QApplication>
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

// While a test runs the main window takes no focus: when a question
// closes, the window manager would otherwise hand the focus to it until
// the next question is up, and a screen reader would speak it in between.
// It is blocked by the question meanwhile anyway.
void AppWindows::setOwnerTakesFocus(bool takes) const
{
    if (m_owner && m_owner->windowHandle())
        m_owner->windowHandle()->setFlag(Qt::WindowDoesNotAcceptFocus, !takes);
}

void AppWindows::showQuiz()
{
    // Each question is a window of its own, gone when it returns.
    quiz::Form2 window(m_services, m_sound);
    attachToOwner(&window);
    setOwnerTakesFocus(false);
    window.exec();
}

void AppWindows::showResults(const QString& questionCountText)
{
    review::Form3 window(m_services, questionCountText);
    attachToOwner(&window);
    // Once the summary is up, the main window may have the focus again:
    // it gets it back when the summary closes.
    QTimer::singleShot(0, &window, [this] { setOwnerTakesFocus(true); });
    window.exec();
    setOwnerTakesFocus(true);
}

void AppWindows::showReview()
{
    if (m_review) {
        m_review->show();
        m_review->raise();
        m_review->activateWindow();
        return;
    }
    m_review = new review::Form4(m_services);
    m_review->setAttribute(Qt::WA_DeleteOnClose);
    m_review->show();
}

void AppWindows::closeAll()
{
    delete m_review.data();
}

int run(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dotwise"));
    QApplication::setOrganizationName(QStringLiteral("Quillmark"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillmark.Dotwise"));
    shell::presentWindowsAsWindows();
    ignoreStaleFocusOffers();
    const Translations translations(QLocale::system(), QApplication::applicationDirPath());

    shell::QuizSession session;
    shell::MessageBoxSink errors;
    shell::QSettingsStore settings;
    shell::SystemClock clock;
    shell::MixingGenerator random;
    shell::SystemDesktopShell desktop;
    const auto sound = quiz::createPlatformSoundPlayer();
    const shell::Services services{
        session,  errors, settings, clock, random, desktop, QApplication::applicationDirPath(),
        QLocale()};

    AppWindows windows(services, *sound);
    shell::Form1 form1(services, windows);
    windows.setOwner(&form1);
    form1.show();
    return QApplication::exec();
}

} // namespace app
