#pragma once

// Every unit the program knows, and each quantity as a type that holds its
// value in one unit and converts it to the others. A unit's size is defined
// here once; code elsewhere converts through these and defines no factor of
// its own.
//
// Two gallons exist on purpose. The filterability calculation and the
// conditions dialog compute stored fields (face velocities, expected volumes,
// the laboratory area, the resistances) with the rounded constants of
// `calc`; those fields are part of every wine file, so the constants are
// exactly these numbers and must not be made more precise. Everything else
// (metric units, filter sizing, comparisons, exports) uses the exact
// definitions below.

#include <array>
#include <string_view>

namespace zephra {

// Exact definitions.
inline constexpr double MlPerLitre = 1000;
inline constexpr double LitresPerHectolitre = 100;
inline constexpr double LitresPerCubicMetre = 1000;
inline constexpr double MlPerCubicMetre = MlPerLitre * LitresPerCubicMetre;
inline constexpr double SquareCentimetresPerSquareMetre = 10000;
inline constexpr double SecondsPerMinute = 60;
inline constexpr double MinutesPerHour = 60;
inline constexpr double SecondsPerHour = 3600;
inline constexpr double LitresPerBottle = 0.75;
// A US gallon is 231 cubic inches, 3.785411784 L.
inline constexpr double LitresPerGallon = 3.785411784;
// A psi is a pound-force (0.45359237 kg under standard gravity, 9.80665
// m/s²) per square inch (0.0254 m squared); 1 bar is 100000 Pa, so
// 1 psi = 0.0689475729... bar.
inline constexpr double PaPerBar = 100000;
inline constexpr double BarPerPsi = 0.45359237 * 9.80665 / (0.0254 * 0.0254) / PaPerBar;

// The constants of the stored calculation (a bottle is 0.75 L there too).
namespace calc {
inline constexpr double LitresPerGallon = 3.7854;
inline constexpr double PaPerPsi = 6894.8;
inline constexpr double Pi = 3.14159;
} // namespace calc

// A time span, held in seconds.
class Duration {
public:
    static constexpr Duration Seconds(double s) { return Duration(s); }
    static constexpr Duration Minutes(double min) { return Duration(min * SecondsPerMinute); }
    static constexpr Duration Hours(double h) { return Duration(h * SecondsPerHour); }
    constexpr double InSeconds() const { return s_; }
    constexpr double InMinutes() const { return s_ / SecondsPerMinute; }
    constexpr double InHours() const { return s_ / SecondsPerHour; }

private:
    explicit constexpr Duration(double s) : s_(s) {}
    double s_;
};

// A volume, held in litres.
class Volume {
public:
    static constexpr Volume Ml(double ml) { return Volume(ml / MlPerLitre); }
    static constexpr Volume Litres(double l) { return Volume(l); }
    static constexpr Volume Hectolitres(double hl) { return Volume(hl * LitresPerHectolitre); }
    static constexpr Volume Gallons(double gal) { return Volume(gal * LitresPerGallon); }
    constexpr double InMl() const { return l_ * MlPerLitre; }
    constexpr double InLitres() const { return l_; }
    constexpr double InHectolitres() const { return l_ / LitresPerHectolitre; }
    constexpr double InGallons() const { return l_ / LitresPerGallon; }

private:
    explicit constexpr Volume(double l) : l_(l) {}
    double l_;
};

// A mass, held in grams.
class Mass {
public:
    static constexpr Mass Grams(double g) { return Mass(g); }
    constexpr double InGrams() const { return g_; }
    // The volume of this mass of a liquid of `density` (g/ml).
    constexpr Volume AtDensity(double density) const { return Volume::Ml(g_ / density); }

private:
    explicit constexpr Mass(double g) : g_(g) {}
    double g_;
};

// A pressure, held in psi (the record's unit).
class Pressure {
public:
    static constexpr Pressure Psi(double psi) { return Pressure(psi); }
    static constexpr Pressure Bar(double bar) { return Pressure(bar / BarPerPsi); }
    constexpr double InPsi() const { return psi_; }
    constexpr double InBar() const { return psi_ * BarPerPsi; }
    constexpr double InPa() const { return InBar() * PaPerBar; }

private:
    explicit constexpr Pressure(double psi) : psi_(psi) {}
    double psi_;
};

// An area, held in m².
class Area {
public:
    static constexpr Area SquareMetres(double m2) { return Area(m2); }
    static constexpr Area SquareCentimetres(double cm2) {
        return Area(cm2 / SquareCentimetresPerSquareMetre);
    }
    constexpr double InSquareMetres() const { return m2_; }
    constexpr double InSquareCentimetres() const { return m2_ * SquareCentimetresPerSquareMetre; }

private:
    explicit constexpr Area(double m2) : m2_(m2) {}
    double m2_;
};

// A flux (a flow per filter area, the face velocity), held in L/(m²·h).
class Flux {
public:
    static constexpr Flux LitresPerSquareMetreHour(double lmh) { return Flux(lmh); }
    static constexpr Flux GpmPerSquareMetre(double gpm) {
        return Flux(gpm * LitresPerGallon * MinutesPerHour);
    }
    constexpr double InLitresPerSquareMetreHour() const { return lmh_; }
    constexpr double InGpmPerSquareMetre() const { return lmh_ / MinutesPerHour / LitresPerGallon; }

private:
    explicit constexpr Flux(double lmh) : lmh_(lmh) {}
    double lmh_;
};

// A flow, held in L/h.
class Flow {
public:
    static constexpr Flow LitresPerHour(double lph) { return Flow(lph); }
    static constexpr Flow HectolitresPerHour(double hlph) {
        return Flow(hlph * LitresPerHectolitre);
    }
    static constexpr Flow LitresPerMinute(double lpm) { return Flow(lpm * MinutesPerHour); }
    static constexpr Flow Gpm(double gpm) { return Flow(gpm * LitresPerGallon * MinutesPerHour); }
    static constexpr Flow Bpm(double bpm) { return Flow(bpm * LitresPerBottle * MinutesPerHour); }
    constexpr double InLitresPerHour() const { return lph_; }
    constexpr double InHectolitresPerHour() const { return lph_ / LitresPerHectolitre; }
    constexpr double InGpm() const { return lph_ / MinutesPerHour / LitresPerGallon; }
    constexpr Flux Through(const Area& area) const {
        return Flux::LitresPerSquareMetreHour(lph_ / area.InSquareMetres());
    }

private:
    explicit constexpr Flow(double lph) : lph_(lph) {}
    double lph_;
};

// A unit by its name, as shown and typed, and its size in the quantity's
// held unit (psi for pressures, litres for volumes, L/h for flows, L/(m²·h)
// for fluxes). Names are UTF-8.
struct NamedUnit {
    std::string_view Name;
    double Size;
};

inline constexpr NamedUnit PsiUnit{"psi", 1};
inline constexpr NamedUnit BarUnit{"bar", Pressure::Bar(1).InPsi()};

inline constexpr NamedUnit GpmPerSquareMetreUnit{
    "gpm/m2", Flux::GpmPerSquareMetre(1).InLitresPerSquareMetreHour()};
inline constexpr NamedUnit LitresPerSquareMetreHourUnit{"L/(m²·h)", 1};

inline constexpr NamedUnit GallonUnit{"gal", Volume::Gallons(1).InLitres()};
inline constexpr NamedUnit LitreUnit{"L", 1};
inline constexpr NamedUnit HectolitreUnit{"hL", Volume::Hectolitres(1).InLitres()};
// The units a volume can be given in; the first is the default.
inline constexpr std::array<NamedUnit, 3> VolumeUnits{GallonUnit, LitreUnit, HectolitreUnit};

inline constexpr NamedUnit GpmUnit{"gpm", Flow::Gpm(1).InLitresPerHour()};
inline constexpr NamedUnit BpmUnit{"bpm", Flow::Bpm(1).InLitresPerHour()};
inline constexpr NamedUnit LitresPerMinuteUnit{"L/min", Flow::LitresPerMinute(1).InLitresPerHour()};
inline constexpr NamedUnit LitresPerHourUnit{"L/h", 1};
inline constexpr NamedUnit HectolitresPerHourUnit{"hL/h",
                                                  Flow::HectolitresPerHour(1).InLitresPerHour()};
// The units a flow can be given in; the first is the default.
inline constexpr std::array<NamedUnit, 5> FlowUnits{GpmUnit, BpmUnit, LitresPerMinuteUnit,
                                                    LitresPerHourUnit, HectolitresPerHourUnit};

} // namespace zephra
