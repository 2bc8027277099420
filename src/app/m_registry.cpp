#include "app/m_registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_WIN
#include <QSettings>
#else
#include "app/ini_document.h"
#endif

#include <optional>

namespace app::mRegistry {

namespace {

#ifdef Q_OS_WIN

QString nativeKey(const QString &keyPath)
{
    return QStringLiteral("HKEY_CURRENT_USER\\") + keyPath;
}

std::optional<QString> readStored(const QString &keyPath, const QString &valueName)
{
    QSettings store(nativeKey(keyPath), QSettings::NativeFormat);
    if (store.status() != QSettings::NoError || !store.contains(valueName))
        return std::nullopt;
    const QVariant value = store.value(valueName);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

qsizetype storedBytes(const QString &text)
{
    return text.toLocal8Bit().size();
}

void writeStored(const QString &keyPath, const QString &valueName, const QString &text)
{
    QSettings store(nativeKey(keyPath), QSettings::NativeFormat);
    store.setValue(valueName, text);
    store.sync();
}

#else

std::optional<app::IniDocument> readDocument(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return app::IniDocument::parse(bytes);
}

std::optional<QString> readStored(const QString &keyPath, const QString &valueName)
{
    if (!app::IniDocument::isValidSection(keyPath))
        return std::nullopt;
    const auto document = readDocument(settingsFilePath());
    if (!document)
        return std::nullopt;
    return document->value(keyPath, valueName);
}

qsizetype storedBytes(const QString &text)
{
    return text.toUtf8().size();
}

void writeStored(const QString &keyPath, const QString &valueName, const QString &text)
{
    if (!app::IniDocument::isValidSection(keyPath))
        return;
    const QString path = settingsFilePath();
    app::IniDocument document;
    if (QFileInfo::exists(path)) {
        auto existing = readDocument(path);
        if (!existing)
            return; // it cannot be read now: writing would lose what it holds
        document = *existing;
    }
    document.setValue(keyPath, valueName, text);

    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(document.toBytes());
    file.commit();
}

#endif

} // namespace

#ifndef Q_OS_WIN
QString settingsFilePath()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/Lorvane/Lorvane.ini");
}
#endif

QString ReadRegString(RegistryRoot root, const QString &keyPath, const QString &valueName, const QString &defaultText)
{
    if (root != HKEY_CURRENT_USER)
        return defaultText;
    const auto stored = readStored(keyPath, valueName);
    if (!stored || storedBytes(*stored) >= ValueBufferBytes)
        return defaultText;
    const qsizetype nul = stored->indexOf(QChar(0));
    return nul < 0 ? *stored : stored->left(nul);
}

void WriteRegString(RegistryRoot root, const QString &keyPath, const QString &valueName, const QString &text)
{
    if (root != HKEY_CURRENT_USER)
        return;
    writeStored(keyPath, valueName, text);
}

QString ReadSetting(const Setting &setting)
{
    return ReadRegString(HKEY_CURRENT_USER, OptionsKey, setting.name, setting.defaultText);
}

void WriteSetting(const Setting &setting, const QString &text)
{
    WriteRegString(HKEY_CURRENT_USER, OptionsKey, setting.name, text);
}

} // namespace app::mRegistry
