// Building the benchmark scene through the same commands a user would pick.
#include "bench/BenchScene.h"

#include "app/HairModel.h"
#include "app/MainPanel.h"

void buildBenchScene() {
    mainPanel = new MainPanel;
    HairModel& model = *mainPanel->hairModel;
    model.setSmooth();
    model.toggleControlPolygons();
    model.applyHairs(20);
    model.makeSphere();
    model.updateHairShape();
}
