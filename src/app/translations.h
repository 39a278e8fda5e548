#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace app {

// The program's texts and Qt's own in the first of the user's interface
// languages that the program speaks. English is the source language: a
// user who lists it first sees the texts as written, whatever follows.
class Translations {
public:
    explicit Translations(const QLocale& locale, const QString& appDirectory);
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

private:
    QTranslator m_own;
    QTranslator m_qt;
};

} // namespace app
