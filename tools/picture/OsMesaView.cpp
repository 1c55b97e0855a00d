// The plug-in's view: an OSMesa context over a buffer in memory, drawn with the window's own scene code
// (view/Scene.h) in the order of the window's draw, and written out by the PNG encoder.
#include <GL/osmesa.h>

#include <new>
#include <type_traits>
#include <vector>

#include "app/HairModel.h"
#include "picture/OffscreenView.h"
#include "picture/PngFile.h"
#include "view/Scene.h"

namespace {

class OsMesaView final : public OffscreenView {
public:
    OsMesaView(int width, int height) : width_(width), height_(height) {}
    ~OsMesaView() override {
        if (context_) OSMesaDestroyContext(context_);
    }

    // Makes the context, with a depth buffer like the window's, current over the colour buffer.
    std::string open() {
        try {
            pixels_.resize(static_cast<size_t>(width_) * height_ * 4);
        } catch (const std::bad_alloc&) {
            return "not enough memory for a view of " + size();
        }
        context_ = OSMesaCreateContextExt(OSMESA_RGBA, 24, 8, 0, nullptr);
        if (!context_) return "OSMesa made no context";
        if (!OSMesaMakeCurrent(context_, pixels_.data(), GL_UNSIGNED_BYTE, width_, height_))
            return "OSMesa cannot draw a view of " + size();
        return "";
    }

    // As HairView::draw, with the set-up once for this context.
    void draw(HairModel& model) override {
        if (!setUp_) setUpView(width_, height_);
        setUp_ = true;
        clearFrame();
        model.stepFrame();
        drawScene();
        glFinish();
    }

    std::string writePng(std::FILE* out) const override {
        return ::writePng(out, width_, height_, pixels_.data());
    }

private:
    std::string size() const { return std::to_string(width_) + " x " + std::to_string(height_) + " pixels"; }

    const int width_, height_;
    std::vector<unsigned char> pixels_;  // RGBA, rows from the bottom up; OSMesa draws into it
    OSMesaContext context_ = nullptr;
    bool setUp_ = false;  // setUpView has run in this context
};

}  // namespace

extern "C" OffscreenView* tresslowOpenOffscreenView(int width, int height, std::string& error) {
    auto* view = new OsMesaView(width, height);
    error = view->open();
    if (error.empty()) return view;
    delete view;
    return nullptr;
}
static_assert(std::is_same_v<decltype(&tresslowOpenOffscreenView), OpenOffscreenView>);
