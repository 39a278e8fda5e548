#include "quiz/sound.h"
#include "review/appwindows.h"
#include "shell/mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dotwise"));
    QApplication::setOrganizationName(QStringLiteral("Quillmark"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillmark.Dotwise"));

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

    review::AppWindows windows(services, *sound);
    shell::Form1 form1(services, windows);
    form1.show();
    return QApplication::exec();
}
