#pragma once

#include "errorreport.h"
#include "globals.h"
#include "platform.h"

#include <QLocale>
#include <QString>

namespace shell {

// The program's names: its title, its maker, its id on the desktop (the
// desktop entry's name, and the sound server's). The setting is kept
// under the maker and the title.
inline const QString productTitle = QStringLiteral("Dotwise");
inline const QString companyName = QStringLiteral("Quillmark");
inline const QString applicationId = QStringLiteral("org.quillmark.Dotwise");
inline const QString& settingsApplication = companyName;
inline const QString& settingsSection = productTitle;

// What every window is given rather than reaching for globals: tests hand
// in recorders, temp settings, fixed clocks and generators.
struct Services {
    QuizSession& session;
    ErrorSink& errors;
    SettingsStore& settings;
    Clock& clock;
    RandomGenerator& random;
    DesktopShell& desktop;
    QString appDirectory; // where the installation data lies
    QLocale locale;
};

// The windows the main window opens; main() wires the real ones.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    // Modal: returns when the quiz window is gone.
    virtual void showQuiz() = 0;
    // Modal: the count text is what the main window's count box holds.
    virtual void showResults(const QString& questionCountText) = 0;
    // Modeless; an open review window is only brought forward.
    virtual void showReview() = 0;
    // The program ends: every other window goes.
    virtual void closeAll() = 0;
};

} // namespace shell
