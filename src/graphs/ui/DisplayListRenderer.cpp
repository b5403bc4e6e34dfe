#include "graphs/ui/DisplayListRenderer.h"

#include "graphs/LineRaster.h"
#include "graphs/ui/GraphFont.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace zephra {

namespace {

QRgb ToRgb(Colour c) {
    return qRgb(c.Red, c.Green, c.Blue);
}

// Fills columns left..right-1 and rows top..bottom-1, clipped to the image.
void FillPixels(QImage& image, int left, int top, int right, int bottom, Colour colour) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, image.width());
    bottom = std::min(bottom, image.height());
    if (left >= right || top >= bottom) {
        return;
    }
    const QRgb rgb = ToRgb(colour);
    for (int y = top; y < bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line + left, line + right, rgb);
    }
}

void Border(QImage& image, const PixelRect& r, Colour colour) {
    if (r.Right <= r.Left || r.Bottom <= r.Top) {
        return;
    }
    FillPixels(image, r.Left, r.Top, r.Right, r.Top + 1, colour);
    FillPixels(image, r.Left, r.Bottom - 1, r.Right, r.Bottom, colour);
    FillPixels(image, r.Left, r.Top, r.Left + 1, r.Bottom, colour);
    FillPixels(image, r.Right - 1, r.Top, r.Right, r.Bottom, colour);
}

void Draw(QImage& image, const FillRectOp& op) {
    FillPixels(image, op.Rect.Left, op.Rect.Top, op.Rect.Right, op.Rect.Bottom, op.Brush);
}

void Draw(QImage& image, const FrameRectOp& op) {
    Border(image, op.Rect, op.Brush);
}

void Draw(QImage& image, const RectangleOp& op) {
    FillPixels(image, op.Rect.Left + 1, op.Rect.Top + 1, op.Rect.Right - 1, op.Rect.Bottom - 1,
               op.Brush);
    Border(image, op.Rect, op.Pen);
}

void Draw(QImage& image, const LineOp& op) {
    const QRgb rgb = ToRgb(op.Pen);
    for (const RasterPixel& p : RasterLine(op.From, op.To, image.width(), image.height())) {
        if (PenDraws(op.Style, op.PatternStart + p.Index)) {
            image.setPixel(p.X, p.Y, rgb);
        }
    }
}

// Draws a text operation on a painter whose units are picture pixels.
void PaintText(QPainter& painter, const TextOp& op) {
    const QFont font = GraphFont(op.Font);
    const QFontMetrics metrics(font);
    const QString text = QString::fromStdString(op.Text);
    const int width = metrics.horizontalAdvance(text);
    const int height = metrics.height();

    painter.save();
    if (op.Clip) {
        painter.setClipRect(QRect(op.Clip->Left, op.Clip->Top, op.Clip->Width(), op.Clip->Height()),
                            Qt::IntersectClip);
    }
    painter.translate(op.Origin.X, op.Origin.Y);
    if (op.Font.Rotated) {
        // Reading upward: the text runs up from the origin, its cell to the right.
        painter.rotate(-90);
    }
    if (op.Background) {
        painter.fillRect(QRect(0, 0, width, height), QColor(ToRgb(*op.Background)));
    }
    painter.setFont(font);
    painter.setPen(QColor(ToRgb(op.Ink)));
    painter.drawText(0, metrics.ascent(), text);
    painter.restore();
}

void Draw(QImage& image, const TextOp& op) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    PaintText(painter, op);
}

QRectF Area(const PixelRect& r) {
    return QRectF(r.Left, r.Top, r.Width(), r.Height());
}

// The vector forms of the operations, with the same pixel rules.
void Paint(QPainter& painter, const FillRectOp& op) {
    painter.fillRect(Area(op.Rect), QColor(ToRgb(op.Brush)));
}

void PaintBorder(QPainter& painter, const PixelRect& r, Colour colour) {
    if (r.Right <= r.Left || r.Bottom <= r.Top) {
        return;
    }
    const QColor c(ToRgb(colour));
    painter.fillRect(QRectF(r.Left, r.Top, r.Width(), 1), c);
    painter.fillRect(QRectF(r.Left, r.Bottom - 1, r.Width(), 1), c);
    painter.fillRect(QRectF(r.Left, r.Top, 1, r.Height()), c);
    painter.fillRect(QRectF(r.Right - 1, r.Top, 1, r.Height()), c);
}

void Paint(QPainter& painter, const FrameRectOp& op) {
    PaintBorder(painter, op.Rect, op.Brush);
}

void Paint(QPainter& painter, const RectangleOp& op) {
    if (op.Rect.Width() > 2 && op.Rect.Height() > 2) {
        painter.fillRect(
            QRectF(op.Rect.Left + 1, op.Rect.Top + 1, op.Rect.Width() - 2, op.Rect.Height() - 2),
            QColor(ToRgb(op.Brush)));
    }
    PaintBorder(painter, op.Rect, op.Pen);
}

void Paint(QPainter& painter, const LineOp& op) {
    QPen pen(QColor(ToRgb(op.Pen)), 1.0, Qt::SolidLine, Qt::FlatCap);
    if (op.Style == PenStyle::Dotted) {
        pen.setDashPattern({1.0, 1.0});
    }
    painter.setPen(pen);
    painter.drawLine(QPointF(op.From.X + 0.5, op.From.Y + 0.5),
                     QPointF(op.To.X + 0.5, op.To.Y + 0.5));
}

void Paint(QPainter& painter, const TextOp& op) {
    PaintText(painter, op);
}

} // namespace

QImage RenderDisplayList(const DisplayList& list) {
    QImage image(std::max(list.Width, 1), std::max(list.Height, 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    for (const DrawOp& op : list.Ops) {
        std::visit([&](const auto& o) { Draw(image, o); }, op);
    }
    return image;
}

void PaintDisplayList(QPainter& painter, const DisplayList& list) {
    painter.save();
    painter.setClipRect(QRectF(0, 0, list.Width, list.Height), Qt::IntersectClip);
    painter.setBrush(Qt::NoBrush);
    for (const DrawOp& op : list.Ops) {
        std::visit([&](const auto& o) { Paint(painter, o); }, op);
    }
    painter.restore();
}

} // namespace zephra
