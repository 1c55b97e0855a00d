// Storage and start values of the global settings.
#include "app/Settings.h"

int shapeType = 0;
int hairStyle = 0;
int restAngle = 0;
int hairLength = 0;
int hairDensity = 0;
float thickness = 1.0f;
float wind = 0.05f;
float gravity = -0.05f;
float springConstant = 0.1f;
float damping = 0.01f;
int renderMode = 0;
int zoomMode = 0;
bool showControlPolygons = false;
bool showControlPolygon = false;
bool rotateMode = false;
bool translateMode = false;
