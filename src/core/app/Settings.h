// The global settings: every user-adjustable quantity of the program in one block, with the codes they
// hold and the one table of slider bounds, steps and start values. Only the commands write the settings
// (and every frame flips wind and gravity); the growers, the dynamics and the view read them directly.
#pragma once

enum ShapeCode : int { kShapePlane = 7, kShapeSphere = 8, kShapeTorus = 3 };
// The sphere and the torus: the shapes drawn as a surface (shapeSurface) that the hair grows on.
inline bool isCurvedShape(ShapeCode shape) { return shape == kShapeSphere || shape == kShapeTorus; }
enum StyleCode : int { kStyleMessy = 8, kStyleCombed = 9 };
enum RenderCode : int { kRenderWireframe = 0, kRenderSmooth = 1 };
enum ZoomCode : int { kZoomIn = 5, kZoomOut = 6, kNoZoom = 7 };

constexpr int kMaxDensity = 20;           // the store holds kMaxDensity x kMaxDensity strands
constexpr float kPlaneHalfSize = 100.0f;  // the plane is the square |x|, |z| <= 100 at y = 0
constexpr float kSpringConstant = 0.1f;   // springConstant at start and again at the start of every frame

// A row of the slider table: one slider of the right-hand column. Its start value is also the start of the
// setting it drives.
struct SliderRow {
    const char* label;
    double minimum, maximum, step, start;
};
constexpr SliderRow kLengthSlider = {"Length of Hair", 1, 50, 1, 20};
constexpr SliderRow kRestAngleSlider = {"Rest Angle", 0, 90, 1, 45};
constexpr SliderRow kHairsSlider = {"Hairs", 1, kMaxDensity, 1, 1};
constexpr SliderRow kThicknessSlider = {"Thickness", 0.5, 5, 0.1, 1};
constexpr SliderRow kWindSlider = {"Wind", 0, 0.2, 0.01, 0.05};
constexpr SliderRow kGravitySlider = {"Gravity", -0.2, 0, 0.01, -0.05};
constexpr SliderRow kDampingSlider = {"Damping", 0.001, 0.1, 0.001, 0.01};

extern ShapeCode shapeType;   // 0 until the model exists
extern StyleCode hairStyle;   // 0 until the model exists
extern int restAngle;         // 0..90: largest sideways offset of a point from its root, world units
extern int hairLength;        // 1..50: rest length of a stretch spring, world units
extern int hairDensity;       // 1..kMaxDensity: n, with n*n strands live
extern float thickness;       // 0.5..5.0: tube radius, world units
extern float wind;            // |0..0.2|: force per axis on free points; its sign flips every frame
extern float gravity;         // |0..0.2|: force along -z per unit mass; its sign flips every frame
extern float springConstant;  // always 0.1: factor of every spring's elongation
extern float damping;         // 0.001..0.1: factor of the relative-velocity term of a spring
extern RenderCode renderMode;
extern ZoomCode zoomMode;
extern bool showControlPolygons;  // draw every strand's control polygon and points
extern bool showControlPolygon;   // toggled by its menu entry; nothing reads it
extern bool rotateMode;           // a drag in the view turns the scene
extern bool translateMode;        // a drag in the view pans the scene
