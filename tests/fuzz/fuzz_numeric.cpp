// The numeric test and text-to-16-bit conversion against a reference built
// on std::regex and strtod. Bytes map onto a small alphabet of the
// characters that matter; the first byte picks the locale.

#include "shell/runtime.h"

#include <QLocale>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>

namespace {

struct Locale {
    const char* name;
    char decimal;
    char group;
};
constexpr Locale locales[] = {{"C", '.', ','}, {"en_US", '.', ','}, {"de_DE", ',', '.'}};
constexpr char alphabet[] = "0123456789+-.,eE \taz";

std::string escape(char c)
{
    return std::string("\\") + c;
}

enum class Outcome { Value, TypeMismatch, Overflow };

struct Expected {
    bool numeric;
    Outcome outcome;
    int value;
};

Expected reference(const std::string& text, const Locale& l)
{
    const auto grammar = [](const Locale& l) {
        const std::string d = escape(l.decimal), g = escape(l.group);
        return std::regex("^[ \\t]*[+-]?(?:[0-9]+(?:" + g + "[0-9]+)*(?:" + d + "[0-9]*)?|" + d +
                          "[0-9]+)(?:[eE][+-]?[0-9]+)?[ \\t]*$");
    };
    static const std::regex grammars[] = {grammar(locales[0]), grammar(locales[1]),
                                          grammar(locales[2])};
    if (!std::regex_match(text, grammars[&l - locales]))
        return {false, Outcome::TypeMismatch, 0};
    std::string plain;
    for (char c : text) {
        if (c == l.group || c == ' ' || c == '\t')
            continue;
        plain += c == l.decimal ? '.' : c;
    }
    const double v = std::strtod(plain.c_str(), nullptr);
    const double r = std::nearbyint(v);
    if (!(r >= -32768.0 && r <= 32767.0))
        return {true, Outcome::Overflow, 0};
    return {true, Outcome::Value, int(r)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0 || size > 64)
        return 0;
    std::setlocale(LC_NUMERIC, "C");
    const Locale& l = locales[data[0] % 3];
    std::string text;
    for (std::size_t i = 1; i < size; ++i)
        text += alphabet[data[i] % (sizeof alphabet - 1)];
    const QLocale locale(QString::fromLatin1(l.name));
    const QString qtext = QString::fromLatin1(text.data(), qsizetype(text.size()));
    const Expected expected = reference(text, l);

    if (shell::isNumeric(qtext, locale) != expected.numeric)
        __builtin_trap();
    Outcome outcome = Outcome::Value;
    int value = 0;
    try {
        value = shell::toInt16(qtext, locale);
    } catch (const shell::RuntimeError& e) {
        outcome =
            e.number() == shell::ErrorNumber::Overflow ? Outcome::Overflow : Outcome::TypeMismatch;
    }
    if (outcome != expected.outcome || value != expected.value)
        __builtin_trap();
    return 0;
}
