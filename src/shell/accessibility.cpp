#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QString>
#include <QWidget>

namespace shell {

namespace {
AnnouncementListener listener = nullptr;

const char* const focusHolderProperty = "dotwiseFocusHolder";

// A focus holder as text with no editable content, so a screen reader does
// not read out what the hidden box happens to hold.
QAccessibleInterface* focusHolderFactory(const QString&, QObject* object)
{
    if (object && object->isWidgetType() && object->property(focusHolderProperty).toBool())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StaticText);
    return nullptr;
}
} // namespace

void announceNameChange(QObject* object)
{
    QAccessibleEvent changed(object, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    if (listener)
        listener(object);
}

void setAnnouncementListener(AnnouncementListener newListener)
{
    listener = newListener;
}

void presentAsFocusHolder(QWidget* holder, const QString& name, const QString& description)
{
    static const bool installed = [] {
        QAccessible::installFactory(&focusHolderFactory);
        return true;
    }();
    Q_UNUSED(installed);
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
    QWidget* focused = window->focusWidget();
    if (!focused || !window->isActiveWindow() || !QAccessible::isActive())
        return;
    if (QAccessibleInterface* old = QAccessible::queryAccessibleInterface(focused))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
    QAccessibleEvent focus(focused, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void setSpokenContent(QWidget* window, const QString& content)
{
    window->setAccessibleDescription(content);
}

} // namespace shell
