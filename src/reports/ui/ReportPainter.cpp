#include "reports/ui/ReportPainter.h"

#include "entry/ControlCharacters.h"
#include "graphs/ui/DisplayListRenderer.h"
#include "graphs/ui/QtTextMetrics.h"
#include "reports/ui/ReportFonts.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zephra {

namespace {

using report_fonts::UnitsPerPoint;

constexpr double PanelGap = 14;   // between the table and the summary
constexpr double SectionGap = 10; // between header, panels and graphs
constexpr double GraphGap = 12;   // between the two graphs
constexpr double RuleWidth = 0.5;
constexpr double TitleGap = 12;   // between the title and the kind of page
constexpr double BoxPadding = 5;  // inside the results box
constexpr double ValueIndent = 8; // of a result's value below its label
constexpr double CaptionGap = 2;  // between a chart's caption and the chart
// The charts are drawn at this many picture pixels per point, so that their
// integer geometry is finer than the eye sees on paper.
constexpr int ChartPixelsPerPoint = 4;

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// Line spacing and text widths in points.
double LineHeight(const QFont& font) {
    return QFontMetricsF(font).lineSpacing() / UnitsPerPoint;
}

double TextWidth(const QFont& font, const std::string& text) {
    return QFontMetricsF(font).horizontalAdvance(Text(text)) / UnitsPerPoint;
}

// The line as it fits in `width` points: whole, or with an ellipsis for
// what does not fit.
std::string Fitted(const QFont& font, const std::string& line, double width,
                   Qt::TextElideMode mode) {
    return QFontMetricsF(font).elidedText(Text(line), mode, width * UnitsPerPoint).toStdString();
}

double WidestLine(const QFont& font, const std::vector<std::string>& lines) {
    double widest = 0;
    for (const std::string& line : lines) {
        widest = std::max(widest, TextWidth(font, line));
    }
    return widest;
}

QRectF Units(const QRectF& points) {
    return QRectF(points.topLeft() * UnitsPerPoint, points.size() * UnitsPerPoint);
}

QString CommentsText(const ReportPage& page) {
    return QCoreApplication::translate("ReportPainter", "Comments: ") + Text(page.Comments);
}

// The comments below the header lines, wrapped at blanks to `width`.
QRectF CommentsArea(const ReportPage& page, double top, double width) {
    if (page.Comments.empty()) {
        return QRectF(0, top, width, 0);
    }
    const QRectF wrapped =
        QFontMetricsF(report_fonts::Header())
            .boundingRect(Units(QRectF(0, 0, width, 1e6)), Qt::TextWordWrap, CommentsText(page));
    return QRectF(0, top, width, wrapped.height() / UnitsPerPoint);
}

double HeaderLinesBottom(const ReportPage& page) {
    return LineHeight(report_fonts::Title()) +
           LineHeight(report_fonts::Header()) * static_cast<double>(page.HeaderLines.size());
}

double HeaderHeight(const ReportPage& page, double width) {
    return CommentsArea(page, HeaderLinesBottom(page), width).bottom() + 4;
}

// The height (points) of `text` wrapped at blanks to `width` points.
double WrappedHeight(const QFont& font, const std::string& text, double width) {
    return QFontMetricsF(font)
               .boundingRect(Units(QRectF(0, 0, width, 1e6)), Qt::TextWordWrap, Text(text))
               .height() /
           UnitsPerPoint;
}

// The results box's rows from its top: each item's label on a line of its
// own, its value wrapped below it, indented; then the verdict and the note.
struct ResultRows {
    std::vector<double> ItemTops;
    double VerdictTop = 0;
    double NoteTop = 0;
    double Height = 0;
};

ResultRows ResultRowsOf(const ReportResults& results, double width) {
    ResultRows rows;
    const double inner = width - 2 * BoxPadding;
    double y = BoxPadding;
    for (const auto& item : results.Items) {
        rows.ItemTops.push_back(y);
        y += LineHeight(report_fonts::ResultLabel()) +
             WrappedHeight(report_fonts::ResultValue(), item.second, inner - ValueIndent);
    }
    y += 2;
    rows.VerdictTop = y;
    y += WrappedHeight(report_fonts::Verdict(), results.Verdict, inner);
    rows.NoteTop = y;
    y += WrappedHeight(report_fonts::Note(), results.Note, inner);
    rows.Height = y + BoxPadding;
    return rows;
}

void DrawResults(QPainter& painter, const ReportResults& results, const QRectF& area) {
    const ResultRows rows = ResultRowsOf(results, area.width());
    painter.setPen(QPen(Qt::black, RuleWidth * UnitsPerPoint));
    painter.setBrush(QColor(245, 245, 240));
    painter.drawRect(Units(area));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::black);
    const double left = area.left() + BoxPadding;
    const double inner = area.width() - 2 * BoxPadding;
    for (std::size_t i = 0; i < results.Items.size(); ++i) {
        const double top = area.top() + rows.ItemTops[i];
        painter.setFont(report_fonts::ResultLabel());
        painter.drawText(Units(QRectF(left, top, inner, 100)), Qt::AlignLeft,
                         Text(results.Items[i].first));
        painter.setFont(report_fonts::ResultValue());
        painter.drawText(
            Units(QRectF(left + ValueIndent, top + LineHeight(report_fonts::ResultLabel()),
                         inner - ValueIndent, 1000)),
            Qt::TextWordWrap, Text(results.Items[i].second));
    }
    painter.setFont(report_fonts::Verdict());
    painter.drawText(Units(QRectF(left, area.top() + rows.VerdictTop, inner, 1000)),
                     Qt::TextWordWrap, Text(results.Verdict));
    painter.setFont(report_fonts::Note());
    painter.drawText(Units(QRectF(left, area.top() + rows.NoteTop, inner, 1000)), Qt::TextWordWrap,
                     Text(results.Note));
}

// Draws lines from the top of `area`; each line is centred when `centred`.
void DrawLines(QPainter& painter, const QFont& font, const std::vector<std::string>& lines,
               const QRectF& area, bool centred) {
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const QRectF units = Units(area);
    double y = units.top() + metrics.ascent();
    for (const std::string& line : lines) {
        const QString text = Text(line);
        const double x = centred
                             ? units.left() + (units.width() - metrics.horizontalAdvance(text)) / 2
                             : units.left();
        painter.drawText(QPointF(x, y), text);
        y += metrics.lineSpacing();
    }
}

void DrawGraph(QPainter& painter, const ReportGraph& graph, const QRectF& area) {
    const QRectF units = Units(area);
    painter.setFont(report_fonts::Caption());
    const QFontMetricsF caption(painter.font());
    painter.drawText(
        QPointF(units.left(), units.top() - caption.descent() - CaptionGap * UnitsPerPoint),
        Text(graph.Caption));
    if (graph.Drawing) {
        const QtTextMetrics metrics;
        const ChartSize size{static_cast<int>(area.width() * ChartPixelsPerPoint),
                             static_cast<int>(area.height() * ChartPixelsPerPoint),
                             static_cast<int>(std::lround(ChartTextPoints * ChartPixelsPerPoint)),
                             ChartPixelsPerPoint / 2};
        painter.save();
        painter.translate(units.topLeft());
        painter.scale(UnitsPerPoint / ChartPixelsPerPoint, UnitsPerPoint / ChartPixelsPerPoint);
        PaintDisplayList(painter, DrawChart(*graph.Drawing, size, metrics));
        painter.restore();
        return;
    }
    painter.setPen(QPen(Qt::black, RuleWidth * UnitsPerPoint));
    painter.drawRect(units);
    painter.setFont(report_fonts::Header());
    painter.drawText(units, Qt::AlignCenter | Qt::TextWordWrap,
                     QCoreApplication::translate("ReportPainter", "The graph cannot be drawn: ") +
                         Text(graph.Fault));
}

} // namespace

ReportPageLayout LayoutReportPage(const ReportPage& page, QSizeF size) {
    ReportPageLayout layout;
    const double headerHeight = HeaderHeight(page, size.width());
    layout.Header = QRectF(0, 0, size.width(), headerHeight);

    // The table on the left; the results box and the summary beside it.
    const QFont panel = report_fonts::Panel();
    const double panelTop = headerHeight + SectionGap;
    const double tableWidth = WidestLine(panel, page.TableLines);
    layout.Table = QRectF(0, panelTop, tableWidth,
                          LineHeight(panel) * static_cast<double>(page.TableLines.size()));
    const double columnLeft = tableWidth + PanelGap;
    const double columnWidth = std::max(size.width() - columnLeft, 0.0);
    layout.Results =
        QRectF(columnLeft, panelTop, columnWidth, ResultRowsOf(page.Results, columnWidth).Height);
    layout.Summary = QRectF(columnLeft, layout.Results.bottom() + SectionGap, columnWidth,
                            LineHeight(panel) * static_cast<double>(page.SummaryLines.size()));

    // The charts side by side below, as tall as the page leaves room for up
    // to square; the page number's line stays free.
    const double bottom = size.height() - LineHeight(report_fonts::Header()) - 4;
    const double top = std::max(layout.Table.bottom(), layout.Summary.bottom()) + SectionGap +
                       LineHeight(report_fonts::Caption()) + CaptionGap;
    const double width = (size.width() - 2 * GraphGap) / 3;
    const double height = std::max(std::min(width, bottom - top), 0.0);
    for (int i = 0;
         QRectF * chart : {&layout.LabGraph, &layout.ProductionGraph, &layout.FoulingGraph}) {
        *chart = QRectF(i++ * (width + GraphGap), top, width, height);
    }
    return layout;
}

void PaintReportPage(QPainter& painter, const ReportPage& page, QSizeF size,
                     const std::string& footer) {
    const ReportPageLayout layout = LayoutReportPage(page, size);
    const QPaintDevice& device = *painter.device();
    painter.save();
    painter.scale(device.logicalDpiX() / 72.0 / UnitsPerPoint,
                  device.logicalDpiY() / 72.0 / UnitsPerPoint);
    painter.setPen(Qt::black);

    // Names and file names of any length stay on the page: the title is cut
    // at its end, a header line in its middle, which keeps the start and
    // the end of a long file name and the times after it.
    const QFont header = report_fonts::Header();
    const double kindWidth = TextWidth(header, page.Kind);
    DrawLines(painter, report_fonts::Title(),
              {Fitted(report_fonts::Title(), VisibleControlCharacters(page.Title),
                      size.width() - kindWidth - TitleGap, Qt::ElideRight)},
              layout.Header, false);
    const double titleHeight = LineHeight(report_fonts::Title());
    // The kind of page on the title's baseline, at the right margin.
    painter.setFont(header);
    painter.drawText(QPointF((size.width() - kindWidth) * UnitsPerPoint,
                             QFontMetricsF(report_fonts::Title()).ascent()),
                     Text(page.Kind));
    std::vector<std::string> headerLines;
    for (const std::string& line : page.HeaderLines) {
        headerLines.push_back(Fitted(header, line, size.width(), Qt::ElideMiddle));
    }
    DrawLines(painter, header, headerLines, layout.Header.adjusted(0, titleHeight, 0, 0), false);
    if (!page.Comments.empty()) {
        painter.setFont(header);
        painter.drawText(Units(CommentsArea(page, HeaderLinesBottom(page), size.width())),
                         Qt::TextWordWrap, CommentsText(page));
    }
    painter.setPen(QPen(Qt::black, RuleWidth * UnitsPerPoint));
    const double rule = (layout.Header.bottom() + SectionGap / 2) * UnitsPerPoint;
    painter.drawLine(QPointF(0, rule), QPointF(size.width() * UnitsPerPoint, rule));
    painter.setPen(Qt::black);

    DrawResults(painter, page.Results, layout.Results);
    DrawLines(painter, report_fonts::Panel(), page.TableLines, layout.Table, false);
    DrawLines(painter, report_fonts::Panel(), page.SummaryLines, layout.Summary, true);
    DrawGraph(painter, page.LabGraph, layout.LabGraph);
    DrawGraph(painter, page.ProductionGraph, layout.ProductionGraph);
    DrawGraph(painter, page.FoulingGraph, layout.FoulingGraph);
    painter.setFont(header);
    painter.drawText(QPointF((size.width() - TextWidth(header, footer)) * UnitsPerPoint,
                             size.height() * UnitsPerPoint - QFontMetricsF(header).descent()),
                     Text(footer));
    painter.restore();
}

} // namespace zephra
