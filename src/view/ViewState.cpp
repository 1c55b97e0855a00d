// Storage and start values of the view state.
#include "view/ViewState.h"

float zoomFactor = 1.0f;
float rotationX = 0.0f;
float rotationZ = 0.0f;
float panX = 0.0f;
float panY = 0.0f;
int lastMouseX = 0;
int lastMouseY = 0;
