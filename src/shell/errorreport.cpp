#include "errorreport.h"

#include "runtime.h"
#include "services.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QtGlobal>

#include <array>
#include <new>

namespace shell {

const char* const supportAddress = "support@quillmark.example";

namespace {

struct TagParts {
    Procedure procedure;
    const char* window;
    const char* name;
};

constexpr std::array<TagParts, procedureCount> tags{{
    {Procedure::Form1_Form_Load, "Form1", "Form_Load"},
    {Procedure::Form1_PushButton1_Click, "Form1", "PushButton1_Click"},
    {Procedure::Form1_PushButton2_Click, "Form1", "PushButton2_Click"},
    {Procedure::Form2_Form_Load, "Form2", "Form_Load"},
    {Procedure::Form2_PushButton1_Click, "Form2", "PushButton1_Click"},
    {Procedure::Form2_PushButton2_Click, "Form2", "PushButton2_Click"},
    {Procedure::Form2_PushButton3_Click, "Form2", "PushButton3_Click"},
    {Procedure::Form2_PushButton4_Click, "Form2", "PushButton4_Click"},
    {Procedure::Form4_Form_Load, "Form4", "Form_Load"},
    {Procedure::Form4_PushButton1_Click, "Form4", "PushButton1_Click"},
    {Procedure::Form3_Form_Load, "Form3", "Form_Load"},
    {Procedure::Form3_LoadResults, "Form3", "LoadResults"},
    {Procedure::Form3_PushButton1_Click, "Form3", "PushButton1_Click"},
}};

} // namespace

QString errorTag(Procedure procedure)
{
    for (const TagParts& tag : tags) {
        if (tag.procedure == procedure)
            return QStringLiteral("in Dotwise2021/08/31.%1.%2 ")
                .arg(QLatin1String(tag.window), QLatin1String(tag.name));
    }
    return {};
}

QString errorMessage(const QString& description, Procedure procedure, int line)
{
    // The tag and its line are for support and stay as they are.
    return description + QStringLiteral("\r\n") + errorTag(procedure) + QStringLiteral("at line ") +
           QString::number(line) + QStringLiteral("\r\r") +
           QCoreApplication::translate("shell", "Please email screenshot of this message to %1")
               .arg(QLatin1String(supportAddress));
}

void MessageBoxSink::report(const QString& message) noexcept
{
    try {
        QMessageBox box(QMessageBox::Warning,
                        QCoreApplication::translate("shell", "Application Error"), message,
                        QMessageBox::Ok);
        box.exec();
    } catch (...) {
        qWarning("%s", qUtf8Printable(message));
    }
}

QString describeCurrentException() noexcept
{
    try {
        throw;
    } catch (const RuntimeError& error) {
        return error.description();
    } catch (const std::bad_alloc&) {
        return standardDescription(ErrorNumber::OutOfMemory);
    } catch (const std::exception& error) {
        return QString::fromLocal8Bit(error.what());
    } catch (...) {
        return QCoreApplication::translate("shell", "Application-defined or object-defined error");
    }
}

void ErrorReport::fail(int line, const QString& description) noexcept
{
    m_sink.report(errorMessage(description, m_procedure, line));
}

void logUnhandled(const QString& description) noexcept
{
    qWarning("%s: %s", qUtf8Printable(productTitle), qUtf8Printable(description));
}

} // namespace shell
