#pragma once

#include <QString>

#include <string>

namespace zephra {

// The filter of every wine file dialog.
inline const QString WineFileFilter = QStringLiteral("ZEPHRA files|*.zph");

// The file part of a path: the text after the last "/".
QString FilePart(const QString& path);

// The folder of a path: the text before the last "/" (empty without one).
QString FolderOf(const QString& path);

// A chosen name with the wine extension: ".zph" and ".ZPH" stay, any other
// extension (text from the last "." of the file part on) becomes ".zph", and
// ".zph" is appended to a name without one.
QString ForceWineExtension(const QString& path);

// The same for any extension (given with its ".", in lower case): the
// extension in lower or upper case stays, any other is replaced.
QString ForceExtension(const QString& path, const QString& extension);

// The path as the system names the file (the locale's file-name encoding),
// for the core's file functions.
std::string LocalPath(const QString& path);

// Equal when only the case of ASCII letters differs.
bool SameIgnoringAsciiCase(const QString& a, const QString& b);

} // namespace zephra
