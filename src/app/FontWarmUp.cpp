#include "app/FontWarmUp.h"

#include <fontconfig/fontconfig.h>

FontWarmUp::FontWarmUp() : reading([] { FcInit(); }) {}

FontWarmUp::~FontWarmUp() {
    reading.join();
}
