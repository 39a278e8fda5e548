#include "app.h"

#include "quiz/quizwindow.h"
#include "review/resultswindow.h"
#include "shell/accessibility.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <QWindow>

#include <cstdio>
#include <cstring>

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
// window on Windows. Its own position, centred on the screen, stays.
void AppWindows::attachToOwner(QWidget* window) const
{
    if (!m_owner || !m_owner->windowHandle())
        return;
    window->setWindowFlags((window->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    window->winId();
    window->windowHandle()->setTransientParent(m_owner->windowHandle());
}

void AppWindows::showQuiz()
{
    // Each question is a window of its own, gone when it returns.
    quiz::Form2 window(m_services, m_sound);
    attachToOwner(&window);
    window.exec();
}

void AppWindows::showResults(const QString& questionCountText)
{
    review::Form3 window(m_services, questionCountText);
    attachToOwner(&window);
    window.exec();
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

namespace {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
QtMessageHandler nextHandler = nullptr;

// Qt 6.8 warns each time a screen reader asks for a window that was closed
// and destroyed, and that it sends no window:destroy event, which is why
// Orca 48 keeps asking. Neither is a fault of the program; anything else
// passes on.
void dropStaleAccessibleQueries(QtMsgType type, const QMessageLogContext& context,
                                const QString& message)
{
    if (context.category && std::strcmp(context.category, "qt.accessibility.atspi") == 0 &&
        (message.startsWith(u"Could not find accessible on path") ||
         message.startsWith(u"Subscription string not handled")))
        return;
    if (nextHandler)
        nextHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}
#endif

} // namespace

int run(int argc, char* argv[])
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    nextHandler = qInstallMessageHandler(&dropStaleAccessibleQueries);
#endif
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dotwise"));
    QApplication::setOrganizationName(QStringLiteral("Quillmark"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillmark.Dotwise"));
    shell::presentWindowsAsWindows();

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
