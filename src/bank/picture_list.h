#pragma once

#include "bank/bank_source.h"

#include <QList>
#include <QMap>
#include <QString>

#include <optional>

namespace bank {

// Which picture each question of an installed test shows, kept beside the test file as a UTF-8
// text of lines "RECORD: carried N" (the picture the carried test shows with its question N) or
// "RECORD: FILE" (a BMP or PNG file, named from the list's folder). Blank lines and lines
// starting with "#" say nothing. A test with a list shows only the pictures the list gives; a
// test without one shows the carried test's pictures by record number.
class PictureList
{
public:
    struct Picture
    {
        int carriedRecord = 0; // or, when 0, the file
        QString file;          // as written in the list
        SourcePosition where;  // of the picture's name in the list
    };

    // The list that goes with a test file: LVT.lvq has LVT.pictures.
    static QString pathBeside(const QString &testFile);

    // Reads text, keeping the lines that make sense for a test of recordCount records and naming
    // every other one in errors. folder is where relative file names start.
    static PictureList parse(const QString &text, const QString &listName, const QString &folder, int recordCount,
                             QList<SourceError> &errors);
    // The list beside testFile, or nothing when there is none; lines that make no sense are left out.
    static std::optional<PictureList> readBeside(const QString &testFile, int recordCount);

    void setCarried(int record, int carriedRecord);
    void setFile(int record, const QString &file);
    QString toText() const;

    // The record's picture, or null when the list gives it none.
    const Picture *pictureFor(int record) const;
    // A picture file's path, relative names taken from the list's folder.
    QString pathOf(const Picture &picture) const;
    const QMap<int, Picture> &pictures() const { return m_pictures; }

private:
    QString m_folder;
    QMap<int, Picture> m_pictures; // by record number
};

} // namespace bank
