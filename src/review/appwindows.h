#pragma once

#include "reviewwindow.h"

#include "quiz/sound.h"
#include "shell/services.h"

#include <QPointer>

namespace review {

// The real windows behind the main window's driver.
class AppWindows final : public shell::WindowHost {
public:
    AppWindows(const shell::Services& services, quiz::SoundPlayer& sound);
    ~AppWindows() override;

    void showQuiz() override;
    void showResults(const QString& questionCountText) override;
    void showReview() override;
    void closeAll() override;

    Form4* reviewWindow() const { return m_review; }

private:
    shell::Services m_services;
    quiz::SoundPlayer& m_sound;
    QPointer<Form4> m_review;
};

} // namespace review
