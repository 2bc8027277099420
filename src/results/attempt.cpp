#include "results/attempt.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace results {

namespace {

QJsonValue questionJson(const AttemptQuestion &question)
{
    return QJsonObject{{QStringLiteral("record"), question.record},
                       {QStringLiteral("chosen"), question.chosen ? QJsonValue(question.chosen) : QJsonValue()},
                       {QStringLiteral("right"), question.right},
                       {QStringLiteral("seconds"), question.seconds}};
}

// Letters, digits, "-" and "." of a name, for a part of a file name on any file system.
QString fileNamePart(const QString &text)
{
    static const QRegularExpression other(QStringLiteral("[^A-Za-z0-9.-]+"));
    QString part = text.normalized(QString::NormalizationForm_KD);
    part.replace(other, QStringLiteral("-"));
    return part.left(32).isEmpty() ? QStringLiteral("-") : part.left(32);
}

bool wrong(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

} // namespace

QString Attempt::TestFile::sha256Of(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QByteArray Attempt::toJson() const
{
    QJsonArray questionList;
    for (const AttemptQuestion &question : questions)
        questionList.append(questionJson(question));
    const QJsonObject document{{QStringLiteral("format"), QLatin1StringView(Format)},
                               {QStringLiteral("version"), Version},
                               {QStringLiteral("id"), id},
                               {QStringLiteral("user"), userName},
                               {QStringLiteral("started"), started.toString(Qt::ISODate)},
                               {QStringLiteral("ended"), ended.toString(Qt::ISODate)},
                               {QStringLiteral("host"), host},
                               {QStringLiteral("program"), programVersion},
                               {QStringLiteral("testFile"), QJsonObject{{QStringLiteral("name"), testFile.name},
                                                                        {QStringLiteral("size"), testFile.size},
                                                                        {QStringLiteral("sha256"), testFile.sha256},
                                                                        {QStringLiteral("records"), testFile.records}}},
                               {QStringLiteral("pause"), QJsonObject{{QStringLiteral("used"), pause.used},
                                                                     {QStringLiteral("atQuestion"), pause.atQuestion},
                                                                     {QStringLiteral("seconds"), pause.seconds}}},
                               {QStringLiteral("questions"), questionList},
                               {QStringLiteral("totals"), QJsonObject{{QStringLiteral("right"), totals.right},
                                                                      {QStringLiteral("wrong"), totals.wrong},
                                                                      {QStringLiteral("timeOuts"), totals.timeOuts}}}};
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

bool Attempt::fromJson(const QByteArray &json, Attempt &attempt, QString *error)
{
    QJsonParseError parse;
    const QJsonObject root = QJsonDocument::fromJson(json, &parse).object();
    if (parse.error != QJsonParseError::NoError)
        return wrong(error, QCoreApplication::translate("results::Attempt", "damaged: %1 at byte %2")
                                .arg(parse.errorString())
                                .arg(parse.offset));
    if (root.value(QStringLiteral("format")).toString() != QLatin1StringView(Format))
        return wrong(error, QCoreApplication::translate("results::Attempt", "not an attempt file"));
    if (root.value(QStringLiteral("version")).toInt() != Version)
        return wrong(error, QCoreApplication::translate("results::Attempt", "an attempt of another version (%1)")
                                .arg(root.value(QStringLiteral("version")).toInt()));
    attempt = Attempt();
    attempt.id = root.value(QStringLiteral("id")).toString();
    attempt.userName = root.value(QStringLiteral("user")).toString();
    attempt.started = QDateTime::fromString(root.value(QStringLiteral("started")).toString(), Qt::ISODate);
    attempt.ended = QDateTime::fromString(root.value(QStringLiteral("ended")).toString(), Qt::ISODate);
    attempt.host = root.value(QStringLiteral("host")).toString();
    attempt.programVersion = root.value(QStringLiteral("program")).toString();
    const QJsonObject file = root.value(QStringLiteral("testFile")).toObject();
    attempt.testFile = {file.value(QStringLiteral("name")).toString(),
                        qint64(file.value(QStringLiteral("size")).toDouble()),
                        file.value(QStringLiteral("sha256")).toString(), file.value(QStringLiteral("records")).toInt()};
    const QJsonObject pause = root.value(QStringLiteral("pause")).toObject();
    attempt.pause = {pause.value(QStringLiteral("used")).toBool(), pause.value(QStringLiteral("atQuestion")).toInt(),
                     pause.value(QStringLiteral("seconds")).toInt()};
    for (const QJsonValue &value : root.value(QStringLiteral("questions")).toArray()) {
        const QJsonObject question = value.toObject();
        attempt.questions.append(
            {question.value(QStringLiteral("record")).toInt(), question.value(QStringLiteral("chosen")).toInt(),
             question.value(QStringLiteral("right")).toInt(), question.value(QStringLiteral("seconds")).toInt()});
    }
    const QJsonObject totals = root.value(QStringLiteral("totals")).toObject();
    attempt.totals = {totals.value(QStringLiteral("right")).toInt(), totals.value(QStringLiteral("wrong")).toInt(),
                      totals.value(QStringLiteral("timeOuts")).toInt()};
    if (!attempt.ended.isValid() || attempt.questions.isEmpty())
        return wrong(error, QCoreApplication::translate("results::Attempt", "damaged: no end time or no questions"));
    return true;
}

QString Attempt::fileName() const
{
    return QStringLiteral("%1_%2_%3_%4.json")
        .arg(ended.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")), fileNamePart(host), fileNamePart(userName),
             fileNamePart(id.left(12)));
}

} // namespace results
