#include "graphs/ui/WineWindowTitle.h"

namespace zephra {

namespace {

QString WineName(const TWineRec& rec, const WineNotes& notes) {
    return QString::fromStdString(FullWineName(rec, notes)).simplified();
}

} // namespace

QString WineWindowTitle(const QString& caption, const TWineRec& rec, const WineNotes& notes) {
    const QString name = WineName(rec, notes);
    return name.isEmpty() ? caption : caption + QStringLiteral(" \u2014 ") + name;
}

QString WinePictureName(const QString& caption, const TWineRec& rec, const WineNotes& notes) {
    QString name = WineName(rec, notes);
    // A "/" would name a folder; control characters have no place in a name.
    for (QChar& c : name) {
        if (c == u'/' || c.category() == QChar::Other_Control) {
            c = u'-';
        }
    }
    return (name.isEmpty() ? caption : name + QStringLiteral(" - ") + caption) +
           QStringLiteral(".png");
}

} // namespace zephra
