#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace results {

// One question of a finished test, in the order shown.
struct AttemptQuestion
{
    int record = 0; // 1-based record number in the test file
    int chosen = 0; // 1 to 4, 0 when the time ran out
    int right = 0;  // the right answer as the test file gives it
    int seconds = 0;
};

// One finished test, as the program keeps it and the teachers' report reads it: a JSON document
// that begins with its format name and version. The totals are those of the results screen:
// wrong counts the time-outs too.
struct Attempt
{
    static constexpr const char *Format = "lorvane-attempt";
    static constexpr int Version = 1;

    QString id; // a random identity, the same in every copy of one attempt
    QString userName;
    QDateTime started, ended;
    QString host;
    QString programVersion;

    struct TestFile
    {
        // The SHA-256 by which attempts name their test file, in lower-case hex.
        static QString sha256Of(const QByteArray &bytes);

        QString name;
        qint64 size = 0;
        QString sha256; // hex
        int records = 0;
    } testFile;

    struct Pause
    {
        bool used = false;
        int atQuestion = 0; // the question ordinal, 1 to 30
        int seconds = 0;
    } pause;

    QList<AttemptQuestion> questions;

    struct Totals
    {
        int right = 0;
        int wrong = 0; // wrong answers and time-outs, as the results show them
        int timeOuts = 0;
    } totals;

    QByteArray toJson() const;
    // False with a reason for a document that is no attempt of this format, or a damaged one.
    static bool fromJson(const QByteArray &json, Attempt &attempt, QString *error);

    // A file name no other attempt has: the end time, the host, the user and the random identity.
    QString fileName() const;
};

} // namespace results
