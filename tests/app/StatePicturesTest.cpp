#include <QCoreApplication>

#include "AppFixture.h"
#include "app/Dispatcher.h"
#include "app/SkinEditHistory.h"
#include "app/SkinWindows.h"
#include "app/Variables.h"
#include "audio/Sound.h"
#include "common/ButtonCommand.h"
#include "playlist/PlayList.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "skin_ui/elements/ElementMenu.h"
#include "skins/Skin.h"
#include "support/WavFile.h"

namespace {

enum class Edit { deleteUndo, typeChangeUndo, functionChangeUndo, skinApply };

struct Case {
    ButtonCommand state;
    Edit edit;
};

std::string nameOf(const testing::TestParamInfo<Case>& info) {
    static const char* const states[] = {"close",   "options", "play",   "stop",    "prev",
                                         "next",    "mute",    "expand", "shuffle", "repeat",
                                         "repeat1", "return",  "open",   "save"};
    static const char* const edits[] = {"DeleteUndo", "TypeChangeUndo", "FunctionChangeUndo",
                                        "SkinApply"};
    return std::string(states[idOf(info.param.state) + 1]) +
           edits[static_cast<int>(info.param.edit)];
}

}  // namespace

// Whatever happens to a state button (taken back after a delete, a type change or a function
// change made while the state was on, or rebuilt by a skin apply), it shows the state as it is.
class StatePictures : public AppFixture, public testing::WithParamInterface<Case> {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        app().init({});
        const QString song = dataPath("song.wav");
        ASSERT_TRUE(writeToneWav(song, 1.0));
        PlayList::instance().addSong({song, "artist", "title"});
    }

    SkinWindows& layout() { return app().skinWindows(); }
    MainWindow* window() { return layout().window(0); }
    int function() const { return idOf(GetParam().state); }

    bool isOn() {
        const Sound& sound = Sound::instance();
        switch (GetParam().state) {
            case ButtonCommand::playPause:
                return sound.isPlaying() && !sound.isPaused();
            case ButtonCommand::mute:
                return sound.isMuted();
            case ButtonCommand::shuffle:
                return PlayList::instance().shuffle();
            case ButtonCommand::repeat:
                return PlayList::instance().repeat();
            default:
                return window()->isExpanded();
        }
    }
    // Switches the state with the command door (expand: the window itself, so that no edit of
    // the window comes between the element edit and its undo).
    void toggle() {
        if (GetParam().state == ButtonCommand::expand) {
            window()->toggleExpanded();
        } else {
            app().dispatcher().run(GetParam().state, nullptr, Dispatcher::Echo::quiet);
        }
    }
    void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    Element* firstButton() { return buttons(0, function()).front(); }
};

TEST_P(StatePictures, TheButtonShowsTheStateAsItIs) {
    if (!isOn()) {
        toggle();
    }
    ASSERT_TRUE(isOn());
    bool on = true;
    switch (GetParam().edit) {
        case Edit::deleteUndo:
            firstButton()->onCommand(ElementMenu::deleteId);
            break;
        case Edit::typeChangeUndo:
            firstButton()->onCommand(ElementMenu::typeId(ElementType::slider));
            break;
        case Edit::functionChangeUndo:
            firstButton()->onCommand(ElementMenu::buttonFunctionBase + idOf(ButtonCommand::stop));
            break;
        case Edit::skinApply:
            ASSERT_EQ(Skin::createSkin(data.path(), "other", prompts), Skin::CreateResult::Created);
            prompts.answerNext(PromptAnswer::Yes);  // pictures only
            app().skinLibrary().useSkin("other");
            break;
    }
    settle();
    ASSERT_TRUE(isOn());
    if (GetParam().edit != Edit::skinApply) {
        // Switched off with the buttons left (or from the window), then the edit taken back.
        toggle();
        on = false;
        layout().history().undo();
        settle();
    }
    ASSERT_EQ(isOn(), on);
    const QStringList shown = pictures(function());
    ASSERT_FALSE(shown.isEmpty());
    for (const QString& picture : shown) {
        EXPECT_EQ(picture, ButtonFunction::pictureOf(function(), on));
    }
}

std::vector<Case> everyCase() {
    std::vector<Case> cases;
    for (ButtonCommand state :
         {ButtonCommand::playPause, ButtonCommand::mute, ButtonCommand::shuffle,
          ButtonCommand::repeat, ButtonCommand::expand}) {
        for (Edit edit :
             {Edit::deleteUndo, Edit::typeChangeUndo, Edit::functionChangeUndo, Edit::skinApply}) {
            cases.push_back({state, edit});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryStateAndEdit, StatePictures, testing::ValuesIn(everyCase()), nameOf);
