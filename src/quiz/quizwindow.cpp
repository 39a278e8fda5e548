#include "quizwindow.h"

#include "randominteger.h"

#include "shell/accessibility.h"
#include "shell/keys.h"
#include "shell/loadsteps.h"
#include "shell/runtime.h"

#include <QGroupBox>
#include <QKeyEvent>

namespace quiz {

using shell::ErrorReport;
using shell::Procedure;

Form2::Form2(const shell::Services& services, SoundPlayer& sound, PictureLoader loadPicture,
             QWidget* parent)
    : QDialog(parent), m_services(services), m_sound(sound), m_loadPicture(std::move(loadPicture))
{
    if (!m_loadPicture)
        m_loadPicture = [this](int number) { return loadPictureFor(this, number); };
    m_controls = shell::buildForm(shell::form2Definition(), this);
    for (int k = 1; k <= 4; ++k)
        m_buttons[std::size_t(k - 1)] =
            m_controls.get<shell::PushButton>(QStringLiteral("PushButton%1").arg(k));
    m_picture1 = m_controls.get<shell::PictureBox>(QStringLiteral("Picture1"));
    m_label1 = m_controls.get<shell::Label>(QStringLiteral("Label1"));
    m_label2 = m_controls.get<shell::Label>(QStringLiteral("Label2"));
    m_frame1 = m_controls.get<QGroupBox>(QStringLiteral("Frame1"));
    m_frame2 = m_controls.get<QGroupBox>(QStringLiteral("Frame2"));

    for (int k = 1; k <= 4; ++k) {
        connect(PushButton(k), &QPushButton::clicked, this, [this, k] { PushButton_Click(k); });
        shell::addPointerHandler(PushButton(k), m_pointer, shell::MousePointer::Custom);
    }
    shell::addPointerHandler(m_frame1, m_pointer, shell::MousePointer::Default);
    shell::addPointerHandler(m_frame2, m_pointer, shell::MousePointer::Default);
    m_picture1->setAccessibleName(tr("Braille cell"));

    Form_Load();
    // A listener hears the question as the window opens: the dots, then
    // how the last answer went.
    shell::setSpokenContent(this, m_picture1->accessibleDescription() + QStringLiteral(". ") +
                                      m_label2->caption());
    shell::centreOnScreen(this);
}

Form2::~Form2() = default;

void Form2::Form_Load() noexcept
{
    shell::QuizSession& s = m_services.session;
    ErrorReport e(Procedure::Form2_Form_Load, m_services.errors);
    e.run(100, [&] { shell::SetBackColors(this); });
    shell::setCaptionAndIcon(e, 102, this);
    shell::loadHandCursor(e, 106, 108, m_pointer, m_services.appDirectory);
    for (int k = 1; k <= 4; ++k)
        e.run(108 + 2 * k, [&] { PushButton(k)->setCaption(QString()); });
    qint32 position = 0;
    e.run(118, [&] { position = RandomInteger(m_services.clock, m_services.random, 0, 3); });
    e.run(120, [&] { m_answerButtonIndex = qint16(position); });
    e.run(122, [&] { s.CurrentLetter = ShowRandomCell(); });

    // The right button gets the asked letter, then the other three get
    // unused letters in a fixed order per position.
    struct Row {
        int right;
        int line; // of the right button; the others follow in steps of 2
        std::array<int, 3> others;
    };
    static constexpr std::array<Row, 4> rows{{
        {1, 126, {2, 3, 4}},
        {2, 136, {1, 3, 4}},
        {3, 146, {2, 1, 4}},
        {4, 156, {2, 3, 1}},
    }};
    const Row& row = rows[std::size_t(position >= 0 && position <= 3 ? position : 0)];
    e.run(row.line, [&] { PushButton(row.right)->setCaption(s.CurrentLetter); });
    for (std::size_t i = 0; i < row.others.size(); ++i)
        e.run(row.line + 2 * int(i + 1),
              [&] { PushButton(row.others[i])->setCaption(RandomUnusedLetter()); });

    e.run(164, [&] { shell::setBackColor(m_label2, Qt::white); });
    e.run(166, [&] {
        shell::setForeColor(
            m_label2, shell::colorFromPacked(shell::toInt32(s.LastStatusColor, QLocale::c())));
    });
    e.run(168, [&] { m_label2->setCaption(s.LastStatusText); });
}

void Form2::keyPressEvent(QKeyEvent* event)
{
    const int digit = shell::pressedDigit(event);
    if (digit >= 1 && digit <= 4) {
        PushButton(digit)->click();
        return;
    }
    if (const QChar letter = shell::typedLetter(event); !letter.isNull()) {
        for (shell::PushButton* button : m_buttons) {
            if (button->caption() == letter) {
                button->click();
                return;
            }
        }
        return; // no button shows it
    }
    QDialog::keyPressEvent(event);
}

void Form2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Screen readers hear the last answer's outcome as the question opens.
    shell::announceNameChange(m_label2);
}

QString Form2::ShowRandomCell()
{
    const qint16 number =
        RandomInteger(m_services.clock, m_services.random, firstPicture, lastPicture);
    showCellPicture(m_picture1, m_loadPicture, number);
    return QString(letterOfPicture(number));
}

QString Form2::RandomUnusedLetter()
{
    for (;;) {
        const qint16 code = RandomInteger(m_services.clock, m_services.random, 'A', 'Z');
        const QString letter{QChar(char16_t(code))};
        if (!LetterOnButtons(letter))
            return letter;
    }
}

bool Form2::LetterOnButtons(const QString& letter) const
{
    for (const shell::PushButton* button : m_buttons) {
        if (button->caption() == letter)
            return true;
    }
    return false;
}

void Form2::PushButton_Click(int k) noexcept
{
    // One click per showing: the window is on its way out after the first.
    if (m_answered)
        return;
    m_answered = true;
    static constexpr std::array<Procedure, 4> tags{
        Procedure::Form2_PushButton1_Click, Procedure::Form2_PushButton2_Click,
        Procedure::Form2_PushButton3_Click, Procedure::Form2_PushButton4_Click};
    shell::QuizSession& s = m_services.session;
    ErrorReport e(tags[std::size_t(k - 1)], m_services.errors);
    shell::PushButton* button = PushButton(k);
    if (e.when(100, [&] { return m_answerButtonIndex == k - 1; })) {
        e.run(102, [&] {
            //: The status line after a right answer; %1 is the letter chosen.
            s.LastStatusText = tr("Correct with %1").arg(button->caption());
        });
        e.run(104, [&] { s.CorrectCount = shell::checkedAdd(s.CorrectCount, 1); });
        e.run(106, [&] { s.CorrectLetters.append(button->caption()); });
        e.run(108, [&] {
            PlaySoundFile(m_sound, shell::appFile(m_services.appDirectory, correctSoundFile),
                          false);
        });
        e.run(110,
              [&] { s.LastStatusColor = QString::number(shell::packedColor(QColor(0, 100, 0))); });
    } else {
        e.run(112, [&] {
            //: The status line after a wrong answer; %1 is the right letter.
            s.LastStatusText = tr("Wrong. Correct answer was %1").arg(s.CurrentLetter);
        });
        e.run(114, [&] { s.WrongCount = shell::checkedAdd(s.WrongCount, 1); });
        e.run(116, [&] { s.WrongLetters.append(button->caption()); });
        e.run(118, [&] {
            PlaySoundFile(m_sound, shell::appFile(m_services.appDirectory, wrongSoundFile), false);
        });
        e.run(120,
              [&] { s.LastStatusColor = QString::number(shell::packedColor(QColor(255, 0, 0))); });
    }
    e.run(122, [&] { s.QuestionPending = false; });
    e.run(124, [&] { done(QDialog::Accepted); });
}

} // namespace quiz
