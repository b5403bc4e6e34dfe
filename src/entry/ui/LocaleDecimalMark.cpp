#include "entry/ui/LocaleDecimalMark.h"

#include <QLocale>

namespace zephra {

DecimalMark LocaleDecimalMark() {
    return QLocale().decimalPoint() == QStringLiteral(",") ? DecimalMark::Comma
                                                           : DecimalMark::Point;
}

} // namespace zephra
