#include <memory>

#include "skin_ui/elements/Element.h"
#include "skin_ui/elements/ElementFactory.h"
#include "support/SkinTestSupport.h"

namespace {

using Record = Element::Record;

// For each type, a record unlike the one "Add element" makes, and another one to take back in
// place.
struct RecordCase {
    const char* name;
    Record built;
    Record changed;
};

const RecordCase cases[] = {
    {"button",
     {.type = ElementType::button, .function = 5, .x = 20, .y = 30, .sizeClass = 2},
     {.type = ElementType::button, .function = 8, .x = 40, .y = 10, .moveable = true}},
    {"slider",
     {.type = ElementType::slider,
      .function = 2,
      .sliderLength = 120,
      .vertical = true,
      .filled = true,
      .x = 15,
      .y = 5,
      .sizeClass = 1,
      .moveable = true},
     {.type = ElementType::slider, .function = 1, .sliderLength = 90, .y = 50, .sizeClass = 2}},
    {"info",
     {.type = ElementType::info, .width = 140, .x = 10, .y = 60, .sizeClass = 1},
     {.type = ElementType::info, .width = 60, .x = 25, .y = 65, .moveable = true}},
    {"listBox",
     {.type = ElementType::listBox, .width = 150, .height = 90, .x = 5, .sizeClass = 1},
     {.type = ElementType::listBox, .width = 100, .height = 120, .x = 50, .sizeClass = 2}},
};

class ElementRecords : public SkinTest, public ::testing::WithParamInterface<RecordCase> {
protected:
    std::unique_ptr<Element> build(const Record& record) {
        return std::unique_ptr<Element>(ElementFactory::create(window.get(), record, &receiver));
    }
};

TEST_P(ElementRecords, AnElementGivesBackItsRecordAndTakesAnotherOfItsTypeInPlace) {
    const RecordCase& one = GetParam();
    const std::unique_ptr<Element> element = build(one.built);
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(element->getType(), one.built.type);
    EXPECT_EQ(element->record(), one.built);
    EXPECT_TRUE(element->applyRecord(one.changed));
    EXPECT_EQ(element->record(), one.changed);
    const Record& ofAnotherType =
        one.built.type == ElementType::button ? cases[1].built : cases[0].built;
    EXPECT_FALSE(element->applyRecord(ofAnotherType));
    EXPECT_EQ(element->record(), one.changed);
    const Record added = ElementFactory::newRecord(one.built.type, 10, 20, false);
    EXPECT_EQ(build(added)->record(), added) << "a new element is what its record says";
}

INSTANTIATE_TEST_SUITE_P(EachType, ElementRecords, ::testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
