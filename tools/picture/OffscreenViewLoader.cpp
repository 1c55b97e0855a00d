// Loading the picture plug-in at run time. OSMesa goes first and into the global scope: the plug-in links
// no GL library of its own, so its GL and OSMesa calls bind to this one (the X server's GL library would
// draw nothing without a window). Neither is ever unloaded: the view's code lives in the plug-in.
#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>

#include "picture/OffscreenView.h"

namespace {

constexpr const char* kOsMesaLibrary = "libOSMesa.so.8";  // as Debian's libosmesa6 installs it
constexpr const char* kPluginName = "tresslow-picture.so";

std::string lastLoadError() {
    const char* reason = dlerror();
    return reason ? reason : "unknown reason";
}

// The folder of the running program, with a trailing slash.
std::string programFolder() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    const std::string program(path, length > 0 ? length : 0);
    return program.substr(0, program.rfind('/') + 1);
}

// The plug-in lies beside tresslow-sim in the build folder, and in TRESSLOW_PICTURE_PLUGIN_DIR (relative to
// the programs' folder) once installed.
void* loadPlugin(std::string& error) {
    const std::string folder = programFolder();
    const std::string paths[] = {folder + kPluginName,
                                 folder + TRESSLOW_PICTURE_PLUGIN_DIR + "/" + kPluginName};
    for (const std::string& path : paths) {
        if (access(path.c_str(), F_OK) != 0) continue;
        void* plugin = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!plugin) error = "cannot load the picture plug-in: " + lastLoadError();
        return plugin;
    }
    error = "cannot find the picture plug-in " + paths[0] + " or " + paths[1];
    return nullptr;
}

}  // namespace

std::unique_ptr<OffscreenView> openOffscreenView(int width, int height, std::string& error) {
    const char* osMesa = std::getenv("TRESSLOW_OSMESA");
    if (!dlopen(osMesa ? osMesa : kOsMesaLibrary, RTLD_NOW | RTLD_GLOBAL)) {
        error = "cannot draw without a window: " + lastLoadError() + " (install Mesa's OSMesa, libosmesa6)";
        return nullptr;
    }
    void* plugin = loadPlugin(error);
    if (!plugin) return nullptr;
    const auto open = reinterpret_cast<OpenOffscreenView>(dlsym(plugin, kOpenOffscreenViewSymbol));
    if (!open) {
        error = "the picture plug-in has no entry point: " + lastLoadError();
        return nullptr;
    }
    return std::unique_ptr<OffscreenView>(open(width, height, error));
}
