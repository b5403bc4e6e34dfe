#include "analysis/ui/FilterSizingWindow.h"

#include "analysis/FilterSizingText.h"
#include "analysis/FoulingAnalysis.h"
#include "analysis/FoulingAnalysisText.h"
#include "document/NumberMarks.h"
#include "document/Quantities.h"
#include "entry/NumberText.h"
#include "entry/ui/LocaleDecimalMark.h"
#include "ui_common/WindowPlacement.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <optional>
#include <span>

namespace zephra {

namespace {

constexpr int WindowWidth = 860;
constexpr int WindowHeight = 520;

QComboBox* UnitBox(std::span<const NamedUnit> units, QWidget* parent) {
    auto* box = new QComboBox(parent);
    for (const NamedUnit& unit : units) {
        box->addItem(QString::fromUtf8(unit.Name.data(), static_cast<qsizetype>(unit.Name.size())));
    }
    return box;
}

QWidget* WithUnit(QLineEdit* edit, QWidget* unit, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit);
    layout->addWidget(unit);
    layout->addStretch(1);
    return row;
}

// The number typed, with either decimal separator where the locale writes
// a comma; nothing for an empty or unreadable text.
std::optional<double> Typed(const QLineEdit& edit) {
    const std::optional<double> value =
        ParseEntryNumber(EntryBoxNumber(edit.text().trimmed(), LocaleDecimalMark()));
    if (!value || !std::isfinite(*value)) {
        return std::nullopt;
    }
    return value;
}

// The place of the unit named `name` among `units`.
int UnitIndex(std::span<const NamedUnit> units, std::string_view name) {
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (units[i].Name == name) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

} // namespace

FilterSizingWindow::FilterSizingWindow(QWidget* parent, const DisplayUnits& units,
                                       const LabSettings& lab)
    // A dialog-type window kept above the window it belongs to, like the
    // graph windows.
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      batchVolume_(new QLineEdit(this)), batchUnit_(UnitBox(VolumeUnits, this)),
      safetyFactor_(new QLineEdit(this)), elementArea_(new QLineEdit(this)),
      flow_(new QLineEdit(this)), flowUnit_(UnitBox(FlowUnits, this)),
      table_(new QTableWidget(this)), notes_(new QLabel(this)), units_(units), lab_(lab) {
    batchUnit_->setCurrentIndex(units.Metric() ? UnitIndex(VolumeUnits, HectolitreUnit.Name) : 0);
    safetyFactor_->setText(EntryBoxText(QString::number(lab_.SafetyFactor).toStdString()));
    for (QLineEdit* edit : {batchVolume_, safetyFactor_, elementArea_, flow_}) {
        edit->setAlignment(Qt::AlignRight);
        edit->setMaximumWidth(120);
        connect(edit, &QLineEdit::textChanged, this, &FilterSizingWindow::ShowSizing);
    }
    for (QComboBox* box : {batchUnit_, flowUnit_}) {
        connect(box, &QComboBox::currentIndexChanged, this, &FilterSizingWindow::ShowSizing);
    }
    auto* form = new QFormLayout;
    form->addRow(tr("Batch volume:"), WithUnit(batchVolume_, batchUnit_, this));
    form->addRow(tr("Safety factor:"), safetyFactor_);
    form->addRow(tr("Element area:"),
                 WithUnit(elementArea_, new QLabel(tr("m² (optional)"), this), this));
    form->addRow(tr("Production flow:"), WithUnit(flow_, flowUnit_, this));

    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->verticalHeader()->hide();
    notes_->setWordWrap(true);
    notes_->setTextFormat(Qt::PlainText);
    notes_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    notes_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(table_);
    layout->addWidget(notes_, 1);
    layout->addWidget(buttons);
    resize(WindowWidth, WindowHeight);
}

void FilterSizingWindow::FormCreate(const TWineRec& rec, const WineNotes& notes) {
    const FoulingAnalysis analysis = AnalyzeWineFouling(rec, notes, lab_);
    setWindowTitle(tr("Filter Sizing — ") + QString::fromStdString(analysis.FullWine));
    estimates_ = SizingEstimatesOf(rec, analysis);
    const TConditions& c = rec.Conditions;
    const double rate = ReadStoredNumber(c.ProdRate.text());
    if (rate > 0) {
        // bpm or gpm, as the wine's conditions give it; gpm in the metric
        // flow unit in metric units.
        const bool bottles = c.ProdRateUnits.get() == 0;
        flowUnit_->setCurrentIndex(
            UnitIndex(FlowUnits, bottles ? BpmUnit.Name : zephra::FlowUnit(units_)));
        flow_->setText(EntryBoxText(
            MachineNumber(ShortNumberText(bottles ? rate : rate * FlowFactor(units_), 5))));
    }
    ShowSizing();
}

void FilterSizingWindow::ShowSizing() {
    table_->clear();
    table_->setRowCount(0);
    table_->setColumnCount(0);
    BatchRequest request;
    const std::optional<double> volume = Typed(*batchVolume_);
    const std::optional<double> safety = Typed(*safetyFactor_);
    const std::optional<double> element = Typed(*elementArea_);
    const std::optional<double> flow = Typed(*flow_);
    if (!volume || *volume <= 0) {
        notes_->setText(tr("Enter the batch volume."));
        return;
    }
    if (!safety || *safety < 1) {
        notes_->setText(tr("The safety factor must be a number of at least 1."));
        return;
    }
    if (!elementArea_->text().trimmed().isEmpty() && (!element || *element <= 0)) {
        notes_->setText(tr("The element area must be a positive number of m², or "
                           "empty."));
        return;
    }
    if (!flow_->text().trimmed().isEmpty() && (!flow || *flow <= 0)) {
        notes_->setText(tr("The production flow must be a positive number, or "
                           "empty."));
        return;
    }
    request.VolumeL = *volume * VolumeUnits[batchUnit_->currentIndex()].Size;
    request.SafetyFactor = *safety;
    request.TerminalFluxShare = lab_.TerminalFluxShare;
    if (!elementArea_->text().trimmed().isEmpty()) {
        request.ElementAreaM2 = element;
    }
    if (!flow_->text().trimmed().isEmpty()) {
        request.FlowLPerH = *flow * FlowUnits[flowUnit_->currentIndex()].Size;
    }
    const std::vector<BatchSizing> sizings = SizeBatchByEach(estimates_, request);
    const auto rows = SizingTableRows(sizings);
    table_->setColumnCount(static_cast<int>(rows.front().size()));
    table_->setRowCount(static_cast<int>(rows.size()) - 1);
    QStringList headers;
    for (const std::string& header : rows.front()) {
        headers << QString::fromStdString(header);
    }
    table_->setHorizontalHeaderLabels(headers);
    for (std::size_t r = 1; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(rows[r][c]));
            if (c > 0) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            table_->setItem(static_cast<int>(r) - 1, static_cast<int>(c), item);
        }
    }
    table_->resizeColumnsToContents();
    QStringList notes;
    for (const auto& [label, value] : SizingRequestItems(request, units_)) {
        notes << QString::fromStdString(label + ": " + value);
    }
    notes << QString();
    for (const std::string& note : SizingNotes(sizings, request)) {
        notes << QString::fromStdString(note);
    }
    notes_->setText(notes.join(QLatin1Char('\n')));
}

QWidget* OpenFilterSizing(const TWineRec& rec, const WineNotes& notes, QWidget* owner,
                          const DisplayUnits& units, const LabSettings& lab) {
    auto* window = new FilterSizingWindow(owner, units, lab);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setAttribute(Qt::WA_QuitOnClose, false);
    if (owner != nullptr) {
        window->move(PlaceOverOwner(*owner, window->size(), 24));
    }
    window->FormCreate(rec, notes);
    window->show();
    return window;
}

} // namespace zephra
