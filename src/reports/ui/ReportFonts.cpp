#include "reports/ui/ReportFonts.h"

#include <cmath>

namespace zephra::report_fonts {

namespace {

QFont Face(const char* family, double points, bool bold) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(static_cast<int>(std::lround(points * UnitsPerPoint)));
    font.setBold(bold);
    font.setKerning(false);
    // No ligatures: "fi" stays two letters, so the text can be found and
    // copied from the PDF as it reads.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

} // namespace

QFont Title() {
    return Face("DejaVu Sans", 15, true);
}

QFont Header() {
    return Face("DejaVu Sans", 8.5, false);
}

QFont Caption() {
    return Face("DejaVu Sans", 8, true);
}

QFont ResultLabel() {
    return Face("DejaVu Sans", 8.5, true);
}

QFont ResultValue() {
    return Face("DejaVu Sans", 8.5, false);
}

QFont Verdict() {
    return Face("DejaVu Sans", 9, true);
}

QFont Note() {
    return Face("DejaVu Sans", 7.5, false);
}

QFont Panel() {
    QFont font = Face("DejaVu Sans Mono", 7.2, false);
    font.setStyleHint(QFont::Monospace);
    return font;
}

} // namespace zephra::report_fonts
