#include "entry/DataCheck.h"

#include "document/Windows1252.h"
#include "entry/DecimalCommaHint.h"
#include "entry/DecimalMark.h"
#include "entry/EntryFormat.h"

namespace zephra {

std::string DataCheckMessage(const DataCheckFailure& failure, const DataForm& form,
                             DecimalMark mark) {
    const int i = failure.Row - 1;
    const auto describe = [&](const char* column, const std::string& text) {
        const std::string message =
            "Row " + std::to_string(failure.Row) + ", " + column + ": " + DataEntryErrorMessage;
        return mark == DecimalMark::Point ? WithDecimalCommaHint(message, text) : message;
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

std::optional<DataCheckFailure> DataRangeCheck(DataForm& form, DecimalMark mark) {
    bool error = false;
    double value = 0.0;
    // A box is rewritten only when it passes; a failing one keeps its text.
    const auto passes = [&](std::string& box, auto format) {
        std::string text = WithDecimalPoint(box, mark);
        format(text, error, value);
        if (!error) {
            box = std::move(text);
        }
        return !error;
    };
    const auto volume = [](std::string& s, bool& e, double& v) {
        FormatBlankTolerant(s, e, v, LargestVolumeMl, SmallestVolumeMl, 6, 1);
    };
    const auto minutes = [](std::string& s, bool& e, double& v) {
        FormatBlankTolerant(s, e, v, 999, 0, 3, 0);
    };
    const auto seconds = [](std::string& s, bool& e, double& v) {
        FormatSec(s, e, v, 59, 0, 2, 0);
    };
    for (int i = 0; i < DataPointCount; ++i) {
        if (!passes(form.Volume[i], volume)) {
            return DataCheckFailure{DataColumn::Volume, i + 1};
        }
    }
    for (int i = 0; i < DataPointCount; ++i) {
        if (!passes(form.Minutes[i], minutes)) {
            return DataCheckFailure{DataColumn::Minutes, i + 1};
        }
    }
    for (int i = 0; i < DataPointCount; ++i) {
        if (!passes(form.Seconds[i], seconds)) {
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
        // Checked texts fit; each field keeps the first characters of any other.
        rec.Data.V[i].assignTruncated(Utf8ToWin1252(form.Volume[i]));
        rec.Data.T[i].M.assignTruncated(Utf8ToWin1252(form.Minutes[i]));
        rec.Data.T[i].Sc.assignTruncated(Utf8ToWin1252(form.Seconds[i]));
        if (rec.Data.V[i].text() != before.V[i].text() ||
            rec.Data.T[i].M.text() != before.T[i].M.text() ||
            rec.Data.T[i].Sc.text() != before.T[i].Sc.text()) {
            SetReadingTime(notes, static_cast<std::size_t>(i), std::nullopt);
        }
    }
}

} // namespace zephra
