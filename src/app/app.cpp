#include "app.h"

#include "quiz/quizwindow.h"
#include "review/resultswindow.h"
#include "shell/accessibility.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <QEventLoop>
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
// window on Windows. Its own position, centred on the screen, stays.
void AppWindows::attachToOwner(QWidget* window) const
{
    if (!m_owner || !m_owner->windowHandle())
        return;
    window->setWindowFlags((window->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    window->winId();
    window->windowHandle()->setTransientParent(m_owner->windowHandle());
}

namespace {

// A question that has ended stays on the screen, beneath the window that
// follows it, until that one is shown. Hidden at once, it would leave the
// main window active for that moment (the window system hands it the
// focus), and a screen reader would speak the main window between two
// questions.
class EndingQuestion final : public quiz::Form2 {
public:
    using quiz::Form2::Form2;
    ~EndingQuestion() override { m_stayUp = false; }

    void setVisible(bool visible) override
    {
        if (!visible && m_stayUp && isVisible())
            return;
        quiz::Form2::setVisible(visible);
    }

private:
    bool m_stayUp = true;
};

} // namespace

void AppWindows::runModal(QDialog& window)
{
    attachToOwner(&window);
    window.setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(&window, &QDialog::finished, &loop, &QEventLoop::quit);
    window.show();
    m_endedQuestion.reset();
    loop.exec(QEventLoop::DialogExec);
}

void AppWindows::showQuiz()
{
    // Each question is a window of its own, loaded afresh; it goes once
    // the next window is up.
    auto window = std::make_unique<EndingQuestion>(m_services, m_sound);
    runModal(*window);
    m_endedQuestion = std::move(window);
}

void AppWindows::showResults(const QString& questionCountText)
{
    review::Form3 window(m_services, questionCountText);
    runModal(window);
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
    m_endedQuestion.reset();
    delete m_review.data();
}

int run(int argc, char* argv[])
{
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
