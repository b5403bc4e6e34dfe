#include "reports/ui/CompareTrialsWindow.h"

#include "document/NumberMarks.h"
#include "document/WineFile.h"
#include "reports/ui/ComparisonDocument.h"
#include "reports/ui/OutputFile.h"
#include "reports/ui/ReportDocument.h"
#include "ui_common/OverwriteQuestion.h"
#include "ui_common/WineFileNames.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zephra {

namespace {

const QSize ChartPixels(760, 420);

// A cell that shows its text and sorts by its number where it shows one.
class Cell : public QTableWidgetItem {
public:
    explicit Cell(const std::string& text) : QTableWidgetItem(QString::fromStdString(text)) {
        const std::optional<NumberMarks>& marks = NumberMarksInUse();
        const std::string number = marks ? WithoutMarks(text, *marks) : text;
        bool isNumber = false;
        const double value = QString::fromStdString(number).toDouble(&isNumber);
        if (isNumber) {
            setData(NumberRole, value);
        }
    }

    bool operator<(const QTableWidgetItem& other) const override {
        const QVariant mine = data(NumberRole);
        const QVariant theirs = other.data(NumberRole);
        if (mine.isValid() && theirs.isValid()) {
            return mine.toDouble() < theirs.toDouble();
        }
        if (mine.isValid() != theirs.isValid()) {
            return mine.isValid(); // numbers before texts
        }
        return QTableWidgetItem::operator<(other);
    }

private:
    static constexpr int NumberRole = Qt::UserRole;
};

} // namespace

CompareTrialsWindow::CompareTrialsWindow(UiServices services, const IndexBandLimits& bands,
                                         QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMaximizeButtonHint),
      OpenDialog(FileDialog::Kind::Open, services.Dialogs),
      TableDialog(FileDialog::Kind::Save, services.Dialogs),
      PdfDialog(FileDialog::Kind::Save, services.Dialogs), services_(services), bands_(bands),
      table_(new QTableWidget(this)), chart_(new QLabel(this)), chartNote_(new QLabel(this)) {
    setWindowTitle(tr("Compare Trials"));
    OpenDialog.Setup.Filter = WineFileFilter;
    TableDialog.Setup.Filter =
        QCoreApplication::translate("ReportCommands", "CSV files|*.csv|JSON files|*.json");
    TableDialog.Setup.FileName = QStringLiteral("trials.csv");
    PdfDialog.Setup.Filter = QCoreApplication::translate("ReportCommands", "PDF files|*.pdf");
    PdfDialog.Setup.FileName = QStringLiteral("trials.pdf");

    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    chart_->setFixedSize(ChartPixels);

    auto* add = new QPushButton(tr("Add Files..."), this);
    auto* exportTable = new QPushButton(tr("Export Table..."), this);
    auto* exportPdf = new QPushButton(tr("Export PDF..."), this);
    connect(add, &QPushButton::clicked, this, &CompareTrialsWindow::AddFilesExecute);
    connect(exportTable, &QPushButton::clicked, this, &CompareTrialsWindow::ExportTableExecute);
    connect(exportPdf, &QPushButton::clicked, this, &CompareTrialsWindow::ExportPdfExecute);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addStretch(1);
    buttons->addWidget(exportTable);
    buttons->addWidget(exportPdf);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chart_, 0, Qt::AlignHCenter);
    layout->addWidget(chartNote_, 0, Qt::AlignHCenter);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    resize(ChartPixels.width() + 200, ChartPixels.height() + 300);
    Refresh();
}

void CompareTrialsWindow::AddTrial(const TWineRec& rec, const WineNotes& notes,
                                   const QString& fileName) {
    rows_.push_back(ComparisonRowOf(rec, notes, FilePart(fileName).toStdString(), bands_));
    SortComparison(rows_, ComparisonOrder::Capacity);
    Refresh();
}

bool CompareTrialsWindow::AddFile(const QString& path) {
    WineFileContents wine;
    if (!ReadWineFile(LocalPath(path), wine, services_.Boxes)) {
        return false;
    }
    AddTrial(wine.Rec, wine.Notes, path);
    return true;
}

void CompareTrialsWindow::AddFilesExecute() {
    if (OpenDialog.Execute(this)) {
        OpenDialog.Setup.InitialDir = FolderOf(OpenDialog.Setup.FileName);
        AddFile(OpenDialog.Setup.FileName);
    }
}

void CompareTrialsWindow::ExportTableExecute() {
    if (!TableDialog.Execute(this)) {
        return;
    }
    const QString chosen = TableDialog.Setup.FileName;
    const bool json = chosen.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive);
    const QString path = json ? chosen : ForceExtension(chosen, QStringLiteral(".csv"));
    if (!MayOverwrite(services_.Boxes, path)) {
        return;
    }
    Write(path, QByteArray::fromStdString(json ? ComparisonJson(rows_).dump(2) + "\n"
                                               : ComparisonCsv(rows_)));
}

void CompareTrialsWindow::ExportPdfExecute() {
    if (!PdfDialog.Execute(this)) {
        return;
    }
    const QString path = ForceExtension(PdfDialog.Setup.FileName, QStringLiteral(".pdf"));
    if (!MayOverwrite(services_.Boxes, path)) {
        return;
    }
    QPageLayout landscape = ReportPageLayoutFor(QLocale::system());
    landscape.setOrientation(QPageLayout::Landscape);
    Write(path, ComparisonPdf(rows_, landscape));
}

void CompareTrialsWindow::Refresh() {
    const std::vector<std::vector<std::string>> table = ComparisonTableRows(rows_);
    table_->setSortingEnabled(false);
    table_->clear();
    table_->setColumnCount(static_cast<int>(table.front().size()));
    table_->setRowCount(static_cast<int>(table.size()) - 1);
    QStringList headers;
    for (const std::string& header : table.front()) {
        headers << QCoreApplication::translate("Comparison", header.c_str());
    }
    table_->setHorizontalHeaderLabels(headers);
    for (std::size_t r = 1; r < table.size(); ++r) {
        for (std::size_t c = 0; c < table[r].size(); ++c) {
            table_->setItem(static_cast<int>(r) - 1, static_cast<int>(c), new Cell(table[r][c]));
        }
    }
    table_->resizeColumnsToContents();
    // Ranked by capacity as the rows stand, until a header is clicked.
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table_->setSortingEnabled(true);
    chart_->setPixmap(QPixmap::fromImage(ComparisonImage(rows_, ChartPixels)));
    const std::string note = ComparisonChartNote(rows_);
    chartNote_->setText(QString::fromStdString(note));
    chartNote_->setVisible(!note.empty());
}

void CompareTrialsWindow::Write(const QString& path, const QByteArray& bytes) {
    WriteOutputFile(path, bytes, {}, services_.Boxes);
}

} // namespace zephra
