#include "app/wine/EntryCommands.h"

#include "analysis/UnusedRows.h"
#include "app/ProgramSettings.h"
#include "app/wine/WineWindow.h"
#include "entry/ConditionsRecord.h"
#include "entry/DataCheck.h"
#include "entry/ui/ConditionsDlg.h"
#include "entry/ui/DataDlg.h"

#include <QLineEdit>

namespace zephra {

namespace {

void RememberFlowUnit(const TConditionsDlg& dlg, ProgramSettings* settings) {
    if (const std::optional<MetricFlowUnit> unit = dlg.ChosenFlowUnit(); unit && settings) {
        settings->RememberMetricFlow(*unit);
    }
}

bool NewWine(QWidget* parent, MessageBoxes& boxes, TWineRec& rec, WineNotes& notes,
             QString& caption, ProgramSettings* settings) {
    TConditionsDlg dlg(boxes, parent, settings ? settings->Units() : UsUnits);
    if (dlg.exec() != QDialog::Accepted) {
        return false;
    }
    const ConditionsForm form = dlg.Form();
    rec = NewWineRecord(form);
    notes = FormNotes(form);
    RememberFlowUnit(dlg, settings);
    caption = dlg.WineName->text() + QLatin1Char(' ') + dlg.FilterName->text();
    return true;
}

bool EditWineConditions(QWidget* parent, TMDIChild& window, ProgramSettings* settings) {
    TWineClass& wine = window.WineClass;
    TConditionsDlg dlg(window.Boxes(), parent, window.Units());
    dlg.SetForm(LoadConditionsForm(wine.WineRec, wine.Notes));
    if (dlg.exec() != QDialog::Accepted) {
        return false;
    }
    StoreEditedConditions(wine.WineRec, wine.Notes, dlg.Form());
    RememberFlowUnit(dlg, settings);
    wine.Modified = true;
    window.Calculate(true);
    return true;
}

} // namespace

bool NewWineFromConditions(QWidget* parent, MessageBoxes& boxes, TWineRec& rec, WineNotes& notes,
                           QString& caption) {
    return NewWine(parent, boxes, rec, notes, caption, nullptr);
}

bool NewWineFromConditions(QWidget* parent, MessageBoxes& boxes, TWineRec& rec, WineNotes& notes,
                           QString& caption, ProgramSettings& settings) {
    return NewWine(parent, boxes, rec, notes, caption, &settings);
}

bool EditConditions(QWidget* parent, TMDIChild& window) {
    return EditWineConditions(parent, window, nullptr);
}

bool EditConditions(QWidget* parent, TMDIChild& window, ProgramSettings& settings) {
    return EditWineConditions(parent, window, &settings);
}

bool EditData(QWidget* parent, TMDIChild& window) {
    TWineClass& wine = window.WineClass;
    TDataDlg dlg(window.Boxes(), parent);
    dlg.SetForm(LoadDataForm(wine.WineRec));
    if (dlg.exec() != QDialog::Accepted) {
        return false;
    }
    StoreDataForm(wine.WineRec, dlg.Form(), wine.Notes);
    wine.Modified = true;
    window.Calculate(true);
    if (const auto warning = UnusedRowsWarning(wine.WineRec.Data)) {
        window.Boxes().Warning(*warning);
    }
    return true;
}

} // namespace zephra
