#pragma once

#include <QString>

#include <exception>
#include <optional>
#include <type_traits>
#include <utility>

namespace shell {

// Every event procedure that reports its failures. One enumerator each, so
// the tags below are the only place their texts are written.
enum class Procedure {
    Form1_Form_Load,
    Form1_PushButton1_Click,
    Form1_PushButton2_Click,
    Form2_Form_Load,
    Form2_PushButton1_Click,
    Form2_PushButton2_Click,
    Form2_PushButton3_Click,
    Form2_PushButton4_Click,
    Form4_Form_Load,
    Form4_PushButton1_Click,
    Form3_Form_Load,
    Form3_LoadResults,
    Form3_PushButton1_Click,
};

inline constexpr int procedureCount = 13;

QString errorTag(Procedure procedure);
QString errorMessage(const QString& description, Procedure procedure, int line);
extern const char* const supportAddress;

// Where reports go: a message box in the program, a recorder in tests.
class ErrorSink {
public:
    virtual ~ErrorSink() = default;
    virtual void report(const QString& message) noexcept = 0;
};

class MessageBoxSink final : public ErrorSink {
public:
    void report(const QString& message) noexcept override;
};

// Description of the exception being handled; call only inside a catch.
QString describeCurrentException() noexcept;

// Runs one procedure's statements under their line numbers. A failing
// statement is reported and the next one runs; nothing escapes.
class ErrorReport {
public:
    ErrorReport(Procedure procedure, ErrorSink& sink) noexcept
        : m_procedure(procedure), m_sink(sink)
    {}

    // True when the statement completed.
    template <typename Statement> bool run(int line, Statement&& statement) noexcept
    {
        try {
            std::forward<Statement>(statement)();
            return true;
        } catch (...) {
            fail(line, describeCurrentException());
            return false;
        }
    }

    // A statement that yields a value (a loop bound, a loaded object):
    // empty when it failed.
    template <typename Expression>
    auto value(int line, Expression&& expression) noexcept
        -> std::optional<std::invoke_result_t<Expression>>
    {
        try {
            return std::forward<Expression>(expression)();
        } catch (...) {
            fail(line, describeCurrentException());
            return std::nullopt;
        }
    }

    // The head of a conditional: a failing head enters the body, as resuming
    // at the next statement does.
    template <typename Condition> bool when(int line, Condition&& condition) noexcept
    {
        return value(line, std::forward<Condition>(condition)).value_or(true);
    }

private:
    void fail(int line, const QString& description) noexcept;

    Procedure m_procedure;
    ErrorSink& m_sink;
};

void logUnhandled(const QString& description) noexcept;

// For the handlers that carry no report: whatever fails is dropped (and
// logged), so no exception reaches the event loop.
template <typename Handler> void guarded(Handler&& handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        logUnhandled(describeCurrentException());
    }
}

} // namespace shell
