#include "main_window/question_display.h"

#include "draw/question_picture_table.h"
#include "forms/label.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"
#include "main_window/frm_main_controls.h"
#include "main_window/frm_main_fields.h"
#include "main_window/test_file_loader.h"

namespace main_window {

using namespace forms;

namespace {

const QString Stars = QStringLiteral("**********");

} // namespace

QuestionDisplay::QuestionDisplay(frmMainControls &ui, frmMainFields &state) : m_ui(ui), m_state(state) {}

void QuestionDisplay::randomQuestion(qint16 totquest)
{
    qint16 r = 0;
    try {
        r = m_state.questionOrder.randomQuestion(totquest);
    } catch (const bank::OrderError &) {
        TestFileLoader::failTestFile(); // an empty bank reaches the caller's failure handling
    }
    if (m_ui.Label2->Caption() == QStringLiteral("15")) {
        m_state.questionOrder.setDrawCount(0);
        m_ui.lblQuestNum->setCaption(Stars);
        m_ui.Label1->setCaption(Stars);
        m_ui.Label2->setCaption(QStringLiteral("16"));
    }
    if (m_state.questionOrder.drawCount() == totquest) {
        m_state.questionOrder.setDrawCount(0);
        m_ui.lblQuestNum->setCaption(Stars);
        m_ui.Label1->setCaption(Stars);
        return;
    }
    m_ui.Label1->setCaption(QString::number(r));
    m_state.num = r;
    qint16 copy = r;
    display_question(copy);
}

void QuestionDisplay::display_question(qint16 &shown)
{
    if (shown == 170)
        randomQuestion(m_state.questCount);
    if (shown != m_state.numQuestions + 1) {
        showRecord(shown);
        return;
    }
    showRecord(3);
    randomQuestion(m_state.questCount);
}

void QuestionDisplay::showRecord(qint16 record)
{
    if (record < 1 || record > m_state.numQuestions)
        TestFileLoader::failTestFile();
    const bank::QuestionRecord &shown = m_state.records.at(record - 1);
    m_ui.harc1->setText(shown.answer(1));
    m_ui.harc2->setText(shown.answer(2));
    m_ui.harc3->setText(shown.answer(3));
    m_ui.harc4->setText(shown.answer(4));
    m_ui.lblQuestion->setText(shown.questText());
    m_ui.lblQuestNum->setCaption(QString::number(record));
    m_ui.Picture1->setBackColor(SystemColor::Window);
    m_ui.lblAnswerStat->setBackColor(SystemColor::Window);
}

void QuestionDisplay::Advance_if_Wrong(qint16 record)
{
    qint16 copy = record;
    display_question(copy);
}

void QuestionDisplay::ShowQuestionPicture()
{
    draw::ShowQuestionPicture(*m_ui.lblQuestNum, *m_ui.Picture2, *m_ui.Picture3,
                              m_state.pictures ? &*m_state.pictures : nullptr);
}

} // namespace main_window
