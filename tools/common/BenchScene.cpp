// Building the benchmark scene through the model's commands.
#include "common/BenchScene.h"

#include "app/HairModel.h"
#include "app/Settings.h"

void buildBenchScene(HairModel& model) {
    model.setSmooth();
    model.toggleControlPolygons();
    model.applyHairs(kMaxDensity);
    model.makeSphere();
    model.updateHairShape();
}
