#include "audio/DeviceOutput.h"

#include "common/SoundModule.h"

bool DeviceOutput::start(AudioRenderer& renderer) {
    if (!device) {
        SoundModule* module = SoundModule::get();
        if (module == nullptr) {
            return true;
        }
        device = module->newOutput();
    }
    return device->start(renderer);
}

bool DeviceOutput::failed() const {
    return device && device->failed();
}

void DeviceOutput::stop() {
    if (device) {
        device->stop();
    }
}

void DeviceOutput::setIdle(bool idle) {
    if (device) {
        device->setIdle(idle);
    }
}
