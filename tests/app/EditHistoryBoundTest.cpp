// The skin edit history stays bounded however many edits of however large a window are made.
#include <QFile>

#include "AppFixture.h"
#include "app/SkinWindows.h"
#include "app/Variables.h"

namespace {

constexpr size_t elementCount = 5000;
constexpr int editCount = 10000;

struct BoundCase {
    const char* name;
    bool windowDeleted;  // each edit deletes the window rather than resizing it
    size_t editsKept;    // 0: as many as the memory bound allows
};

class EditHistoryBound : public AppFixture, public ::testing::WithParamInterface<BoundCase> {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        app().init({});
    }
    SkinWindows& layout() { return app().skinWindows(); }
};

}  // namespace

TEST_P(EditHistoryBound, TenThousandEditsOfAFiveThousandElementWindowStayUnderTheBound) {
    SkinWindowFile big = layout().recordOf(0);
    big.elements.resize(elementCount, big.elements.front());
    SkinWindowFile wider = big;
    wider.collapsedWidth += 1;
    const std::optional<SkinWindowFile> before = big;
    const std::optional<SkinWindowFile> after =
        GetParam().windowDeleted ? std::nullopt : std::optional(wider);
    SkinEditHistory& history = layout().history();
    for (int i = 0; i < editCount; ++i) {
        history.windowEdited(0, before, after);
    }
    const BoundedUndoStack& stack = history.stack();
    EXPECT_LE(stack.bytes(), BoundedUndoStack::maxBytes);
    EXPECT_LE(stack.count(), BoundedUndoStack::maxEdits);
    if (GetParam().editsKept > 0) {
        EXPECT_EQ(stack.count(), GetParam().editsKept);
    } else {
        EXPECT_GE(stack.count(),
                  BoundedUndoStack::maxBytes / 2 / (elementCount * sizeof(big.elements[0])));
    }
    EXPECT_EQ(history.undoableEdit(), GetParam().windowDeleted ? "delete window" : "resize");
}

INSTANTIATE_TEST_SUITE_P(Edits, EditHistoryBound,
                         ::testing::Values(BoundCase{"Resize", false, BoundedUndoStack::maxEdits},
                                           BoundCase{"DeleteWindow", true, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BoundedUndoStackOrder, TheOldestEditsAreForgottenAndTheRestUndoneNewestFirst) {
    QStringList log;
    class Logged : public QUndoCommand {
    public:
        Logged(QStringList& log, int n) : QUndoCommand(QString::number(n)), log(log) {}
        void undo() override { log << "undo " + text(); }
        void redo() override { log << "redo " + text(); }
        QStringList& log;
    };
    BoundedUndoStack stack;
    for (int n = 0; n < 205; ++n) {
        stack.push(std::make_unique<Logged>(log, n), 1);
    }
    log.clear();
    while (stack.canUndo()) {
        stack.undo();
    }
    EXPECT_EQ(log.size(), 200);
    EXPECT_EQ(log.front(), "undo 204");
    EXPECT_EQ(log.back(), "undo 5");
    stack.redo();
    stack.push(std::make_unique<Logged>(log, 900), 1);  // drops the redoable rest
    EXPECT_FALSE(stack.canRedo());
    EXPECT_EQ(stack.count(), 2u);
    EXPECT_EQ(stack.undoText(), "900");
}
