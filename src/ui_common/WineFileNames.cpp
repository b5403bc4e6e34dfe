#include "ui_common/WineFileNames.h"

#include <QFile>

namespace zephra {

QString FilePart(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString FolderOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash);
}

QString ForceWineExtension(const QString& path) {
    return ForceExtension(path, QStringLiteral(".zph"));
}

QString ForceExtension(const QString& path, const QString& extension) {
    const qsizetype fileStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < fileStart)
        return path + extension;
    const QString current = path.mid(dot);
    if (current == extension || current == extension.toUpper())
        return path;
    return path.left(dot) + extension;
}

bool SameIgnoringAsciiCase(const QString& a, const QString& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x >= u'A' && x <= u'Z')
            x = static_cast<char16_t>(x + (u'a' - u'A'));
        if (y >= u'A' && y <= u'Z')
            y = static_cast<char16_t>(y + (u'a' - u'A'));
        if (x != y)
            return false;
    }
    return true;
}

} // namespace zephra
