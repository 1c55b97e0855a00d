// The global settings: every user-adjustable quantity of the program, in one block.
// The commands write them; the growers, the dynamics and the view read them directly.
#pragma once

// Shape codes of shapeType.
constexpr int kShapePlane = 7;
constexpr int kShapeSphere = 8;
constexpr int kShapeTorus = 3;

// Style codes of hairStyle.
constexpr int kStyleMessy = 8;
constexpr int kStyleCombed = 9;

// Render codes of renderMode, zoom codes of zoomMode.
constexpr int kRenderWireframe = 0;
constexpr int kRenderSmooth = 1;
constexpr int kZoomIn = 5;
constexpr int kZoomOut = 6;
constexpr int kNoZoom = 7;

extern int shapeType;              // kShapePlane, kShapeSphere or kShapeTorus; 0 before the model exists
extern int hairStyle;              // kStyleMessy or kStyleCombed
extern int restAngle;              // 0..90: largest sideways offset of a point from its root, world units
extern int hairLength;             // 1..50: rest length of a stretch spring, world units
extern int hairDensity;            // 1..20: n, with n*n strands live
extern float thickness;            // 0.5..5.0: tube radius, world units
extern float wind;                 // |0..0.2|: force per axis on free points; its sign flips every frame
extern float gravity;              // |0..0.2|: force along -z per unit mass; its sign flips every frame
extern float springConstant;       // always 0.1: factor of every spring's elongation
extern float damping;              // 0.001..0.1: factor of the relative-velocity term of a spring
extern int renderMode;             // kRenderWireframe or kRenderSmooth
extern int zoomMode;               // kZoomIn, kZoomOut or kNoZoom
extern bool showControlPolygons;   // draw every strand's control polygon and points
extern bool showControlPolygon;    // toggled by its menu entry; nothing reads it
extern bool rotateMode;            // a drag in the view turns the scene
extern bool translateMode;         // a drag in the view pans the scene
