// Storage and start values of the global settings. The int settings and the codes get their first real
// values from the HairModel constructor; the float settings start at their sliders' start values.
#include "app/Settings.h"

ShapeCode shapeType = static_cast<ShapeCode>(0);
StyleCode hairStyle = static_cast<StyleCode>(0);
int restAngle = 0;
int hairLength = 0;
int hairDensity = 0;
float thickness = kThicknessSlider.start;
float wind = kWindSlider.start;
float gravity = kGravitySlider.start;
float springConstant = kSpringConstant;
float damping = kDampingSlider.start;
RenderCode renderMode = kRenderWireframe;
ZoomCode zoomMode = static_cast<ZoomCode>(0);
bool showControlPolygons = false;
bool showControlPolygon = false;
bool rotateMode = false;
bool translateMode = false;
