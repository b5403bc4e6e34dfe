#include "graphs/ui/FoulingAnalysisWindow.h"

#include "analysis/FoulingAnalysisText.h"
#include "analysis/FoulingCopyTable.h"
#include "graphs/FloatingPointFault.h"
#include "graphs/FoulingGraphPicture.h"
#include "graphs/ui/GraphImages.h"
#include "graphs/ui/WineWindowTitle.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zephra {

namespace {

constexpr int SummaryWidth = 420;

// A text of the analysis in the program's language (see ShownText).
QString Shown(const std::string& text) {
    return QCoreApplication::translate("FoulingAnalysis", text.c_str());
}

QString Html(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

} // namespace

FoulingAnalysisWindow::FoulingAnalysisWindow(MessageBoxes& boxes, QWidget* parent)
    // A dialog-type window, kept above the window it belongs to, like the
    // graph windows.
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      boxes_(boxes), fileDialog_(std::make_unique<QtPictureFileDialog>()),
      table_(new QTableWidget(this)), summary_(new QLabel(this)), graph_(new QLabel(this)),
      copyAction_(new QAction(tr("Copy"), this)),
      saveAction_(new QAction(tr("Save Picture As..."), this)),
      copyTableAction_(new QAction(tr("Copy Table"), this)) {
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->verticalHeader()->hide();
    table_->setContextMenuPolicy(Qt::NoContextMenu);
    summary_->setTextFormat(Qt::RichText);
    summary_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    summary_->setMinimumWidth(SummaryWidth);
    graph_->setFixedSize(FoulingGraphWidth, FoulingGraphHeight);

    auto* lower = new QHBoxLayout;
    lower->addWidget(summary_, 1);
    lower->addWidget(graph_, 0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addLayout(lower);
    // Its size from the start, so that it opens in full where it is placed.
    resize(SummaryWidth + FoulingGraphWidth + 40, FoulingGraphHeight + 200);

    copyAction_->setEnabled(false);
    saveAction_->setEnabled(false);
    connect(copyAction_, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setImage(picture_); });
    connect(saveAction_, &QAction::triggered, this,
            [this] { SavePictureAsPng(this, *fileDialog_, picture_, pictureName_, boxes_); });
    connect(copyTableAction_, &QAction::triggered, this, [this] {
        QGuiApplication::clipboard()->setText(QString::fromStdString(copiedTable_));
    });
    addAction(copyAction_);
    addAction(saveAction_);
    addAction(copyTableAction_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

FoulingAnalysisWindow::~FoulingAnalysisWindow() = default;

void FoulingAnalysisWindow::SetPictureFileDialog(std::unique_ptr<PictureFileDialog> dialog) {
    fileDialog_ = std::move(dialog);
}

void FoulingAnalysisWindow::FormCreate(const TWineRec& rec, const WineNotes& notes,
                                       const DisplayUnits& units, const LabSettings& lab) {
    const QString caption = tr("Fouling Analysis");
    setWindowTitle(WineWindowTitle(caption, rec, notes));
    pictureName_ = WinePictureName(caption, rec, notes);
    analysis_ = AnalyzeWineFouling(rec, notes, lab);
    copiedTable_ = TabSeparated(FoulingCopyRows(analysis_, rec));
    FillTable();
    FillSummary(rec, units);
    try {
        picture_ = FoulingGraphImage(analysis_, Colour{0, 0, 0});
    } catch (const FloatingPointFault& fault) {
        boxes_.Error(fault.what());
        return;
    }
    graph_->setPixmap(QPixmap::fromImage(picture_));
    copyAction_->setEnabled(true);
    saveAction_->setEnabled(true);
}

void FoulingAnalysisWindow::FillTable() {
    const auto rows = FoulingTableRows(analysis_);
    const int columns = static_cast<int>(rows.front().size());
    table_->setColumnCount(columns);
    table_->setRowCount(static_cast<int>(rows.size()) - 1);
    QStringList headers;
    for (const std::string& header : rows.front()) {
        headers << Shown(header);
    }
    table_->setHorizontalHeaderLabels(headers);
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const bool best = rows[r].back() == "best";
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem(Shown(rows[r][c]));
            if (best) {
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
            table_->setItem(static_cast<int>(r) - 1, c, item);
        }
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    int height = table_->horizontalHeader()->height() + 2 * table_->frameWidth();
    for (int r = 0; r < table_->rowCount(); ++r) {
        height += table_->rowHeight(r);
    }
    table_->setFixedHeight(height);
}

void FoulingAnalysisWindow::FillSummary(const TWineRec& rec, const DisplayUnits& units) {
    QString html = QStringLiteral("<p><b>") +
                   Html(analysis_.FullWine + " - " + analysis_.FullFilter) +
                   QStringLiteral("</b></p><table cellspacing=\"4\">");
    for (const auto& [label, value] : FoulingSummaryItems(analysis_, rec, units)) {
        html += QStringLiteral("<tr><td>") + Shown(label).toHtmlEscaped() +
                QStringLiteral(":</td><td>") + Shown(value).toHtmlEscaped() +
                QStringLiteral("</td></tr>");
    }
    html += QStringLiteral("</table><p>") +
            tr("Vmax and the capacity come from the standard blocking law: a "
               "constant-pressure estimate without a safety factor.") +
            QStringLiteral("</p>");
    summary_->setText(html);
    summary_->setWordWrap(true);
}

} // namespace zephra
