#include "main_window/question_display.h"

#include "app/bank_location.h"
#include "app/m_main.h"
#include "app/program_end.h"
#include "draw/question_picture_table.h"
#include "forms/label.h"
#include "forms/msg_box.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"
#include "main_window/frm_main_controls.h"
#include "main_window/frm_main_fields.h"

#include <QFile>

namespace main_window {

using namespace forms;

namespace {

const QString Stars = QStringLiteral("**********");

QByteArray readWholeFile(const QString &path, bool *ok)
{
    QFile file(path);
    *ok = !path.isEmpty() && file.open(QIODevice::ReadOnly);
    const QByteArray bytes = *ok ? file.readAll() : QByteArray();
    *ok = *ok && file.error() == QFileDevice::NoError; // a read that fails part-way is no bank
    return bytes;
}

} // namespace

QuestionDisplay::QuestionDisplay(frmMainControls &ui, frmMainFields &state) : m_ui(ui), m_state(state) {}

void QuestionDisplay::failTestFile()
{
    MsgBox(app::mMain::TestFileMissingText, app::mMain::AppTitle);
    app::mMain::EndProgram();
}

void QuestionDisplay::Get_Appname_Datafile()
{
    if (!app::mMain::FileExists(app::mMain::testFilePath()))
        return;
    QFile file(app::mMain::testFilePath());
    if (!file.open(QIODevice::ReadOnly))
        failTestFile();
    const QByteArray firstLine = file.readLine(4096);
    // Nothing to read is an error too: an empty file has no first line.
    if (file.error() != QFileDevice::NoError || firstLine.isEmpty())
        failTestFile();
    file.close();
    if (!bank::hasSignature(firstLine))
        app::mMain::EndProgram();
    app::mMain::dataFilePath = app::mMain::testFilePath();
}

void QuestionDisplay::Load_Question()
{
    m_state.numQuestions = 0;
    bool opened = false;
    const QByteArray bytes = readWholeFile(app::mMain::dataFilePath, &opened);
    if (!opened)
        failTestFile();
    bank::LoadResult result = bank::loadQuestions(bytes);
    if (!result.ok())
        failTestFile();
    m_state.records = std::move(result.records);
    m_state.numQuestions = qint16(m_state.records.size());
}

void QuestionDisplay::Count_Questions()
{
    bool opened = false;
    const QByteArray bytes = readWholeFile(app::mMain::dataFilePath, &opened);
    if (!opened)
        return;
    m_state.questCount = bank::countQuestions(bytes);
}

void QuestionDisplay::randomQuestion(qint16 totquest)
{
    qint16 r = 0;
    try {
        r = m_state.draw.randomQuestion(totquest);
    } catch (const bank::DrawError &) {
        failTestFile(); // an empty bank reaches the caller's failure handling
    }
    if (m_ui.Label2->Caption() == QStringLiteral("15")) {
        m_state.draw.setDrawCount(0);
        m_ui.lblQuestNum->setCaption(Stars);
        m_ui.Label1->setCaption(Stars);
        m_ui.Label2->setCaption(QStringLiteral("16"));
    }
    if (m_state.draw.drawCount() == totquest) {
        m_state.draw.setDrawCount(0);
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
        failTestFile();
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
    draw::ShowQuestionPicture(*m_ui.lblQuestNum, *m_ui.Picture2, *m_ui.Picture3);
}

} // namespace main_window
