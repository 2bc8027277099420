#pragma once

#include "app/program_end.h"
#include "forms/msg_box.h"
#include "support/test_environment.h"

#include <QByteArray>
#include <QStringList>

// Thrown in place of ending the program, so a test can see that the program would end.
struct ProgramEnded
{
    int exitCode;
};

// A private home plus a recorder of message boxes and of the program's end.
class MainWindowFixture
{
public:
    MainWindowFixture()
    {
        forms::setMessageBoxHandler([this](const QString &text, const QString &title) {
            messages << title + QStringLiteral(": ") + text;
        });
        mMain::setEndProgramHandler([](int code) { throw ProgramEnded{code}; });
    }
    ~MainWindowFixture()
    {
        forms::setMessageBoxHandler({});
        mMain::setEndProgramHandler({});
    }

    // A bank of n records: question "Q<n>", answers "A<n>.<k>", right answer (n mod 4) + 1;
    // the first question begins with the signature's full stop.
    static QByteArray bank(int n)
    {
        QByteArray out;
        for (int i = 1; i <= n; ++i) {
            out += "\"" + QByteArray(i == 1 ? "." : "") + "Q" + QByteArray::number(i) + "\"";
            for (int k = 1; k <= 4; ++k)
                out += ",\"A" + QByteArray::number(i) + "." + QByteArray::number(k) + "\"";
            out += "," + QByteArray::number(i % 4 + 1) + (i < n ? "\r\n" : QByteArray(1, '\0'));
        }
        return out;
    }

    TestEnvironment env;
    QStringList messages;
};
