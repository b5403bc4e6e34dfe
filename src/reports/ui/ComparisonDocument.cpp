#include "reports/ui/ComparisonDocument.h"

#include "graphs/ui/DisplayListRenderer.h"
#include "graphs/ui/QtTextMetrics.h"
#include "reports/ui/ReportFonts.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace zephra {

namespace {

using report_fonts::UnitsPerPoint;

constexpr int ChartPixelsPerPoint = 4;
constexpr double ChartTextPoints = 7.5;
constexpr double CellGap = 6; // points between the table's columns
constexpr double Gap = 10;
constexpr double MinShrink = 7.2 / 8.5; // of the table's 8.5 pt
constexpr double MinNameWidth = 60;     // points, for a name cut to fit
constexpr double MinTableLines = 6;     // of the table kept on the first page

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
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
        // that the names are cut to fit.
        const double shrink = std::clamp(size.width() / total, MinShrink, 1.0);
        if (total * shrink > size.width()) {
            const double cut = (total - size.width() / shrink) / 2;
            for (const std::size_t name : {0u, 1u}) {
                widths[name] = std::max(widths[name] - cut, MinNameWidth);
            }
        }
        const double lineHeight = QFontMetricsF(cell).lineSpacing() / UnitsPerPoint * shrink;

        // The chart keeps its room whatever the number of trials; the table
        // goes on over as many pages as it needs.
        const double tableHeight =
            lineHeight * std::min(static_cast<double>(table.size()), MinTableLines);
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
            if (const std::string note = ComparisonChartNote(rows); !note.empty()) {
                painter.save();
                painter.setFont(cell);
                painter.scale(shrink, shrink);
                painter.drawText(
                    QPointF(0, top * UnitsPerPoint / shrink + QFontMetricsF(cell).ascent()),
                    Text(note));
                painter.restore();
                top += lineHeight + Gap / 2;
            }
        }

        const auto drawRow = [&](const std::vector<std::string>& row, bool header, double y) {
            painter.setFont(header ? head : cell);
            const QFontMetricsF m(painter.font());
            double x = 0;
            for (std::size_t c = 0; c < row.size(); ++c) {
                const QString text =
                    m.elidedText(Text(row[c]), Qt::ElideMiddle, widths[c] * UnitsPerPoint);
                painter.drawText(QPointF(x * UnitsPerPoint, y + m.ascent()), text);
                x += widths[c] + CellGap;
            }
        };
        const double rowUnits = QFontMetricsF(cell).lineSpacing();
        painter.save();
        painter.translate(0, top * UnitsPerPoint);
        painter.scale(shrink, shrink);
        double bottom = (size.height() - top) * UnitsPerPoint / shrink;
        drawRow(table.front(), true, 0);
        double y = rowUnits;
        for (std::size_t r = 1; r < table.size(); ++r) {
            if (y + rowUnits > bottom + 1) { // a unit for rounding: the chart left the room
                // A new page, its table under the header again.
                painter.restore();
                writer.newPage();
                painter.save();
                painter.scale(shrink, shrink);
                bottom = size.height() * UnitsPerPoint / shrink;
                drawRow(table.front(), true, 0);
                y = rowUnits;
            }
            drawRow(table[r], false, y);
            y += rowUnits;
        }
        painter.restore();
    }
    return buffer.data();
}

} // namespace zephra
