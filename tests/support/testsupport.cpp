#include "testsupport.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSettings>
#include <QWidget>

namespace testing {

TestServices::TestServices()
    : settings(dir.filePath(QStringLiteral("settings.ini"))),
      appDirectory(dir.filePath(QStringLiteral("app")))
{
    QDir().mkpath(appDirectory);
    // As the main window leaves them at start-up.
    session.LastStatusText = QStringLiteral("Waiting for answer");
    session.LastStatusColor = QStringLiteral("0");
}

shell::Services TestServices::services()
{
    return shell::Services{session, errors, *store, clock, random, desktop, appDirectory, locale};
}

QString TestServices::settingsValue(const QString& key)
{
    QSettings file(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    return file.value(QStringLiteral("Dotwise/") + key).toString();
}

float drawOf(int value, int low, int high)
{
    return (float(value - low) + 0.5f) / float(high - low + 1);
}

void scriptQuestion(TestServices& t, int position, char asked, const QByteArray& others)
{
    t.random.values.push_back(drawOf(position, 0, 3));
    t.random.values.push_back(drawOf(asked + 36, 101, 126));
    for (char c : others)
        t.random.values.push_back(drawOf(c, 'A', 'Z'));
}

void moveMouseOver(QWidget* widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

QWidgetList openWindows()
{
    QWidgetList open;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            open.append(w);
    }
    return open;
}

QColor backColor(const QWidget* widget)
{
    return widget->palette().color(QPalette::Window);
}

QColor buttonFaceColor()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Button);
}

QColor foreColor(const QWidget* widget)
{
    return widget->palette().color(QPalette::WindowText);
}

QStringList itemTexts(const QTreeWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(0);
    return texts;
}

QString dataDirectory()
{
    return qEnvironmentVariable("DOTWISE_DATA_DIR");
}

} // namespace testing
