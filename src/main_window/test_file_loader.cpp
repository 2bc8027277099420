#include "main_window/test_file_loader.h"

#include "app/bank_location.h"
#include "app/m_main.h"
#include "app/program_end.h"
#include "bank/bank_reader.h"
#include "forms/msg_box.h"
#include "main_window/frm_main_fields.h"

#include <QFile>
#include <QFileInfo>

namespace main_window {

namespace {

QByteArray readWholeFile(const QString &path, bool *ok)
{
    QFile file(path);
    *ok = !path.isEmpty() && file.open(QIODevice::ReadOnly);
    const QByteArray bytes = *ok ? file.readAll() : QByteArray();
    *ok = *ok && file.error() == QFileDevice::NoError; // a read that fails part-way is no bank
    return bytes;
}

} // namespace

TestFileLoader::TestFileLoader(frmMainFields &state) : m_state(state) {}

void TestFileLoader::failTestFile()
{
    forms::MsgBox(app::mMain::testFileMissingText(), app::mMain::AppTitle);
    app::mMain::EndProgram();
}

void TestFileLoader::Get_Appname_Datafile()
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

void TestFileLoader::Load_Question()
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
    m_state.pictures = bank::PictureList::readBeside(app::mMain::dataFilePath, m_state.numQuestions);
    m_state.testFile = {QFileInfo(app::mMain::dataFilePath).fileName(), bytes.size(),
                        results::Attempt::TestFile::sha256Of(bytes), m_state.numQuestions};
}

void TestFileLoader::Count_Questions()
{
    bool opened = false;
    const QByteArray bytes = readWholeFile(app::mMain::dataFilePath, &opened);
    if (!opened)
        return;
    m_state.questCount = bank::countQuestions(bytes);
}

} // namespace main_window
