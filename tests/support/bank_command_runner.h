#pragma once

#include "bank_cli/bank_command.h"
#include "support/test_environment.h"

#include <QTest>

#include <memory>

namespace bank_test {

struct Run
{
    int status = -1;
    QString out, err;
};

inline const QByteArray OldFileContent = "the file that was there";

inline QByteArray record(const QByteArray &question, int right = 2, const QByteArray &end = "\r\n")
{
    return "\"" + question + "\",\"a\",\"b\",\"c\",\"d\"," + QByteArray::number(right) + end;
}

// n records with different questions, the first signed.
inline QByteArray testFile(int n, const QByteArray &end = QByteArray(1, '\0'))
{
    QByteArray bytes;
    for (int i = 1; i <= n; ++i)
        bytes += record((i == 1 ? ".q" : "q") + QByteArray::number(i), 1 + i % 4, i < n ? "\r\n" : end);
    return bytes;
}

// n records in the readable source format.
inline QByteArray sourceOf(int n)
{
    QByteArray text;
    for (int i = 1; i <= n; ++i)
        text += "[" + QByteArray::number(i) + "]\nQ: .q\n1: a\n2: b\n3: c\n4: d\nR: 1\n\n";
    return text;
}

} // namespace bank_test

// Runs the teachers' command in-process on files in a private folder: arguments with a dot that
// are no option name files in it, and err gives them back by their short names.
class BankCommandRunner
{
public:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }
    const TestEnvironment &env() const { return *m_env; }

    QString path(const QString &name) const { return m_env->root() + u'/' + name; }

    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    bank_test::Run run(QStringList arguments) const
    {
        for (QString &argument : arguments) {
            if (argument.contains(u'.') && !argument.startsWith(u'-'))
                argument = path(argument);
        }
        bank_test::Run result;
        QTextStream out(&result.out), err(&result.err);
        result.status = bank_cli::BankCommand(out, err).run(QStringList{QStringLiteral("lorvane-bank")} + arguments);
        out.flush();
        err.flush();
        result.err.replace(m_env->root() + u'/', QString());
        return result;
    }

private:
    std::unique_ptr<TestEnvironment> m_env;
};
