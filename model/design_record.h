#pragma once
// The record of one design: the chosen shapes and every derived quantity of
// the calculation chain. Units: inches, feet, kip, ft-kip, ksi.

#include <array>
#include <cstdint>
#include <string>

#include "gravity_loads.h"

namespace vantrel {

using LoadValues = std::array<float, kLoadCount>;

struct WShape {
    std::string Name;
    float A = 0, d = 0, Ix = 0, Zx = 0, Sx = 0, rx = 0, bf = 0, tw = 0, tf = 0, Iy = 0, Zy = 0,
          Sy = 0, ry = 0, Weight = 0;
};

struct DesignRecord {
    WShape Column;
    WShape Beam;
    float Srbs = 0;
    float Zrbs = 0;
    int16_t Fy = 0;
    int16_t Fu = 0;
    float a = 0, b = 0, c = 0, R = 0;
    float Mpr = 0;
    float Vp = 0;
    float L = 0;
    float Lprime = 0;
    float X = 0;
    float Mc = 0;
    float Mf = 0;
    float Cpr = 0;
    float Ry = 0;
    float Vf = 0;
    float Vg = 0;
    float Cy = 0;
    float h = 0;
    float ds = 0;
    // The gravity loads as stored by CalculateVP: kip/ft, kip and ft.
    LoadValues DistDL{}, DistLL{};
    LoadValues PointDL{}, PointLL{}, PointLoadLocation{};
    std::string VpSide;
    std::string VgSide;
};

// Sets every derived value to 1 (shape numbers, moduli, geometry, moments,
// shears, coefficients), Fy and Fu to 1 and the side texts to "1"; keeps the
// loads, h and the shape names.
void ClearValues(DesignRecord& record);

}  // namespace vantrel
