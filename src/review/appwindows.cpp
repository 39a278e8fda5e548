#include "appwindows.h"

#include "resultswindow.h"

#include "quiz/quizwindow.h"

namespace review {

AppWindows::AppWindows(const shell::Services& services, quiz::SoundPlayer& sound)
    : m_services(services), m_sound(sound)
{}

AppWindows::~AppWindows()
{
    closeAll();
}

void AppWindows::showQuiz()
{
    // Each question is a window of its own, gone when it returns.
    quiz::Form2 window(m_services, m_sound);
    window.exec();
}

void AppWindows::showResults(const QString& questionCountText)
{
    Form3 window(m_services, questionCountText);
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
    m_review = new Form4(m_services);
    m_review->setAttribute(Qt::WA_DeleteOnClose);
    m_review->show();
}

void AppWindows::closeAll()
{
    delete m_review.data();
}

} // namespace review
