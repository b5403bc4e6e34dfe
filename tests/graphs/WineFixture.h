#pragma once

#include "document/Real48.h"
#include "document/WineRec.h"

#include <string>
#include <vector>

namespace zephra::test {

// One plotted point as the report table stores it.
struct TablePoint {
    std::string VA;
    std::string R;
};

// A wine whose report table holds `points` (V cells filled so the table
// reads them all) and the given model fields; a is in 10^9 1/m.
struct WineFixture {
    std::vector<TablePoint> Points;
    std::string RmP;
    std::string bP;
    double A = 0.0;
    std::string RmE;
    std::string bE;
    std::string MaxProdR;
    int MinSkip = 0;

    TWineRec Make() const {
        TWineRec rec{};
        for (std::size_t i = 0; i < Points.size(); ++i) {
            rec.TableData[i].V.assign("  10.0");
            rec.TableData[i].VA.assign(Points[i].VA);
            rec.TableData[i].R.assign(Points[i].R);
        }
        rec.RmP.assign(RmP);
        rec.bP.assign(bP);
        rec.aReal = DoubleToReal48(A * 1e9);
        rec.RmE.assign(RmE);
        rec.bE.assign(bE);
        rec.MaxProdR.assign(MaxProdR);
        rec.Data.MinSkip.set(static_cast<std::uint16_t>(MinSkip));
        return rec;
    }
};

// Four used points rising from 10 to 40 with both models fitted.
inline WineFixture RisingWine() {
    WineFixture w;
    w.Points = {{"0.100", "10.00"}, {"0.300", "20.00"}, {"0.500", "30.00"}, {"0.700", "40.00"}};
    w.RmP = "  5.00";
    w.bP = "1.200";
    w.A = 40.0;
    w.RmE = "  9.00";
    w.bE = "2.000";
    w.MaxProdR = "120.00";
    return w;
}

} // namespace zephra::test
