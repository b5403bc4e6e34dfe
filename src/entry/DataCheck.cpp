#include "entry/DataCheck.h"

#include "document/Windows1252.h"
#include "entry/DecimalCommaHint.h"
#include "entry/EntryFormat.h"

namespace zephra {

std::string DataCheckMessage(const DataCheckFailure& failure, const DataForm& form) {
    const int i = failure.Row - 1;
    const auto describe = [&](const char* column, const std::string& text) {
        return WithDecimalCommaHint("Row " + std::to_string(failure.Row) + ", " + column + ": " +
                                        DataEntryErrorMessage,
                                    text);
    };
    switch (failure.Column) {
    case DataColumn::Volume:
        return describe("volume", form.Volume[i]);
    case DataColumn::Minutes:
        return describe("minutes", form.Minutes[i]);
    case DataColumn::Seconds:
        return describe("seconds", form.Seconds[i]);
    }
    return DataEntryErrorMessage;
}

DataForm LoadDataForm(const TWineRec& rec) {
    DataForm form;
    for (int i = 0; i < DataPointCount; ++i) {
        form.Volume[i] = Win1252ToUtf8(rec.Data.V[i].text());
        form.Minutes[i] = Win1252ToUtf8(rec.Data.T[i].M.text());
        form.Seconds[i] = Win1252ToUtf8(rec.Data.T[i].Sc.text());
    }
    const int skip = rec.Data.MinSkip.get();
    if (skip <= MaxSkip) {
        form.Skip = skip;
    }
    return form;
}

std::optional<DataCheckFailure> DataRangeCheck(DataForm& form) {
    bool error = false;
    double value = 0.0;
    for (int i = 0; i < DataPointCount; ++i) {
        FormatBlankTolerant(form.Volume[i], error, value, 100000, 0.1, 6, 1);
        if (error) {
            return DataCheckFailure{DataColumn::Volume, i + 1};
        }
    }
    for (int i = 0; i < DataPointCount; ++i) {
        FormatBlankTolerant(form.Minutes[i], error, value, 999, 0, 3, 0);
        if (error) {
            return DataCheckFailure{DataColumn::Minutes, i + 1};
        }
    }
    for (int i = 0; i < DataPointCount; ++i) {
        FormatSec(form.Seconds[i], error, value, 59, 0, 2, 0);
        if (error) {
            return DataCheckFailure{DataColumn::Seconds, i + 1};
        }
    }
    return std::nullopt;
}

void StoreDataForm(TWineRec& rec, const DataForm& form, WineNotes& notes) {
    if (form.Skip) {
        rec.Data.MinSkip.set(static_cast<std::uint16_t>(*form.Skip));
    }
    const TData before = rec.Data;
    for (int i = 0; i < DataPointCount; ++i) {
        rec.Data.V[i].assign(Utf8ToWin1252(form.Volume[i]));
        rec.Data.T[i].M.assign(Utf8ToWin1252(form.Minutes[i]));
        rec.Data.T[i].Sc.assign(Utf8ToWin1252(form.Seconds[i]));
        if (rec.Data.V[i].text() != before.V[i].text() ||
            rec.Data.T[i].M.text() != before.T[i].M.text() ||
            rec.Data.T[i].Sc.text() != before.T[i].Sc.text()) {
            SetReadingTime(notes, static_cast<std::size_t>(i), std::nullopt);
        }
    }
}

} // namespace zephra
