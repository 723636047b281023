#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QStringList>

// A small media tree beside the test executable for the activity tests: every letter picture
// of the three fonts, the interface pictures, the feedback pictures, hand, "Flus" and story
// pictures. Each picture is filled with a colour derived from its path below the media root,
// so a test can tell which file a label shows.
namespace ActivityMedia {

QString mediaRoot();
QString languageDir(const QString &language);

// Builds (replacing) the whole tree for the given language name.
void build(const QString &language);
// Builds it once per test process; later calls only empty the words' folders.
void ensureBuilt(const QString &language);
// A word's folder with its picture; videos are left to the caller.
QString addWordPicture(const QString &language, const QString &letter, const QString &fullName);

// The colour of the picture at a path relative to the media root ("system/cooper/min/a.png").
QColor colourOf(const QString &relativePath);
// The colour a shown pixmap has at its centre (invalid for an empty one).
QColor centreColour(const QPixmap &pixmap);

// Width of a letter file: plain letters 40, two-letter names 60; shown at half that.
int letterFileWidth(const QString &imageName);

} // namespace ActivityMedia
