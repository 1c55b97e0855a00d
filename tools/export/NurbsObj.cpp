// Writing NurbsSurfaces as OBJ free-form surfaces: per surface a group, its control points as v x y z w,
// then cstype rat bspline, deg, surf (parameter ranges and the points), parm u, parm v and end.
#include "export/NurbsObj.h"

#include "export/ObjText.h"
#include "hair/HairStore.h"
#include "view/SceneLook.h"

namespace {

void writeKnots(ObjText& obj, char direction, const std::vector<float>& knots) {
    obj << "parm " << direction;
    for (float knot : knots) obj << ' ' << knot;
    obj << '\n';
}

// The surface's u and v are OBJ's u and v. OBJ lists a surface's control points with u varying fastest,
// where the surface keeps point (a, b) at a * countV + b; and it takes Cartesian x y z with the weight w,
// where the surface keeps x w, y w, z w, w. The quotients are taken in double, which holds them to within
// 1e-16 of the float net's exact point.
void writeSurface(ObjText& obj, unsigned& nextVertex, const std::string& name, const NurbsSurface& surface) {
    obj << "g " << name << '\n';
    for (int b = 0; b < surface.countV; b++) {
        for (int a = 0; a < surface.countU; a++) {
            const float* p = &surface.controlPoints[4 * (a * surface.countV + b)];
            obj << "v " << double(p[0]) / p[3] << ' ' << double(p[1]) / p[3] << ' ' << double(p[2]) / p[3]
                << ' ' << p[3] << '\n';
        }
    }
    obj << "cstype rat bspline\ndeg " << surface.degreeU << ' ' << surface.degreeV << "\nsurf "
        << surface.knotsU[surface.degreeU] << ' ' << surface.knotsU[surface.countU] << ' '
        << surface.knotsV[surface.degreeV] << ' ' << surface.knotsV[surface.countV];
    for (int i = 0; i < surface.countU * surface.countV; i++) obj << ' ' << nextVertex + i;
    obj << '\n';
    nextVertex += surface.countU * surface.countV;
    writeKnots(obj, 'u', surface.knotsU);
    writeKnots(obj, 'v', surface.knotsV);
    obj << "end\n";
}

// The square as a surface of degree 1 in both directions over the corners, u from corner 0 toward corner 1,
// v from corner 0 toward corner 3.
NurbsSurface squareSurface() {
    const float(&c)[4][3] = kSquareCorners;
    const float net[16] = {c[0][0], c[0][1], c[0][2], 1, c[3][0], c[3][1], c[3][2], 1,
                           c[1][0], c[1][1], c[1][2], 1, c[2][0], c[2][1], c[2][2], 1};
    const float knots[4] = {0, 0, 1, 1};
    NurbsSurface square;
    square.setup(1, 1, 2, 2, net, knots, knots, 1, 1);
    return square;
}

}  // namespace

void writeNurbsObj(const std::string& header, std::FILE* out) {
    ObjText obj;
    obj << "# " << header << '\n';
    unsigned nextVertex = 1;
    if (isCurvedShape(shapeType)) writeSurface(obj, nextVertex, "shape", shapeSurface);
    if (shapeType == kShapePlane) writeSurface(obj, nextVertex, "shape", squareSurface());
    for (int s = 0; s < liveStrandCount(); s++)
        writeSurface(obj, nextVertex, "strand" + std::to_string(s), strandSurfaces[s]);
    obj.writeTo(out);
}
