#include "design_record.h"

namespace vantrel {
namespace {

void ClearShapeNumbers(WShape& shape) {
    shape.A = shape.d = shape.Ix = shape.Zx = shape.Sx = shape.rx = shape.bf = shape.tw =
        shape.tf = shape.Iy = shape.Zy = shape.Sy = shape.ry = shape.Weight = 1.0f;
}

}  // namespace

void ClearValues(DesignRecord& r) {
    ClearShapeNumbers(r.Column);
    ClearShapeNumbers(r.Beam);
    r.Srbs = r.Zrbs = r.a = r.b = r.c = r.R = r.Mpr = r.Vp = r.L = r.Lprime = r.X = r.Mc = r.Mf =
        r.Cpr = r.Ry = r.Vf = r.Vg = r.Cy = r.ds = 1.0f;
    r.Fy = 1;
    r.Fu = 1;
    r.VpSide = "1";
    r.VgSide = "1";
}

}  // namespace vantrel
