#pragma once

#include "document/WineRec.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zephra::test {

// One raw reading as typed: volume, minutes, seconds.
struct Reading {
    std::string V;
    std::string M;
    std::string Sc;
};

struct ConditionTexts {
    std::string LabP = "30.0";
    std::string LabFiltDia = "47.0";
    std::string ProdP = "  30";
    std::string ProdA = "10.0";
    std::string ProdRate = "20.0";
    std::uint16_t ProdRateUnits = 0;
    std::int16_t WineType = 0;
};

TWineRec MakeWine(const ConditionTexts& conditions, const std::vector<Reading>& readings,
                  std::uint16_t minSkip = 0);

// Readings every `interval` seconds from `interval` on, with the volumes given.
std::vector<Reading> ReadingsEvery(int interval, const std::vector<std::string>& volumes);

// A 36-point trial on a 47 mm filter at 30 psi, one reading every 15 s, its
// resistance rising from about 5·10¹¹ m⁻¹ as a power law of the volume.
std::vector<std::string> TypicalVolumes();
TWineRec TypicalWine();

// Every text field of the record (conditions, data, results, table), for
// checking that no text holds "nan" or "inf".
std::vector<std::string> AllTexts(const TWineRec& rec);

// Expects the results of a calculation that could not fit the models: every
// result blank but RmE, which holds `RmE`.
void ExpectBlankResults(const TWineRec& rec, const std::string& RmE = "      ");

std::string Text(const auto& shortString) {
    return std::string(shortString.text());
}

} // namespace zephra::test
