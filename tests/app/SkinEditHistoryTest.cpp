#include <map>

#include "AppFixture.h"
#include "support/MouseInput.h"

namespace {

// Positions in the list of the default window.
constexpr size_t playButton = 2;
constexpr size_t stopButton = 3;
constexpr size_t expandButton = 7;
constexpr size_t volumeSlider = 10;
constexpr size_t infoStrip = 12;
constexpr size_t listBox = 16;

using Files = std::map<QString, QByteArray>;

// Three copies of the default window, as the windows and elements of a user's skin.
class SkinEdits : public StartedApp {
protected:
    void SetUp() override {
        StartedApp::SetUp();
        app().addWindow();
        app().addWindow();
        layout().window(1)->move(300, 0);
        layout().window(2)->move(300, 250);
    }
    Element* element(size_t window, size_t position) {
        return layout().elementsOf(window).at(position);
    }
    // What a save writes: the count file and one file per window.
    Files saved() {
        settle();
        app().saveWindows();
        Files files{{"windows", readData("windows")}};
        for (size_t i = 0; i < layout().count(); ++i) {
            const QString name = SkinWindowFile::fileName(static_cast<int>(i));
            files[name] = readData(name);
        }
        return files;
    }
    void menu(int id, size_t window = 0) {
        layout().window(window)->skinMenuCommand(id);
        settle();
    }
    // Drags with the modifier from the client point of the widget by (dx, dy): first hovering
    // there with the modifier held (which arms an edge), then pressing, moving and releasing.
    static void drag(QWidget* widget, QPoint from, int dx, Qt::KeyboardModifier modifier,
                     int dy = 0) {
        const QPoint start = Mouse::at(widget, from.x(), from.y()), end = start + QPoint(dx, dy);
        Mouse::move(widget, start, Qt::NoButton, modifier);
        Mouse::press(widget, start, modifier);
        Mouse::move(widget, end, Qt::LeftButton, modifier);
        Mouse::release(widget, end, modifier);
    }
    // A point on the far end of the widget (its right edge, half way down).
    static QPoint farEnd(const QWidget* widget) {
        return QPoint(widget->width() - 2, widget->height() / 2);
    }
    void shrink(size_t position, int by) {
        drag(element(0, position), farEnd(element(0, position)), -by, Qt::ShiftModifier);
    }
    // The undo and redo items' titles, with "(off)" after a disabled one.
    QString undoAndRedo() {
        QStringList titles;
        for (const SkinMenu::Item& item : SkinMenu(layout().window(0)).items()) {
            if (item.id == SkinMenu::undoId || item.id == SkinMenu::redoId) {
                titles << (item.enabled ? item.title : item.title + " (off)");
            }
        }
        return titles.join(", ");
    }
};

}  // namespace

TEST_F(SkinEdits, EveryEditIsUndoneAndRedoneToTheSameSavedFiles) {
    const auto on = [this](size_t position, int command) {
        return [=, this] { element(0, position)->onCommand(command); };
    };
    const std::vector<std::pair<const char*, std::function<void()>>> cases = {
        {"move",
         [&] {
             drag(element(0, stopButton), {10, 10}, 23, Qt::ShiftModifier);
         }},
        {"length change", [&] { shrink(volumeSlider, 30); }},
        {"width change", [&] { shrink(infoStrip, 50); }},
        {"resize", [&] { shrink(listBox, 50); }},
        {"orientation change", on(volumeSlider, ElementMenu::verticalId)},
        {"fill change", on(volumeSlider, ElementMenu::filledId)},
        {"lock", on(stopButton, ElementMenu::lockedId)},
        {"size change", on(stopButton, ElementMenu::firstSizeId + 2)},
        {"function change", on(stopButton, ElementMenu::buttonFunctionBase + 4)},
        {"function change", on(volumeSlider, ElementMenu::sliderFunctionBase + 2)},
        {"type change", on(listBox, ElementMenu::typeId(ElementType::button))},
        {"delete", on(infoStrip, ElementMenu::deleteId)},
        {"add element", [&] { menu(SkinMenu::addElementId, 1); }},
        {"resize",
         [&] { drag(layout().window(2), farEnd(layout().window(2)), -60, Qt::AltModifier); }},
        {"collapse", [&] { click(element(1, expandButton)); }},
        {"add window", [&] { menu(SkinMenu::addWindowId, 2); }},
        {"delete window", [&] { menu(SkinMenu::deleteWindowId, 1); }},
    };
    for (const auto& [name, edit] : cases) {
        SCOPED_TRACE(name);
        const Files before = saved();
        edit();
        const Files after = saved();
        ASSERT_NE(after, before) << "the edit changed nothing";
        EXPECT_EQ(undoAndRedo(), QString("Undo %1, Redo (off)").arg(name));
        menu(SkinMenu::undoId);
        EXPECT_EQ(saved(), before);
        EXPECT_EQ(undoAndRedo(), QString("Undo (off), Redo %1").arg(name));
        menu(SkinMenu::redoId);
        EXPECT_EQ(saved(), after);
        // Taken back for the next case, which starts from the same skin.
        menu(SkinMenu::undoId);
        EXPECT_EQ(saved(), before);
    }
}

TEST_F(SkinEdits, EditsAfterATypeChangeAndADeletedWindowAreUndoneInTurn) {
    const Files start = saved();
    element(0, stopButton)->onCommand(ElementMenu::typeId(ElementType::slider));
    settle();
    drag(element(0, stopButton), {7, 2}, 10, Qt::ShiftModifier, 40);
    element(0, stopButton)->onCommand(ElementMenu::verticalId);
    menu(SkinMenu::deleteWindowId, 1);
    drag(element(1, listBox), {100, 80}, -5, Qt::ShiftModifier, -20);
    element(0, playButton)->onCommand(ElementMenu::deleteId);
    ASSERT_EQ(layout().count(), 2u);
    const Files edited = saved();
    const QStringList names = {"delete", "move",       "delete window", "orientation change",
                               "move",   "type change"};
    for (const QString& name : names) {
        EXPECT_TRUE(undoAndRedo().startsWith("Undo " + name + ","));
        menu(SkinMenu::undoId);
    }
    EXPECT_TRUE(undoAndRedo().startsWith("Undo (off)"));
    EXPECT_EQ(saved(), start);
    for (int i = 0; i < names.size(); ++i) {
        menu(SkinMenu::redoId);
    }
    EXPECT_EQ(saved(), edited);
    menu(SkinMenu::undoId);
    ASSERT_EQ(undoAndRedo(), "Undo move, Redo delete");
    app().reloadWindows();
    settle();
    EXPECT_EQ(undoAndRedo(), "Undo (off), Redo (off)");
}

// However many edits of however large a window are made (resizes, then deletes of the window), the
// history stays under its bound by forgetting the oldest.
TEST_F(SkinEdits, TenThousandEditsOfAFiveThousandElementWindowStayUnderTheBound) {
    constexpr size_t elementCount = 5000;
    SkinWindowFile big = layout().recordOf(0);
    big.elements.resize(elementCount, big.elements.front());
    const std::optional<SkinWindowFile> before = big, deleted;
    big.collapsedWidth += 1;
    const std::optional<SkinWindowFile> after = big;
    for (const bool windowDeleted : {false, true}) {
        SkinEditHistory& history = layout().history();
        for (int i = 0; i < 10000; ++i) {
            history.windowEdited(0, before, windowDeleted ? deleted : after);
        }
        const BoundedUndoStack& stack = history.stack();
        EXPECT_LE(stack.bytes(), BoundedUndoStack::maxBytes);
        EXPECT_LE(stack.count(), BoundedUndoStack::maxEdits);
        EXPECT_GE(stack.count(), windowDeleted ? BoundedUndoStack::maxBytes / 2 /
                                                     (elementCount * sizeof(big.elements[0]))
                                               : BoundedUndoStack::maxEdits);
        EXPECT_EQ(history.undoableEdit(), windowDeleted ? "delete window" : "resize");
    }
}
