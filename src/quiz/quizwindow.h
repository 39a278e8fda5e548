#pragma once

#include "cellpictures.h"
#include "sound.h"

#include "shell/appearance.h"
#include "shell/controls.h"
#include "shell/formdefinition.h"
#include "shell/services.h"

#include <QDialog>

#include <array>

class QGroupBox;

namespace quiz {

// The quiz window: one question per showing. The load makes the question;
// a click judges it and unloads the window.
class Form2 : public QDialog {
    Q_OBJECT
public:
    Form2(const shell::Services& services, SoundPlayer& sound, PictureLoader loadPicture = {},
          QWidget* parent = nullptr);
    ~Form2() override;

    // k = 1..4, in reading order.
    shell::PushButton* PushButton(int k) const { return m_buttons.at(std::size_t(k - 1)); }
    shell::PictureBox* Picture1() const { return m_picture1; }
    shell::Label* Label1() const { return m_label1; }
    shell::Label* Label2() const { return m_label2; }
    QGroupBox* Frame1() const { return m_frame1; }
    QGroupBox* Frame2() const { return m_frame2; }
    qint16 AnswerButtonIndex() const { return m_answerButtonIndex; }
    const shell::MousePointer& pointer() const { return m_pointer; }

    // The click procedure of letter button k.
    void PushButton_Click(int k) noexcept;

protected:
    // 1 to 4 press the buttons in reading order, a letter the button that
    // shows it; Escape closes the window like its close box.
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load() noexcept;
    QString ShowRandomCell();
    QString RandomUnusedLetter();
    bool LetterOnButtons(const QString& letter) const;

    shell::Services m_services;
    SoundPlayer& m_sound;
    PictureLoader m_loadPicture;
    shell::MousePointer m_pointer{this};
    shell::FormControls m_controls;
    std::array<shell::PushButton*, 4> m_buttons{};
    shell::PictureBox* m_picture1 = nullptr;
    shell::Label* m_label1 = nullptr;
    shell::Label* m_label2 = nullptr;
    QGroupBox* m_frame1 = nullptr;
    QGroupBox* m_frame2 = nullptr;
    qint16 m_answerButtonIndex = 0;
    bool m_answered = false;
};

} // namespace quiz
