#include "common/SaveReport.h"

#include "common/Prompts.h"

namespace {

thread_local SaveReport* openReport = nullptr;

void showBox(const QString& text, const QString& names) {
    Prompts::current().error(text, "ERROR - Failed to save (" + names + ")");
}

}  // namespace

SaveReport::SaveReport() : outer(openReport) {
    openReport = this;
}

SaveReport::~SaveReport() {
    openReport = outer;
}

void SaveReport::failed(const QString& path, const QString& name) {
    if (openReport) {
        openReport->add(path, name);
    } else {
        showBox(path, name);
    }
}

void SaveReport::add(const QString& path, const QString& name) {
    failedPaths.append(path);
    if (!names.contains(name)) {
        names.append(name);
    }
}

void SaveReport::tell() const {
    if (!failedPaths.isEmpty()) {
        showBox(failedPaths.join(u'\n'), names.join(", "));
    }
}
