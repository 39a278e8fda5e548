#pragma once

#include <QLocale>
#include <QString>

#include <exception>
#include <optional>

namespace shell {

// The failures the program's own runtime raises; the numbers follow the
// classic BASIC runtime so that a report reads the way users expect.
enum class ErrorNumber {
    InvalidCall = 5,
    Overflow = 6,
    OutOfMemory = 7,
    DivisionByZero = 11,
    TypeMismatch = 13,
    FileNotFound = 53,
    PathNotFound = 76,
    ResourceNotFound = 326,
    InvalidPicture = 481,
};

// A failure of one statement. It is caught by the procedure's ErrorReport,
// never by the event loop.
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(ErrorNumber number, QString description = {});
    ErrorNumber number() const noexcept { return m_number; }
    const QString& description() const noexcept { return m_description; }
    const char* what() const noexcept override { return "runtime error"; }

private:
    ErrorNumber m_number;
    QString m_description;
};

QString standardDescription(ErrorNumber number);
[[noreturn]] void raise(ErrorNumber number);

// Decimal number with optional sign, digit grouping, fraction and exponent,
// blanks around it allowed; separators follow the locale.
std::optional<double> parseNumber(const QString& text, const QLocale& locale = QLocale());
bool isNumeric(const QString& text, const QLocale& locale = QLocale());

// Text to 16-bit integer: fractions round half to even; "Type mismatch" for
// non-numbers, "Overflow" outside -32768..32767.
qint16 toInt16(const QString& text, const QLocale& locale = QLocale());
qint16 toInt16(double value);
// Text to 32-bit integer, same rules.
qint32 toInt32(const QString& text, const QLocale& locale = QLocale());

qint16 checkedAdd(qint16 a, qint16 b);
qint16 checkedSub(qint16 a, qint16 b);
// Floating division that fails like the runtime: x/0 is "Division by zero",
// 0/0 is "Overflow".
double divide(double numerator, double denominator);

// Shortest decimal text, no trailing zeros, no digit grouping.
QString numberToText(double value, const QLocale& locale = QLocale());

} // namespace shell
