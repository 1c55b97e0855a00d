// How the scene looks apart from the surfaces' own geometry: the materials of the lit surfaces, the colours
// of the unlit square and control polygons, and the square itself. The view hands them to OpenGL;
// tresslow-sim's exports write them into their files.
#pragma once

#include "app/Settings.h"

// A front-face material of OpenGL's fixed-function lighting: RGBA colours, shininess as a fraction of 128.
struct Material {
    float ambient[4], diffuse[4], specular[4];
    float shininess;
};
constexpr Material kHairMaterial = {{0.2125f, 0.1275f, 0.054f, 1.0f},
                                    {0.714f, 0.4284f, 0.18144f, 1.0f},
                                    {0.393548f, 0.271906f, 0.166721f, 1.0f},
                                    0.2f};
constexpr Material kShapeMaterial = {{0.329412f, 0.223529f, 0.027451f, 1.0f},
                                     {0.780392f, 0.568627f, 0.113725f, 1.0f},
                                     {0.992157f, 0.941176f, 0.807843f, 1.0f},
                                     0.21794872f};

// The plane's square, an unlit quad at y = 0 under the strands: its corners in drawing order.
constexpr float kSquareCorners[4][3] = {{-kPlaneHalfSize, 0, -kPlaneHalfSize},
                                        {kPlaneHalfSize, 0, -kPlaneHalfSize},
                                        {kPlaneHalfSize, 0, kPlaneHalfSize},
                                        {-kPlaneHalfSize, 0, kPlaneHalfSize}};
constexpr float kSquareColour[3] = {0.0f, 0.0f, 1.0f};
constexpr float kControlPointColour[3] = {0.0f, 0.5f, 1.0f};  // the strands' points, unlit
// The control polygons' segments, unlit: the m-th segment drawn, counted over all strands in order, has
// colour (0.999^m, 0.988^m, 0.95^m), each factor rounded to float after every product: white fading through
// orange to dark red.
constexpr float kSegmentFade[3] = {0.999f, 0.988f, 0.95f};

// Fades `colour` from one segment's to the next's.
inline void fadeSegmentColour(float* colour) {
    for (int c = 0; c < 3; c++) colour[c] = colour[c] * kSegmentFade[c];
}
