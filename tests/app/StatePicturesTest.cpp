#include "AppFixture.h"
#include "app/SkinEditHistory.h"

namespace {

using C = ButtonCommand;
constexpr int skinApply = -1;
constexpr int stopFunction = ElementMenu::buttonFunctionBase + idOf(C::stop);
const int slider = ElementMenu::typeId(ElementType::slider);

}  // namespace

// Whatever happens to a state button (taken back after a delete, a type change or a function
// change made while the state was on, or rebuilt by a skin apply), it shows the state as it is.
class StatePictures : public StartedApp, public testing::WithParamInterface<std::tuple<C, int>> {
protected:
    void SetUp() override {
        StartedApp::SetUp();
        addSongs(1);
    }
    C state() const { return std::get<0>(GetParam()); }
    bool isOn() {
        const Sound& sound = Sound::instance();
        switch (state()) {
            case C::playPause:
                return sound.isPlaying() && !sound.isPaused();
            case C::mute:
                return sound.isMuted();
            case C::shuffle:
                return PlayList::instance().shuffle();
            case C::repeat:
                return PlayList::instance().repeat();
            default:
                return layout().window(0)->isExpanded();
        }
    }
    // Switches the state with the command door (expand: the window itself, so that no edit of
    // the window comes between the element edit and its undo).
    void toggle() {
        if (state() == C::expand) {
            layout().window(0)->toggleExpanded();
        } else {
            app().dispatcher().run(state(), nullptr, Dispatcher::Echo::quiet);
        }
    }
};

TEST_P(StatePictures, TheButtonShowsTheStateAsItIs) {
    const int edit = std::get<1>(GetParam());
    if (!isOn()) {
        toggle();
    }
    if (edit == skinApply) {
        ASSERT_EQ(Skin::createSkin(data.path(), "other", prompts), Skin::CreateResult::Created);
        prompts.answerNext(PromptAnswer::Yes);  // pictures only
        app().skinLibrary().useSkin("other");
    } else {
        buttons(0, state()).front()->onCommand(edit);
    }
    settle();
    ASSERT_TRUE(isOn());
    if (edit != skinApply) {
        // Switched off with the buttons left (or from the window), then the edit taken back.
        toggle();
        layout().history().undo();
        settle();
    }
    const bool on = edit == skinApply;
    ASSERT_EQ(isOn(), on);
    const QStringList shown = pictures(state());
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown, QStringList(shown.size(), ButtonFunction::pictureOf(idOf(state()), on)));
}

const int edits[] = {ElementMenu::deleteId, slider, stopFunction, skinApply};

std::string nameOf(const testing::TestParamInfo<std::tuple<C, int>>& info) {
    const char* const names[] = {"DeleteUndo", "TypeChangeUndo", "FunctionChangeUndo", "SkinApply"};
    return std::string(buttonCommands[idOf(std::get<0>(info.param)) + 1].menuTitle) +
           names[std::ranges::find(edits, std::get<1>(info.param)) - edits];
}

INSTANTIATE_TEST_SUITE_P(EveryStateAndEdit, StatePictures,
                         testing::Combine(testing::Values(C::playPause, C::mute, C::shuffle,
                                                          C::repeat, C::expand),
                                          testing::ValuesIn(edits)),
                         nameOf);
