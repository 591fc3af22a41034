#include "app/ElementSnapshot.h"

#include "skin_ui/drawing/Bitmap.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "skin_ui/elements/ElementFactory.h"

ElementSnapshot ElementSnapshot::of(const Element& element) {
    ElementSnapshot snapshot{ElementFactory::recordOf(element), QString()};
    if (qobject_cast<const ButtonFunction*>(&element) && element.getBitmap()) {
        snapshot.picture = element.getBitmap()->getName();
    }
    return snapshot;
}

void ElementSnapshot::restorePicture(Element& element) const {
    auto* button = qobject_cast<ButtonFunction*>(&element);
    if (!button || picture.isEmpty()) {
        return;
    }
    if (!button->getBitmap() || button->getBitmap()->getName() != picture) {
        button->setPicture(picture);
    }
}
