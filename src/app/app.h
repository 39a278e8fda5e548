#pragma once

#include "quiz/sound.h"
#include "review/reviewwindow.h"
#include "shell/services.h"

#include <QPointer>

// Where the program is put together: the real windows behind the main
// window's driver, and the real services they are given.
namespace app {

class AppWindows final : public shell::WindowHost {
public:
    AppWindows(const shell::Services& services, quiz::SoundPlayer& sound);
    ~AppWindows() override;

    void showQuiz() override;
    void showResults(const QString& questionCountText) override;
    void showReview() override;
    void closeAll() override;

    // The window the question and the results belong to (the main window);
    // the review window belongs to none.
    void setOwner(QWidget* owner);

private:
    void attachToOwner(QWidget* window) const;
    void setOwnerTakesFocus(bool takes) const;
    // The question that was done goes once the window after it, whichever
    // it is, has the focus; called before that window is made.
    void retireOnceAnotherIsFocused();
    void retireDone();

    shell::Services m_services;
    quiz::SoundPlayer& m_sound;
    QPointer<review::Form4> m_review;
    QPointer<QWidget> m_done;
    QPointer<QWidget> m_owner;
};

// Creates the platform's services, shows the main window and runs the
// event loop; returns the exit code.
int run(int argc, char* argv[]);

} // namespace app
