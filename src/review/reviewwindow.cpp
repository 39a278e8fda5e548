#include "reviewwindow.h"

#include "shell/accessibility.h"
#include "shell/keys.h"
#include "shell/loadsteps.h"
#include "shell/runtime.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace review {

using shell::ErrorReport;
using shell::Procedure;

Form4::Form4(const shell::Services& services, quiz::PictureLoader loadPicture, QWidget* parent)
    : QWidget(parent), m_services(services), m_loadPicture(std::move(loadPicture))
{
    if (!m_loadPicture)
        m_loadPicture = [this](int number) { return quiz::loadPictureFor(this, number); };
    m_controls = shell::buildForm(shell::form4Definition(), this);
    m_picture1 = m_controls.get<shell::PictureBox>(QStringLiteral("Picture1"));
    m_label1 = m_controls.get<shell::Label>(QStringLiteral("Label1"));
    m_label2 = m_controls.get<shell::Label>(QStringLiteral("Label2"));
    m_pushButton1 = m_controls.get<shell::PushButton>(QStringLiteral("PushButton1"));
    m_text1 = m_controls.get<QLineEdit>(QStringLiteral("Text1"));

    connect(m_pushButton1, &QPushButton::clicked, this, &Form4::PushButton1_Click);
    shell::addPointerHandler(this, m_pointer, shell::MousePointer::Default);
    shell::addPointerHandler(m_label1, m_pointer, shell::MousePointer::Default);
    shell::addPointerHandler(m_picture1, m_pointer, shell::MousePointer::Default);
    shell::addPointerHandler(m_pushButton1, m_pointer, shell::MousePointer::Custom);
    m_picture1->setAccessibleName(tr("Braille cell"));
    // Right arrow and N press Next, wherever the focus is in the window.
    for (QWidget* watched : {static_cast<QWidget*>(this), static_cast<QWidget*>(m_text1),
                             static_cast<QWidget*>(m_pushButton1)})
        watched->installEventFilter(this);

    Form_Load();
    //: A hint a screen reader speaks; %1 is the button's text.
    shell::presentAsFocusHolder(m_text1, QString(),
                                tr("Tab moves to %1").arg(m_pushButton1->caption()));
    speakLetter();
    shell::centreOnScreen(this);
}

Form4::~Form4() = default;

void Form4::Form_Load() noexcept
{
    ErrorReport e(Procedure::Form4_Form_Load, m_services.errors);
    e.run(100, [&] { shell::SetBackColors(this); });
    shell::setCaptionAndIcon(e, 102, this);
    e.run(106, [&] { quiz::showCellPicture(m_picture1, m_loadPicture, quiz::firstPicture); });
    shell::loadHandCursor(e, 108, 110, m_pointer, m_services.appDirectory);
    // The letter's ink is the scheme's text colour, so on a dark scheme its
    // white ground gives way to the scheme's own.
    e.run(112, [&] { shell::setWhiteBackColor(m_label2, QPalette::Base); });
}

bool Form4::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (((key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
             key->key() == Qt::Key_Right) ||
            shell::typedLetter(key) == u'N') {
            m_pushButton1->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form4::PushButton1_Click() noexcept
{
    qint16& index = m_services.session.ReviewIndex;
    ErrorReport e(Procedure::Form4_PushButton1_Click, m_services.errors);
    e.run(100, [&] { index = shell::checkedAdd(index, 1); });
    e.run(102, [&] {
        if (index == 27)
            index = 1;
    });
    e.run(104,
          [&] { quiz::showCellPicture(m_picture1, m_loadPicture, quiz::pictureOfLetter(index)); });
    e.run(106, [&] {
        m_label2->setCaption(QString(quiz::letterOfPicture(quiz::pictureOfLetter(index))));
    });
    speakLetter();
    shell::respeakFocus(this);
}

void Form4::speakLetter()
{
    // The letter and its dots, e.g. "B, dots 1 2", on whichever control
    // has the focus: a screen reader speaks a change there.
    const QString letter =
        m_label2->caption() + QStringLiteral(", ") + m_picture1->accessibleDescription();
    m_text1->setAccessibleName(letter);
    m_pushButton1->setAccessibleDescription(letter);
}

} // namespace review
