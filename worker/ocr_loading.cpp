#include "worker/ocr_engine.h"

#include <QLibrary>
#include <QString>

#include <filesystem>
#include <memory>
#include <system_error>

namespace corvander::worker {

namespace {

struct LoadedEngine {
    std::unique_ptr<OcrEngine> engine;
    std::string error;
};

// The module lies beside the worker, in the build tree as where the program is installed.
QString modulePath() {
    std::error_code failed;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", failed);
    return QString::fromStdString((self.parent_path() / kOcrModuleName).string());
}

LoadedEngine load() {
    LoadedEngine loaded;
    // Never unloaded: the engine's code is in it until the worker ends.
    auto* library = new QLibrary(modulePath());
    const auto make = reinterpret_cast<MakeOcrEngine*>(library->resolve(kMakeOcrEngineSymbol));
    if (make == nullptr) {
        loaded.error =
            "the OCR library could not be loaded: " + library->errorString().toStdString();
        return loaded;
    }
    loaded.engine.reset(make());
    return loaded;
}

const LoadedEngine& loadedEngine() {
    static const LoadedEngine loaded = load();
    return loaded;
}

} // namespace

OcrEngine* ocrEngine() {
    return loadedEngine().engine.get();
}

const std::string& ocrLoadError() {
    return loadedEngine().error;
}

} // namespace corvander::worker
