// Types into the main window's count box without end, so that a test can
// kill it at any moment. Settings go where XDG_CONFIG_HOME says.

#include "support/testsupport.h"

#include "shell/mainwindow.h"

#include <QApplication>
#include <QTest>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    shell::QuizSession session;
    testing::RecordingSink errors;
    shell::QSettingsStore settings;
    testing::FixedClock clock;
    testing::ScriptedGenerator random;
    testing::RecordingDesktop desktop;
    testing::StubHost host;
    const shell::Services services{session, errors,  settings,  clock,
                                   random,  desktop, QString(), QLocale::c()};
    shell::Form1 form(services, host);
    std::fputs("typing\n", stdout);
    std::fflush(stdout);
    for (;;) {
        form.Text1()->clear();
        QTest::keyClicks(form.Text1(), QStringLiteral("123456789"));
    }
}
