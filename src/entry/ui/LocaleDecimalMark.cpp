#include "entry/ui/LocaleDecimalMark.h"

#include "document/NumberMarks.h"

#include <QLocale>

namespace zephra {

DecimalMark LocaleDecimalMark() {
    return QLocale().decimalPoint() == QStringLiteral(",") ? DecimalMark::Comma
                                                           : DecimalMark::Point;
}

QString EntryBoxText(const std::string& number) {
    return QString::fromStdString(ShownEntryNumber(number));
}

std::string EntryBoxNumber(const QString& text, DecimalMark mark) {
    return WithDecimalPoint(text.toStdString(), mark);
}

} // namespace zephra
