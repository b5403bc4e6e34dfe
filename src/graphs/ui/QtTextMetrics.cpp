#include "graphs/ui/QtTextMetrics.h"

#include "graphs/ui/GraphFont.h"

#include <QFontMetrics>
#include <QString>

namespace zephra {

int QtTextMetrics::TextWidth(const FontSpec& font, std::string_view text) const {
    return QFontMetrics(GraphFont(font))
        .horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

int QtTextMetrics::TextHeight(const FontSpec& font, std::string_view) const {
    return QFontMetrics(GraphFont(font)).height();
}

} // namespace zephra
