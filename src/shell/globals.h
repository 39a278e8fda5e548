#pragma once

#include <QString>
#include <QStringList>

namespace shell {

// The program-wide state of one run, shared by all windows, never saved.
struct QuizSession {
    qint16 CorrectCount = 0;
    qint16 WrongCount = 0;
    QStringList CorrectLetters; // caption of the clicked button, right answers
    QStringList WrongLetters;   // caption of the clicked button, wrong answers
    bool QuestionPending = false;
    QString CurrentLetter;
    QString LastStatusText;
    QString LastStatusColor; // packed RGB as decimal text: "0", "25600", "255"
    qint16 ReviewIndex = 0;
};

} // namespace shell
