#pragma once

#include "document/Real48.h"
#include "document/ShortString.h"
#include "document/WineNotes.h"

#include <cstddef>
#include <type_traits>

namespace zephra {

// The filtration conditions of a wine, as typed in the conditions dialog.
struct TConditions {
    ShortString<16> WineName;
    ShortString<16> FilterName;
    LeSmallInt VolType;      // 1 when created; nothing reads it
    LeSmallInt WineType;     // 0 = Normal, 1 = Dessert
    ShortString<4> LabP;     // psi, width 4, 1 decimal
    ShortString<4> LabFiltDia; // mm, width 4, 1 decimal
    ShortString<4> ProdP;    // psi, width 4, no decimals
    ShortString<4> ProdA;    // m², width 4, 2 decimals
    ShortString<4> ProdRate; // bpm or gpm, width 4, 1 decimal
    LeWord ProdRateUnits;    // 0 = bpm (0.75 L bottles), 1 = gpm (US gallons)
};

// Elapsed time of one reading: whole minutes and the two-digit seconds.
struct TReadingTime {
    ShortString<3> M;
    ShortString<2> Sc;
};

// The laboratory readings; reading i (1..36) is V[i-1], T[i-1].
struct TData {
    ShortString<6> V[36];   // cumulative filtrate volume, ml
    TReadingTime T[36];     // M1, Sc1, M2, Sc2, ...
    LeWord MinSkip;         // leading points skipped by fits and graphs, 0..12
};

// One row of the report table.
struct TTableRow {
    ShortString<6> V;
    ShortString<3> Min;
    ShortString<2> Sec;
    ShortString<5> VA;
    ShortString<6> R;
    ShortString<6> Rexp;
    ShortString<6> Rpower;
};

// One wine: conditions, readings, results and report table. The wine file
// is exactly the memory image of this record.
struct TWineRec {
    TConditions Conditions;
    LeSmallInt Model; // 1 when the power model fits at least as well
    ShortString<5> LabA;
    TData Data;
    ShortString<5> bE;
    ShortString<5> bP;
    ShortString<25> ExpectedVolE;
    ShortString<25> ExpectedVolP;
    ShortString<5> rE;
    ShortString<5> rP;
    ShortString<7> a;
    Real48 aReal;
    ShortString<6> RmE;
    ShortString<6> RmP;
    ShortString<6> MaxProdR;
    ShortString<4> LabEquivVol;
    ShortString<4> LabFaceVel;
    ShortString<4> ProdFaceVel;
    TTableRow TableData[36];
};

inline constexpr std::size_t WineRecSize = 2181;

static_assert(std::is_trivially_copyable_v<TWineRec>);
static_assert(sizeof(TConditions) == 65);
static_assert(sizeof(TData) == 506);
static_assert(sizeof(TTableRow) == 41);
static_assert(sizeof(TWineRec) == WineRecSize);
static_assert(offsetof(TConditions, LabP) == 38);
static_assert(offsetof(TConditions, ProdRateUnits) == 63);
static_assert(offsetof(TWineRec, Model) == 65);
static_assert(offsetof(TWineRec, LabA) == 67);
static_assert(offsetof(TWineRec, Data) == 73);
static_assert(offsetof(TWineRec, Data) + offsetof(TData, T) == 325);
static_assert(offsetof(TWineRec, Data) + offsetof(TData, MinSkip) == 577);
static_assert(offsetof(TWineRec, bE) == 579);
static_assert(offsetof(TWineRec, ExpectedVolE) == 591);
static_assert(offsetof(TWineRec, ExpectedVolP) == 617);
static_assert(offsetof(TWineRec, a) == 655);
static_assert(offsetof(TWineRec, aReal) == 663);
static_assert(offsetof(TWineRec, RmE) == 669);
static_assert(offsetof(TWineRec, MaxProdR) == 683);
static_assert(offsetof(TWineRec, ProdFaceVel) == 700);
static_assert(offsetof(TWineRec, TableData) == 705);

// A wine as owned by its window: the record, the notes its file keeps after
// the record, and whether it has changes not yet written to a file. Created
// with every byte zero and no notes.
struct TWineClass {
    bool Modified = false;
    TWineRec WineRec{};
    WineNotes Notes;
};

} // namespace zephra
