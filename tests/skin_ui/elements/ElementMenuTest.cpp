// An element's record and menu: what it gives back and takes in place, and what its menu
// offers and does.
#include "skin_ui/elements/ButtonFunction.h"
#include "skin_ui/elements/ElementFactory.h"
#include "skin_ui/elements/ElementMenu.h"
#include "skin_ui/elements/Info.h"
#include "skin_ui/elements/SliderFunction.h"
#include "support/SkinTestSupport.h"

namespace {

using ElementMenuTest = SkinTest;

QStringList titlesOf(const std::vector<ElementMenu::Item>& items) {
    QStringList titles;
    for (const auto& item : items) {
        titles << item.title;
    }
    return titles;
}

const ElementMenu::Item* find(const std::vector<ElementMenu::Item>& items, int id) {
    for (const auto& item : items) {
        if (item.id == id) {
            return &item;
        }
    }
    return nullptr;
}

TEST_F(ElementMenuTest, AButtonMenuOffersFunctionsWithRepeatOneGreyed) {
    ButtonFunction button(window.get(), 4);
    const auto items = ElementMenu(&button).items();
    const QStringList titles = titlesOf(items);
    EXPECT_EQ(titles.first(), "Element");
    EXPECT_TRUE(titles.contains("  play"));
    EXPECT_TRUE(find(items, 1)->checked) << "its own type";
    EXPECT_TRUE(find(items, 1004)->checked);
    EXPECT_FALSE(find(items, 1009)->enabled) << "repeat1";
    EXPECT_TRUE(find(items, 201)->checked) << "size class 1";
    EXPECT_EQ(titles.last(), "Delete");
    EXPECT_EQ(find(items, ElementMenu::verticalId), nullptr);
}

TEST_F(ElementMenuTest, InfoShowsOnlyTypeLockAndDelete) {
    Info info(window.get());
    info.setMoveable(false);
    const auto items = ElementMenu(&info).items();
    EXPECT_EQ(titlesOf(items), (QStringList{"Element", "  Button", "  Slider", "  Info",
                                            "  Listbox", "", "Locked", "", "Delete"}));
    EXPECT_TRUE(find(items, ElementMenu::lockedId)->checked);
}

TEST_F(ElementMenuTest, CommandsChangeTheSliderInPlace) {
    SliderFunction slider(window.get(), 1);
    slider.setSize(90, 10);
    ElementMenu::runCommand(&slider, ElementMenu::verticalId);
    EXPECT_EQ(slider.size(), QSize(20, 90)) << "medium: 20 thick";
    ElementMenu::runCommand(&slider, ElementMenu::filledId);
    EXPECT_FALSE(slider.isFilled());
    ElementMenu::runCommand(&slider, 1502);
    EXPECT_EQ(slider.getFunction(), 2);
    ElementMenu::runCommand(&slider, 200);
    EXPECT_EQ(slider.getSizeClass(), 0);
    ElementMenu::runCommand(&slider, ElementMenu::lockedId);
    EXPECT_FALSE(slider.isMoveable());
    ElementMenu::runCommand(&slider, ElementMenu::typeId(ElementType::slider));
    EXPECT_EQ(slider.getType(), ElementType::slider) << "the same type changes nothing";
    ElementMenu::runCommand(&slider, 1004);
    EXPECT_EQ(slider.getFunction(), 2) << "a button function means nothing to a slider";
}

TEST_F(ElementMenuTest, AButtonCommandSetsItsFunction) {
    ButtonFunction button(window.get(), 4);
    ElementMenu::runCommand(&button, 999);
    EXPECT_EQ(button.getFunction(), -1);
    EXPECT_EQ(button.getTooltipText(), "close");
}

using Record = Element::Record;

// For each type, a record unlike the one "Add element" makes, and another one to take back in
// place.
TEST_F(ElementMenuTest, AnElementGivesBackItsRecordAndTakesAnotherOfItsTypeInPlace) {
    using enum ElementType;
    const struct {
        Record built;
        Record changed;
    } cases[] = {
        // clang-format off
        {{.type = button, .function = 5, .x = 20, .y = 30, .sizeClass = 2},
         {.type = button, .function = 8, .x = 40, .y = 10, .moveable = true}},
        {{.type = slider, .function = 2, .sliderLength = 120, .vertical = true, .filled = true,
          .x = 15, .y = 5, .sizeClass = 1, .moveable = true},
         {.type = slider, .function = 1, .sliderLength = 90, .y = 50, .sizeClass = 2}},
        {{.type = info, .width = 140, .x = 10, .y = 60, .sizeClass = 1},
         {.type = info, .width = 60, .x = 25, .y = 65, .moveable = true}},
        {{.type = listBox, .width = 150, .height = 90, .x = 5, .sizeClass = 1},
         {.type = listBox, .width = 100, .height = 120, .x = 50, .sizeClass = 2}},
        // clang-format on
    };
    auto build = [&](const Record& record) {
        return std::unique_ptr<Element>(ElementFactory::create(window.get(), record, &receiver));
    };
    for (const auto& one : cases) {
        SCOPED_TRACE(numberOf(one.built.type));
        const std::unique_ptr<Element> element = build(one.built);
        ASSERT_NE(element, nullptr);
        EXPECT_EQ(element->getType(), one.built.type);
        EXPECT_EQ(element->record(), one.built);
        EXPECT_TRUE(element->applyRecord(one.changed));
        EXPECT_EQ(element->record(), one.changed);
        EXPECT_FALSE(element->applyRecord(
            one.built.type == button ? cases[1].built : cases[0].built));  // another type
        EXPECT_EQ(element->record(), one.changed);
        const Record added = ElementFactory::newRecord(one.built.type, 10, 20, false);
        EXPECT_EQ(build(added)->record(), added) << "a new element is what its record says";
    }
}

}  // namespace
