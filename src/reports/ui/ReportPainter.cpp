#include "reports/ui/ReportPainter.h"

#include "graphs/GraphWindowPicture.h"
#include "graphs/ui/DisplayListRenderer.h"
#include "reports/ui/ReportFonts.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace zephra {

namespace {

using report_fonts::UnitsPerPoint;

constexpr double PanelGap = 14;   // between the table and the summary
constexpr double SectionGap = 10; // between header, panels and graphs
constexpr double GraphGap = 12;   // between the two graphs
constexpr double RuleWidth = 0.5;
constexpr double TitleGap = 12; // between the title and the kind of page

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
    painter.drawText(QPointF(units.left(), units.top() - caption.descent() - 2 * UnitsPerPoint),
                     Text(graph.Caption));
    if (graph.Picture) {
        painter.save();
        painter.translate(units.topLeft());
        painter.scale(units.width() / graph.Picture->Width, units.height() / graph.Picture->Height);
        PaintDisplayList(painter, *graph.Picture);
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

    const QFont panel = report_fonts::Panel();
    const double panelTop = headerHeight + SectionGap;
    const double tableWidth = WidestLine(panel, page.TableLines);
    layout.Table = QRectF(0, panelTop, tableWidth,
                          LineHeight(panel) * static_cast<double>(page.TableLines.size()));
    const double summaryLeft = tableWidth + PanelGap;
    layout.Summary = QRectF(summaryLeft, panelTop, std::max(size.width() - summaryLeft, 0.0),
                            LineHeight(panel) * static_cast<double>(page.SummaryLines.size()));

    layout.Analysis =
        QRectF(summaryLeft, layout.Summary.bottom() + SectionGap, layout.Summary.width(),
               LineHeight(panel) * static_cast<double>(page.AnalysisLines.size()));

    const double graphTop = std::max(layout.Table.bottom(), layout.Analysis.bottom()) + SectionGap +
                            LineHeight(report_fonts::Caption());
    const double aspect = static_cast<double>(GraphWindowWidth) / GraphWindowHeight;
    const double halfWidth = (size.width() - GraphGap) / 2;
    // The page number's line stays free below the graphs.
    const double graphBottom = size.height() - LineHeight(report_fonts::Header()) - 4;
    const double width = std::max(std::min(halfWidth, (graphBottom - graphTop) * aspect), 0.0);
    const double height = width / aspect;
    layout.LabGraph = QRectF((halfWidth - width) / 2, graphTop, width, height);
    layout.ProductionGraph =
        QRectF(halfWidth + GraphGap + (halfWidth - width) / 2, graphTop, width, height);
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
              {Fitted(report_fonts::Title(), page.Title, size.width() - kindWidth - TitleGap,
                      Qt::ElideRight)},
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

    DrawLines(painter, report_fonts::Panel(), page.TableLines, layout.Table, false);
    DrawLines(painter, report_fonts::Panel(), page.SummaryLines, layout.Summary, true);
    DrawLines(painter, report_fonts::Panel(), page.AnalysisLines, layout.Analysis, true);
    DrawGraph(painter, page.LabGraph, layout.LabGraph);
    DrawGraph(painter, page.ProductionGraph, layout.ProductionGraph);
    painter.setFont(header);
    painter.drawText(QPointF((size.width() - TextWidth(header, footer)) * UnitsPerPoint,
                             size.height() * UnitsPerPoint - QFontMetricsF(header).descent()),
                     Text(footer));
    painter.restore();
}

} // namespace zephra
