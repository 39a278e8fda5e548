#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QString>
#include <QWidget>

namespace shell {

namespace {
const char* const focusHolderProperty = "dotwiseFocusHolder";

QAccessibleInterface* factory(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    // A focus holder as text with no editable content, so a screen reader
    // does not read out what the hidden box happens to hold.
    if (object->property(focusHolderProperty).toBool())
        return new QAccessibleWidget(widget, QAccessible::StaticText);
    // Qt presents a top-level plain widget as a filler, and sends no window
    // activation for it: screen readers then miss focus moves inside it.
    if (widget->windowType() == Qt::Window && !widget->inherits("QDialog") &&
        !widget->inherits("QMainWindow") && object->metaObject() != &QWidget::staticMetaObject)
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

void installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(&factory);
        return true;
    }();
    Q_UNUSED(installed);
}
} // namespace

void presentWindowsAsWindows()
{
    installFactory();
}

void announceNameChange(QObject* object)
{
    QAccessibleEvent changed(object, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void presentAsFocusHolder(QWidget* holder, const QString& name, const QString& description)
{
    installFactory();
    holder->setProperty(focusHolderProperty, true);
    // An interface made before this (events make them only while a screen
    // reader listens) is dropped, so the next one comes from the factory.
    if (QAccessible::isActive()) {
        if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(holder);
            made && made->role() != QAccessible::StaticText)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
    holder->setAccessibleName(name);
    holder->setAccessibleDescription(description);
}

void respeakFocus(QWidget* window)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Qt 6.4 sends the object's path as the new value of a name or
    // description change, which Orca cannot read.
    QWidget* focused = window->focusWidget();
    if (!focused || !window->isActiveWindow() || !QAccessible::isActive())
        return;
    if (QAccessibleInterface* old = QAccessible::queryAccessibleInterface(focused))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
    QAccessibleEvent focus(focused, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
#else
    // The name and description changes themselves are spoken.
    Q_UNUSED(window);
#endif
}

void setSpokenContent(QWidget* window, const QString& content)
{
    // In the name, not the description: Orca 48 speaks a dialog's
    // description twice, Orca 43 reads no dialog text.
    window->setAccessibleName(window->windowTitle() + QStringLiteral(", ") + content);
}

} // namespace shell
