#pragma once

#include <QString>
#include <QtGlobal>

// The per-user settings store, the program's only access to its settings.
//
// On Windows the values live in the registry, HKEY_CURRENT_USER\Software\Lorvane\Options, as
// strings. Elsewhere they live in the UTF-8 text file $XDG_CONFIG_HOME/Lorvane/Lorvane.ini
// (~/.config/Lorvane/Lorvane.ini when XDG_CONFIG_HOME is unset or empty), one section per key
// path, named by the key path as written, and one line per value:
//
//     [Software\Lorvane\Options]
//     ImageColor=13
//     UserName=User
//
// Key paths and value names compare without regard to case. A value is everything after the
// first "="; backslash, line breaks and NUL inside it are escaped (see IniDocument).
//
// There is no cache: every read opens the store. A read never fails towards its caller: a
// missing key or value, a value of 128 bytes or more (UTF-8), an unreadable or damaged file all
// give the caller's default; a stored empty value reads as "". A value reads up to its first NUL.
// Writes ignore every error; the file is replaced atomically (written beside it, then renamed).
// A line of the file that is not understood is kept and ignored; a file that cannot be read is
// never overwritten.
namespace app::mRegistry {

using RegistryRoot = quint32;
constexpr RegistryRoot HKEY_CURRENT_USER = 0x80000001;

// The key of all of the program's settings.
inline const QString OptionsKey = QStringLiteral("Software\\Lorvane\\Options");

// The size, in bytes, from which a stored value no longer fits the reader and reads as default.
constexpr qsizetype ValueBufferBytes = 128;

// A setting of the program: its value name under OptionsKey and the default a read falls back to.
struct Setting
{
    QString name;
    QString defaultText;
};

// Every setting of the program, declared once. Colours are numbers 1 to 16 of the palette.
namespace Settings {
inline const Setting UserName{QStringLiteral("UserName"), QStringLiteral("User")};
inline const Setting PauseTime{QStringLiteral("PauseTime"), QStringLiteral("180")};
inline const Setting NameFont{QStringLiteral("NameFont"), QStringLiteral("Bararan")};
inline const Setting QuestionColor{QStringLiteral("ImageColor"), QStringLiteral("13")};
inline const Setting AnswerForeColor{QStringLiteral("ImageColor1"), QStringLiteral("1")};
inline const Setting AnswerBackColor{QStringLiteral("ImageColor2"), QStringLiteral("8")};
inline const Setting SelectedForeColor{QStringLiteral("ImageColor3"), QStringLiteral("16")};
inline const Setting SelectedBackColor{QStringLiteral("ImageColor4"), QStringLiteral("10")};
// The interface's language: "auto" follows the desktop, "hy" is Armenian, "en" English.
inline const Setting Language{QStringLiteral("Language"), QStringLiteral("auto")};
// Where finished tests are kept; empty is results/ in the user's data folder.
inline const Setting ResultsFolder{QStringLiteral("ResultsFolder"), QString()};
} // namespace Settings

// A setting of the current user as stored, or its default; and storing one.
QString ReadSetting(const Setting &setting);
void WriteSetting(const Setting &setting, const QString &text);

QString ReadRegString(RegistryRoot root, const QString &keyPath, const QString &valueName, const QString &defaultText);
void WriteRegString(RegistryRoot root, const QString &keyPath, const QString &valueName, const QString &text);

#ifndef Q_OS_WIN
// The settings file as it is found at this moment (follows XDG_CONFIG_HOME).
QString settingsFilePath();
#endif

} // namespace app::mRegistry
