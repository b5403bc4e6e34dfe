#include "UiScript.h"

#include "app/wine/WineWindow.h"
#include "document/Report.h"
#include "document/WineFile.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include <memory>

using namespace zephra;
using zephra::testing::UiScript;

namespace {

QString Joined(const std::vector<std::string>& lines) {
    QStringList list;
    for (const auto& line : lines)
        list << QString::fromStdString(line);
    return list.join('\n');
}

TWineRec SampleWine(MessageBoxes& boxes) {
    TWineRec rec{};
    if (!ZephraFileOpen(ZEPHRA_SAMPLE_WINE, rec, boxes))
        qFatal("cannot read the sample wine");
    return rec;
}

} // namespace

class WineWindowTest : public QObject {
    Q_OBJECT

private:
    UiScript ui;
    QList<TMDIChild*> open;
    std::unique_ptr<TMDIChild> window;

private slots:
    void init() {
        window = std::make_unique<TMDIChild>(ui.Services(), open);
        window->WineClass.WineRec = SampleWine(ui);
        window->FillLines();
        window->show();
    }

    void cleanup() {
        window.reset();
        QCOMPARE(ui.Unexpected, QStringList());
    }

    void panelsAndGraphSitWhereTheReportExpectsThem() {
        QCOMPARE(window->size(), QSize(512, 590));
        QCOMPARE(window->Memo1->geometry(), QRect(0, -5, 217, 326));
        QCOMPARE(window->Memo2->geometry(), QRect(0, 327, 473, 680));
        QCOMPARE(window->Graph->geometry(), QRect(223, 56, 250, 200));
        auto* scroll = qobject_cast<QScrollArea*>(window->widget());
        QVERIFY(scroll != nullptr);
        QCOMPARE(scroll->widget()->size(), QSize(474, 986));
        QVERIFY(window->Memo1->isReadOnly());
        QVERIFY(window->Memo2->isReadOnly());
        QCOMPARE(window->Memo1->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(window->Memo2->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(window->Memo2->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(window->Memo1->lineWrapMode(), QTextEdit::WidgetWidth);
    }

    void clientAreaScrollsToTheWholeReport() {
        auto* scroll = qobject_cast<QScrollArea*>(window->widget());
        const int visibleHeight = scroll->viewport()->height();
        QCOMPARE(scroll->verticalScrollBar()->maximum(), 986 - visibleHeight);
    }

    void panelsUseDejaVuSansMonoInWhichTheRuleDashTakesOneCell() {
        for (QWidget* panel :
             {static_cast<QWidget*>(window->Memo1), static_cast<QWidget*>(window->Memo2)}) {
            QCOMPARE(QFontInfo(panel->font()).family(), QStringLiteral("DejaVu Sans Mono"));
            const QFontMetrics metrics(panel->font());
            QCOMPARE(metrics.horizontalAdvance(QChar(0x2014)), metrics.horizontalAdvance('0'));
        }
    }

    void tableColumnsLineUpUnderTheHeadings() {
        // Every table row's values start under the column headings: the
        // same character cell means the same pixel column.
        const QFontMetrics metrics(window->Memo2->font());
        const QStringList lines = window->Memo2->toPlainText().split('\n');
        const QString heading = lines.at(10);
        const QString rule = lines.at(12);
        const QString row = lines.at(14);
        QCOMPARE(metrics.horizontalAdvance(rule),
                 metrics.horizontalAdvance(QString(rule.size(), '0')));
        QCOMPARE(metrics.horizontalAdvance(heading.left(heading.indexOf("Rexp"))),
                 metrics.horizontalAdvance(row.left(heading.indexOf("Rexp"))));
    }

    void everyTableLineFitsTheTablePanel() {
        const QFontMetrics metrics(window->Memo2->font());
        const int room = window->Memo2->width() -
                         2 * static_cast<int>(window->Memo2->document()->documentMargin());
        for (const QString& line : window->Memo2->toPlainText().split('\n'))
            QVERIFY2(metrics.horizontalAdvance(line) <= room, qPrintable(line));
    }

    void fillLinesShowsTheReportLines() {
        const ReportLines lines = FillLines(window->WineClass.WineRec);
        QCOMPARE(window->Memo2->toPlainText(), Joined(lines.Table));
        QCOMPARE(window->Memo1->toPlainText(), Joined(lines.Summary));
        QVERIFY(window->Memo1->toPlainText().contains(" Wine: Chardonnay 2024"));
    }

    void summaryLinesAreCentred() {
        for (QTextBlock block = window->Memo1->document()->begin(); block.isValid();
             block = block.next())
            QCOMPARE(block.blockFormat().alignment(), Qt::AlignHCenter);
    }

    void refillingReplacesBothPanelsCompletely() {
        TWineRec blank{};
        blank.Conditions.WineName.assign("Blank");
        window->WineClass.WineRec = blank;
        window->FillLines();
        const ReportLines lines = FillLines(blank);
        QCOMPARE(window->Memo2->toPlainText(), Joined(lines.Table));
        QCOMPARE(window->Memo1->toPlainText(), Joined(lines.Summary));
        QVERIFY(!window->Memo1->toPlainText().contains("Chardonnay"));
    }
};

QTEST_MAIN(WineWindowTest)
#include "WineWindowTest.moc"
