#include "resultswindow.h"

#include "shell/accessibility.h"
#include "shell/loadsteps.h"
#include "shell/runtime.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>

namespace review {

using shell::ErrorReport;
using shell::Procedure;

double percentageRight(qint16 correctCount, qint16 questionCount)
{
    if (questionCount == 0)
        shell::divide(double(correctCount), 0.0); // fails as the runtime does
    // In hundredths of a percent, in whole numbers: a tie such as 3/20000
    // (0.015 %) is a tie here, where a double would land just beside it.
    const qint64 numerator = qint64(correctCount) * 10000 * (questionCount < 0 ? -1 : 1);
    const qint64 denominator = qAbs(qint64(questionCount));
    qint64 quotient = numerator / denominator;
    qint64 remainder = numerator % denominator;
    if (remainder < 0) {
        --quotient;
        remainder += denominator;
    }
    if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0))
        ++quotient;
    return double(quotient) / 100.0;
}

Form3::Form3(const shell::Services& services, QString questionCountText, QWidget* parent)
    : QDialog(parent), m_services(services), m_questionCountText(std::move(questionCountText))
{
    m_controls = shell::buildForm(shell::form3Definition(), this);
    m_lblCorrect = m_controls.get<shell::Label>(QStringLiteral("lblCorrect"));
    m_lblWrong = m_controls.get<shell::Label>(QStringLiteral("lblWrong"));
    m_lblPercentage = m_controls.get<shell::Label>(QStringLiteral("lblPercentage"));
    m_listView1 = m_controls.get<shell::ListView>(QStringLiteral("ListView1"));
    m_listView2 = m_controls.get<shell::ListView>(QStringLiteral("ListView2"));
    m_pushButton1 = m_controls.get<shell::PushButton>(QStringLiteral("PushButton1"));
    m_text1 = m_controls.get<QLineEdit>(QStringLiteral("Text1"));
    m_frame1 = m_controls.get<QGroupBox>(QStringLiteral("Frame1"));

    connect(m_pushButton1, &QPushButton::clicked, this, &Form3::PushButton1_Click);
    // A list's items and its column header are both the list to the user.
    for (shell::ListView* list : {m_listView1, m_listView2}) {
        shell::addPointerHandler(list->viewport(), m_pointer, shell::MousePointer::Default);
        shell::addPointerHandler(list->header()->viewport(), m_pointer,
                                 shell::MousePointer::Default);
    }
    shell::addPointerHandler(m_frame1, m_pointer, shell::MousePointer::Default);
    shell::addPointerHandler(m_pushButton1, m_pointer, shell::MousePointer::Custom);
    m_listView1->setAccessibleName(correctHeader());
    m_listView2->setAccessibleName(wrongHeader());

    Form_Load();
    // Heard as the window opens; the lists follow by Tab.
    shell::setSpokenContent(this, m_lblCorrect->caption() + QStringLiteral(". ") +
                                      m_lblWrong->caption() + QStringLiteral(". ") +
                                      m_lblPercentage->caption());
    //: A hint a screen reader speaks; %1 is the button's text.
    shell::presentAsFocusHolder(m_text1, m_frame1->title(),
                                tr("Tab moves to %1").arg(m_pushButton1->caption()));
    shell::centreOnScreen(this);
}

Form3::~Form3() = default;

QString Form3::correctHeader()
{
    //: The letters answered right: a list's header and name
    return tr("Correct Words");
}

QString Form3::wrongHeader()
{
    //: The letters answered wrongly: a list's header and name
    return tr("Wrong Words");
}

void Form3::Form_Load() noexcept
{
    ErrorReport e(Procedure::Form3_Form_Load, m_services.errors);
    shell::setCaptionAndIcon(e, 100, this);
    e.run(102, [&] { shell::SetBackColors(this); });
    shell::loadHandCursor(e, 104, 106, m_pointer, m_services.appDirectory);
    e.run(108, [&] { m_listView1->addColumnHeader(correctHeader()); });
    e.run(110, [&] { m_listView1->setColumnWidthTwips(0, 3300); });
    e.run(112, [&] { m_listView2->addColumnHeader(wrongHeader()); });
    e.run(114, [&] { m_listView2->setColumnWidthTwips(0, 3300); });
    e.run(116, [&] { LoadResults(); });
}

void Form3::LoadResults() noexcept
{
    const shell::QuizSession& s = m_services.session;
    const QLocale& locale = m_services.locale;
    ErrorReport e(Procedure::Form3_LoadResults, m_services.errors);
    e.run(100, [&] { m_lblCorrect->setCaption(tr("Number of Correct: %1").arg(s.CorrectCount)); });
    e.run(102, [&] { m_lblWrong->setCaption(tr("Number of Wrong: %1").arg(s.WrongCount)); });
    e.run(104, [&] {
        const qint16 questionCount = shell::toInt16(m_questionCountText, locale);
        const double percentage = percentageRight(s.CorrectCount, questionCount);
        //: %1 is the share of right answers, e.g. 87.5
        m_lblPercentage->setCaption(
            tr("Percentage: %1%").arg(shell::numberToText(percentage, locale)));
    });
    for (const QString& letter : s.CorrectLetters)
        e.run(108, [&] { m_listView1->addItem(letter); });
    for (const QString& letter : s.WrongLetters)
        e.run(114, [&] { m_listView2->addItem(letter); });
}

void Form3::PushButton1_Click() noexcept
{
    ErrorReport e(Procedure::Form3_PushButton1_Click, m_services.errors);
    e.run(100, [&] { done(QDialog::Accepted); });
}

} // namespace review
