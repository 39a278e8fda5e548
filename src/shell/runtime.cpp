#include "runtime.h"

#include <QCoreApplication>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace shell {

RuntimeError::RuntimeError(ErrorNumber number, QString description)
    : m_number(number),
      m_description(description.isEmpty() ? standardDescription(number) : std::move(description))
{}

QString standardDescription(ErrorNumber number)
{
    switch (number) {
    case ErrorNumber::InvalidCall:
        return QCoreApplication::translate("shell", "Invalid procedure call or argument");
    case ErrorNumber::Overflow:
        return QCoreApplication::translate("shell", "Overflow");
    case ErrorNumber::OutOfMemory:
        return QCoreApplication::translate("shell", "Out of memory");
    case ErrorNumber::DivisionByZero:
        return QCoreApplication::translate("shell", "Division by zero");
    case ErrorNumber::TypeMismatch:
        return QCoreApplication::translate("shell", "Type mismatch");
    case ErrorNumber::FileNotFound:
        return QCoreApplication::translate("shell", "File not found");
    case ErrorNumber::PathNotFound:
        return QCoreApplication::translate("shell", "Path not found");
    case ErrorNumber::ResourceNotFound:
        return QCoreApplication::translate("shell", "Resource not found");
    case ErrorNumber::InvalidPicture:
        return QCoreApplication::translate("shell", "Invalid picture");
    }
    return QCoreApplication::translate("shell", "Application-defined or object-defined error");
}

void raise(ErrorNumber number)
{
    throw RuntimeError(number);
}

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The power of ten of a number in C form, 0.ddd x 10^magnitude: above 0
// for 1 and larger. Only its sign matters, at the ends of the double range.
int decimalMagnitude(const QString& plain)
{
    const qsizetype e = plain.indexOf(u'e');
    QString mantissa = plain.left(e < 0 ? plain.size() : e);
    if (mantissa.startsWith(u'-') || mantissa.startsWith(u'+'))
        mantissa.remove(0, 1);
    const qsizetype point = mantissa.indexOf(u'.');
    QString whole = point < 0 ? mantissa : mantissa.left(point);
    const QString fraction = point < 0 ? QString() : mantissa.mid(point + 1);
    while (whole.startsWith(u'0'))
        whole.remove(0, 1);
    int magnitude = int(whole.size());
    if (whole.isEmpty()) {
        int zeros = 0;
        while (zeros < fraction.size() && fraction[zeros] == u'0')
            ++zeros;
        if (zeros == fraction.size())
            return -1; // zero
        magnitude = -zeros;
    }
    int exponent = 0;
    if (e >= 0) {
        qsizetype i = e + 1;
        const bool negative = i < plain.size() && plain[i] == u'-';
        if (i < plain.size() && (plain[i] == u'-' || plain[i] == u'+'))
            ++i;
        for (; i < plain.size(); ++i)
            exponent = std::min(exponent * 10 + (plain[i].unicode() - u'0'), 1000000);
        if (negative)
            exponent = -exponent;
    }
    return magnitude + exponent;
}

// std::from_chars for a double, whose C form is taken whatever the process
// locale is. The browser build's libc++ (before 20) has no floating-point
// from_chars: there strtod does it, which musl reads in the C form always.
std::from_chars_result parseDouble(const char* first, const char* last, double& value)
{
#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 200000
    const std::string text(first, last);
    char* end = nullptr;
    errno = 0;
    const double parsed = std::strtod(text.c_str(), &end);
    const char* stop = first + (end - text.c_str());
    if (end == text.c_str())
        return {first, std::errc::invalid_argument};
    if (errno == ERANGE && (parsed == 0.0 || std::isinf(parsed)))
        return {stop, std::errc::result_out_of_range};
    value = parsed;
    return {stop, std::errc()};
#else
    return std::from_chars(first, last, value);
#endif
}

} // namespace

std::optional<double> parseNumber(const QString& text, const QLocale& locale)
{
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    const QString s = text.trimmed();
    // Rebuilt in C-locale form and handed to the C-locale converter.
    QString plain;
    qsizetype i = 0;
    const auto at = [&](const QString& token) {
        return !token.isEmpty() && s.mid(i).startsWith(token);
    };

    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        plain += s[i++];
    int mantissaDigits = 0;
    while (i < s.size()) {
        if (isAsciiDigit(s[i])) {
            plain += s[i++];
            ++mantissaDigits;
        } else if (mantissaDigits > 0 && at(group) && i + group.size() < s.size() &&
                   isAsciiDigit(s[i + group.size()])) {
            i += group.size();
        } else {
            break;
        }
    }
    if (at(decimal)) {
        i += decimal.size();
        plain += u'.';
        while (i < s.size() && isAsciiDigit(s[i])) {
            plain += s[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        plain += u'e';
        ++i;
        if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
            plain += s[i++];
        int exponentDigits = 0;
        while (i < s.size() && isAsciiDigit(s[i])) {
            plain += s[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;
    // from_chars: the C form whatever the process locale is.
    const QByteArray ascii = plain.toLatin1();
    const char* first = ascii.constData();
    const char* last = first + ascii.size();
    if (*first == '+')
        ++first; // from_chars takes no plus sign
    double value = 0;
    const auto [end, error] = parseDouble(first, last, value);
    if (error == std::errc::result_out_of_range) {
        // Still a number: too big is infinite, too small is zero.
        value = decimalMagnitude(plain) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        if (plain.startsWith(u'-'))
            value = -value;
    } else if (error != std::errc() || end != last) {
        return std::nullopt;
    }
    return value;
}

bool isNumeric(const QString& text, const QLocale& locale)
{
    return parseNumber(text, locale).has_value();
}

namespace {

template <typename Int> Int roundToInt(double value)
{
    if (std::isnan(value))
        raise(ErrorNumber::Overflow);
    // The default rounding mode rounds halves to the even neighbour.
    const double rounded = std::nearbyint(value);
    if (rounded < double(std::numeric_limits<Int>::min()) ||
        rounded > double(std::numeric_limits<Int>::max()))
        raise(ErrorNumber::Overflow);
    return static_cast<Int>(rounded);
}

} // namespace

qint16 toInt16(double value)
{
    return roundToInt<qint16>(value);
}

qint16 toInt16(const QString& text, const QLocale& locale)
{
    const auto value = parseNumber(text, locale);
    if (!value)
        raise(ErrorNumber::TypeMismatch);
    return toInt16(*value);
}

qint32 toInt32(const QString& text, const QLocale& locale)
{
    const auto value = parseNumber(text, locale);
    if (!value)
        raise(ErrorNumber::TypeMismatch);
    return roundToInt<qint32>(*value);
}

qint16 checkedAdd(qint16 a, qint16 b)
{
    const int sum = int(a) + int(b);
    if (sum < std::numeric_limits<qint16>::min() || sum > std::numeric_limits<qint16>::max())
        raise(ErrorNumber::Overflow);
    return static_cast<qint16>(sum);
}

qint16 checkedSub(qint16 a, qint16 b)
{
    const int difference = int(a) - int(b);
    if (difference < std::numeric_limits<qint16>::min() ||
        difference > std::numeric_limits<qint16>::max())
        raise(ErrorNumber::Overflow);
    return static_cast<qint16>(difference);
}

double divide(double numerator, double denominator)
{
    if (denominator == 0.0)
        raise(numerator == 0.0 || std::isnan(numerator) ? ErrorNumber::Overflow
                                                        : ErrorNumber::DivisionByZero);
    const double quotient = numerator / denominator;
    if (!std::isfinite(quotient))
        raise(ErrorNumber::Overflow);
    return quotient;
}

QString numberToText(double value, const QLocale& locale)
{
    if (value == 0.0)
        return QStringLiteral("0"); // no "-0"
    QString text = QString::number(value, 'g', 15);
    text.replace(u'.', locale.decimalPoint());
    return text;
}

} // namespace shell
