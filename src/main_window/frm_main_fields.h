#pragma once

#include "bank/bank_reader.h"
#include "bank/picture_list.h"
#include "bank/question_order.h"
#include "results/attempt.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace main_window {

// The main window's own fields: the state of a test that is not kept in its controls.
struct frmMainFields
{
    qint16 num = 0;
    qint16 numCorrect = 0, numWrong = 0, numTries = 0;
    QString randomQuestValue;
    bool Scrolling = false;
    qint32 lineIndex = 0;
    QString resultsTemplate;                   // the unfilled results text while the results are shown
    QStringList resultLines;                   // the filled-in results text, line by line
    qint16 numQuestions = 0;                   // records loaded
    qint16 questCount = 0;                     // records counted; the bank size for randomQuestion
    QList<bank::QuestionRecord> records;       // record n at index n - 1
    bank::QuestionOrder questionOrder;         // drawnQuestions and drawCount
    std::optional<bank::PictureList> pictures; // the list beside the test file, when it has one
    results::Attempt::TestFile testFile;       // what a finished test names as its test file
};

} // namespace main_window
