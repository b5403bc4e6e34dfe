#include "reports/ui/ComparisonDocument.h"

#include "graphs/ui/DisplayListRenderer.h"
#include "graphs/ui/QtTextMetrics.h"
#include "reports/ui/ReportFonts.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>

namespace zephra {

namespace {

using report_fonts::UnitsPerPoint;

constexpr int ChartPixelsPerPoint = 4;
constexpr double ChartTextPoints = 7.5;
constexpr double CellGap = 6; // points between the table's columns
constexpr double Gap = 10;
constexpr double MinShrink = 7.2 / 8.5; // of the table's 8.5 pt
constexpr double MinNameWidth = 60;     // points, for a name wrapped to fit
constexpr std::size_t NameColumns = 2;  // the wine's and the filter's

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// `text` in lines no wider than `width` (in the font's units), broken
// between words where it can: a name is shown whole, never cut.
QStringList WrappedLines(const QString& text, const QFont& font, double width) {
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines.isEmpty() ? QStringList{QString()} : lines;
}

} // namespace

QImage ComparisonImage(const std::vector<ComparisonRow>& rows, QSize size) {
    const QtTextMetrics metrics;
    return RenderDisplayList(
        DrawChart(ComparisonChart(rows), {size.width(), size.height(), 12, 2}, metrics));
}

QByteArray ComparisonPdf(const std::vector<ComparisonRow>& rows, const QPageLayout& pageLayout) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(pageLayout);
        writer.setTitle(QCoreApplication::translate("ComparisonDocument", "Trials compared"));
        writer.setCreator(QStringLiteral("ZEPHRA"));
        const QSizeF size = pageLayout.paintRect(QPageLayout::Point).size();
        QPainter painter(&writer);
        painter.scale(writer.logicalDpiX() / 72.0 / UnitsPerPoint,
                      writer.logicalDpiY() / 72.0 / UnitsPerPoint);

        const QFont title = report_fonts::Title();
        painter.setFont(title);
        const QFontMetricsF titleMetrics(title);
        painter.drawText(QPointF(0, titleMetrics.ascent()),
                         QCoreApplication::translate("ComparisonDocument", "Trials compared"));
        double top = titleMetrics.lineSpacing() / UnitsPerPoint + Gap;

        // The table's columns, each as wide as its widest cell.
        std::vector<std::vector<std::string>> table = ComparisonTableRows(rows);
        for (std::string& header : table.front()) {
            header = QCoreApplication::translate("Comparison", header.c_str()).toStdString();
        }
        const QFont cell = report_fonts::ResultValue();
        const QFont head = report_fonts::ResultLabel();
        std::vector<double> widths(table.front().size(), 0);
        for (std::size_t r = 0; r < table.size(); ++r) {
            const QFontMetricsF m(r == 0 ? head : cell);
            for (std::size_t c = 0; c < table[r].size(); ++c) {
                widths[c] =
                    std::max(widths[c], m.horizontalAdvance(Text(table[r][c])) / UnitsPerPoint);
            }
        }
        double total = 0;
        for (const double w : widths) {
            total += w + CellGap;
        }
        // A table wider than the page is set smaller, down to 7.2 pt; beyond
        // that the names wrap onto more lines.
        const double shrink = std::clamp(size.width() / total, MinShrink, 1.0);
        if (total * shrink > size.width()) {
            const double cut = (total - size.width() / shrink) / 2;
            for (const std::size_t name : {0u, 1u}) {
                widths[name] = std::max(widths[name] - cut, MinNameWidth);
            }
        }
        std::vector<std::vector<QStringList>> lines(table.size());
        std::size_t lineCount = 0;
        for (std::size_t r = 0; r < table.size(); ++r) {
            std::size_t rowLines = 1;
            for (std::size_t c = 0; c < table[r].size(); ++c) {
                const QString text = Text(table[r][c]);
                lines[r].push_back(c < NameColumns ? WrappedLines(text, r == 0 ? head : cell,
                                                                  widths[c] * UnitsPerPoint)
                                                   : QStringList{text});
                rowLines = std::max<std::size_t>(rowLines, lines[r].back().size());
            }
            lineCount += rowLines;
        }
        const double lineHeight = QFontMetricsF(cell).lineSpacing() / UnitsPerPoint * shrink;
        const double tableHeight = lineHeight * static_cast<double>(lineCount);

        const double chartHeight =
            std::min(size.width() * 0.7, size.height() - top - Gap - tableHeight);
        if (chartHeight > 100) {
            const QtTextMetrics metrics;
            const ChartSize chartSize{static_cast<int>(size.width() * ChartPixelsPerPoint),
                                      static_cast<int>(chartHeight * ChartPixelsPerPoint),
                                      static_cast<int>(ChartTextPoints * ChartPixelsPerPoint),
                                      ChartPixelsPerPoint / 2};
            painter.save();
            painter.translate(0, top * UnitsPerPoint);
            painter.scale(static_cast<double>(UnitsPerPoint) / ChartPixelsPerPoint,
                          static_cast<double>(UnitsPerPoint) / ChartPixelsPerPoint);
            PaintDisplayList(painter, DrawChart(ComparisonChart(rows), chartSize, metrics));
            painter.restore();
            top += chartHeight + Gap;
        }

        painter.save();
        painter.translate(0, top * UnitsPerPoint);
        painter.scale(shrink, shrink);
        double y = 0;
        for (std::size_t r = 0; r < table.size(); ++r) {
            painter.setFont(r == 0 ? head : cell);
            const QFontMetricsF m(painter.font());
            double x = 0;
            qsizetype rowLines = 1;
            for (std::size_t c = 0; c < table[r].size(); ++c) {
                const QStringList& cellLines = lines[r][c];
                for (qsizetype l = 0; l < cellLines.size(); ++l) {
                    painter.drawText(
                        QPointF(x * UnitsPerPoint, y + m.ascent() + m.lineSpacing() * l),
                        cellLines[l]);
                }
                rowLines = std::max(rowLines, cellLines.size());
                x += widths[c] + CellGap;
            }
            y += m.lineSpacing() * static_cast<double>(rowLines);
        }
        painter.restore();
    }
    return buffer.data();
}

} // namespace zephra
