#include "mainwindow.h"

#include "loadsteps.h"
#include "runtime.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>

#include <cmath>

namespace shell {

const char* const homePageAddress = "https://dotwise.quillmark.example/";

std::optional<QString> appTitleFor(const QString& productTitle)
{
    QString title = productTitle;
    do {
        const qsizetype space = title.lastIndexOf(u' ');
        if (space < 0)
            return std::nullopt;
        title.truncate(space);
    } while (title.size() > 40);
    return title;
}

void SetAppTitle()
{
    // A one-word title has nothing to cut: the application title stays.
    if (const auto title = appTitleFor(productTitle))
        QGuiApplication::setApplicationDisplayName(*title);
}

void OpenHomePageAtRandom(Clock& clock, RandomGenerator& random, DesktopShell& desktop)
{
    randomizeFromTimer(clock, random);
    const int number = int(std::floor(double(random.next()) * 100.0)) + 1;
    if (number == 7)
        desktop.openUrl(QUrl(QString::fromLatin1(homePageAddress)));
}

Form1::Form1(const Services& services, WindowHost& windows, std::unique_ptr<SkinEngine> skin,
             QWidget* parent)
    : QWidget(parent), m_services(services), m_windows(windows), m_skinFramework1(std::move(skin))
{
    m_controls = buildForm(form1Definition(), this);
    m_frame1 = m_controls.get<QGroupBox>(QStringLiteral("Frame1"));
    m_frame2 = m_controls.get<QGroupBox>(QStringLiteral("Frame2"));
    m_text1 = m_controls.get<QLineEdit>(QStringLiteral("Text1"));
    m_pushButton1 = m_controls.get<PushButton>(QStringLiteral("PushButton1"));
    m_pushButton2 = m_controls.get<PushButton>(QStringLiteral("PushButton2"));

    connect(m_text1, &QLineEdit::textChanged, this,
            [this] { guarded([this] { Text1_Change(); }); });
    m_text1->installEventFilter(this);
    m_text1->setAccessibleName(m_frame1->title());
    connect(m_pushButton1, &QPushButton::clicked, this, &Form1::PushButton1_Click);
    connect(m_pushButton2, &QPushButton::clicked, this, &Form1::PushButton2_Click);

    addPointerHandler(this, m_pointer, MousePointer::Default);
    addPointerHandler(m_frame1, m_pointer, MousePointer::Default);
    addPointerHandler(m_frame2, m_pointer, MousePointer::Default);
    addPointerHandler(m_pushButton1, m_pointer, MousePointer::Custom);
    addPointerHandler(m_pushButton2, m_pointer, MousePointer::Custom);

    Form_Load();
    centreOnScreen(this);
}

Form1::~Form1() = default;

void Form1::Form_Load() noexcept
{
    ErrorReport e(Procedure::Form1_Form_Load, m_services.errors);
    e.run(100, [&] { ApplySkin(this, *m_skinFramework1, m_services.appDirectory); });
    setCaptionAndIcon(e, 104, this);
    e.run(104, [&] { SetAppTitle(); });
    loadHandCursor(e, 106, 108, m_pointer, m_services.appDirectory);
    e.run(110,
          [&] { OpenHomePageAtRandom(m_services.clock, m_services.random, m_services.desktop); });
    e.run(128, [&] {
        m_text1->setText(m_services.settings.get(settingsApplication, settingsSection,
                                                 QStringLiteral("Text1"), QStringLiteral("20")));
    });
    e.run(130, [&] {
        //: The first question's status line, before any answer
        m_services.session.LastStatusText = tr("Waiting for answer");
    });
    e.run(132, [&] { m_services.session.LastStatusColor = QStringLiteral("0"); });
}

void Form1::PushButton1_Click() noexcept
{
    QuizSession& s = m_services.session;
    ErrorReport e(Procedure::Form1_PushButton1_Click, m_services.errors);
    e.run(100, [&] { s.CorrectCount = 0; });
    e.run(102, [&] { s.WrongCount = 0; });
    e.run(104, [&] { s.CorrectLetters = QStringList(); });
    e.run(106, [&] { s.WrongLetters = QStringList(); });
    // A count that does not convert is reported and asks nothing: resuming
    // inside the loop would ask questions without end.
    const auto count = e.value(108, [&] { return toInt16(m_text1->text(), m_services.locale); });
    // A 32-bit counter: a count of 32767 ends without an overflow.
    for (int question = 1; count && question <= *count; ++question) {
        e.run(110, [&] { s.QuestionPending = true; });
        e.run(112, [&] { m_windows.showQuiz(); });
        if (m_unloaded)
            return;
        if (e.when(114, [&] { return s.QuestionPending; }))
            break;
    }
    e.run(118, [&] { m_windows.showResults(m_text1->text()); });
}

void Form1::PushButton2_Click() noexcept
{
    ErrorReport e(Procedure::Form1_PushButton2_Click, m_services.errors);
    e.run(100, [&] { m_services.session.ReviewIndex = 1; });
    e.run(102, [&] { m_windows.showReview(); });
}

void Form1::Text1_Change()
{
    m_services.settings.save(settingsApplication, settingsSection, QStringLiteral("Text1"),
                             m_text1->text());
}

void Form1::Text1_GotFocus()
{
    m_text1->setSelection(0, int(m_text1->text().size()));
}

void Form1::Text1_LostFocus()
{
    if (!isNumeric(m_text1->text(), m_services.locale))
        m_text1->setText(QString::number(20));
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_text1) {
        if (event->type() == QEvent::FocusIn)
            guarded([this] { Text1_GotFocus(); });
        if (event->type() == QEvent::FocusOut) {
            // Switching to another application is no focus change inside the window.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                guarded([this] { Text1_LostFocus(); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent* event)
{
    guarded([this] { Form_Unload(); });
    event->accept();
}

void Form1::Form_Unload()
{
    m_unloaded = true;
    m_windows.closeAll();
    QCoreApplication::quit();
}

} // namespace shell
