#pragma once

#include "quiz/quizwindow.h"
#include "review/resultswindow.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QTimer>

namespace testing {

struct Summary {
    QString correct, wrong, percentage;
    QStringList right, wrongList;
};

// Plays a whole test through the real windows: answers each question
// right or wrong by plan (or closes it), then reads and closes the results.
class Player : public QObject {
public:
    explicit Player(QString plan) : m_plan(std::move(plan))
    {
        connect(&m_timer, &QTimer::timeout, this, &Player::step);
        m_timer.start(0);
    }
    Summary summary;
    QStringList answered; // the letters clicked
    int questions = 0;
    QList<int> questionsUnderBoxes; // shown questions, for each message box

private:
    void step()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* quiz = qobject_cast<quiz::Form2*>(modal)) {
            if (quiz->property("seen").toBool())
                return;
            quiz->setProperty("seen", true);
            const QChar move = questions < m_plan.size() ? m_plan[questions] : QChar(u'r');
            ++questions;
            if (move == u'c') {
                quiz->close();
                return;
            }
            const int right = quiz->AnswerButtonIndex() + 1;
            const int k = move == u'r' ? right : right % 4 + 1;
            answered << quiz->PushButton(k)->caption();
            quiz->PushButton(k)->click();
        } else if (auto* results = qobject_cast<review::Form3*>(modal)) {
            summary = {results->lblCorrect()->caption(), results->lblWrong()->caption(),
                       results->lblPercentage()->caption(),
                       testing::itemTexts(results->ListView1()),
                       testing::itemTexts(results->ListView2())};
            results->PushButton1()->click();
        } else if (modal) {
            // A report's box, read once it has the focus; any other box
            // is closed too: never hang.
            if (modal->inherits("QMessageBox") && QApplication::activeWindow() != modal)
                return;
            int shown = 0;
            for (QWidget* w : QApplication::topLevelWidgets())
                shown += qobject_cast<quiz::Form2*>(w) && w->isVisible();
            questionsUnderBoxes << shown;
            modal->close();
        }
    }
    QString m_plan; // r: right, w: wrong, c: close the window
    QTimer m_timer;
};

} // namespace testing
