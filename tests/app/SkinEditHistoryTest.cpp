#include <QCoreApplication>
#include <QFile>
#include <functional>
#include <map>

#include "AppFixture.h"
#include "app/SkinWindows.h"
#include "app/Variables.h"
#include "common/ButtonCommand.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/SkinMenu.h"
#include "skin_ui/drawing/Bitmap.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "skin_ui/elements/Element.h"
#include "skin_ui/elements/ElementMenu.h"
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
class SkinEdits : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        app().init({});
        app().addWindow();
        app().addWindow();
        layout().window(1)->move(300, 0);
        layout().window(2)->move(300, 250);
    }

    SkinWindows& layout() { return app().skinWindows(); }
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

    void undo(size_t window = 0) {
        layout().window(window)->skinMenuCommand(SkinMenu::undoId);
        settle();
    }
    void redo(size_t window = 0) {
        layout().window(window)->skinMenuCommand(SkinMenu::redoId);
        settle();
    }
    // Elements taken out are deleted after the event that asked; let that happen.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // Shift-drags from the client point of the element by (dx, dy): first hovering there with
    // Shift held (which arms an edge), then pressing, moving and releasing.
    static void shiftDrag(Element* element, QPoint from, int dx, int dy) {
        const QPoint start = Mouse::at(element, from.x(), from.y());
        const QPoint end = start + QPoint(dx, dy);
        Mouse::move(element, start, Qt::NoButton, Qt::ShiftModifier);
        Mouse::press(element, start, Qt::ShiftModifier);
        Mouse::move(element, end, Qt::LeftButton, Qt::ShiftModifier);
        Mouse::release(element, end, Qt::ShiftModifier);
    }

    // A point on the far end of the element (its right edge, half way down).
    static QPoint farEnd(const Element* element) {
        return QPoint(element->width() - 2, element->height() / 2);
    }

    // Alt-drags the window's right edge by dx.
    static void altResize(MainWindow* window, int dx) {
        const QPoint start = Mouse::at(window, window->width() - 2, window->height() / 2);
        Mouse::move(window, start, Qt::NoButton, Qt::AltModifier);
        Mouse::press(window, start, Qt::AltModifier);
        Mouse::move(window, start + QPoint(dx, 0), Qt::LeftButton, Qt::AltModifier);
        Mouse::release(window, start + QPoint(dx, 0), Qt::AltModifier);
    }

    QString undoItem(size_t window = 0) { return menuItem(window, SkinMenu::undoId); }
    QString redoItem(size_t window = 0) { return menuItem(window, SkinMenu::redoId); }
    // The item's title, or "(off)" after it when it is disabled.
    QString menuItem(size_t window, int id) {
        for (const SkinMenu::Item& item : SkinMenu(layout().window(window)).items()) {
            if (item.id == id) {
                return item.enabled ? item.title : item.title + " (off)";
            }
        }
        return QString();
    }

    // The elements of window i in the order they are stacked, bottom first.
    std::vector<Element*> stacking(size_t window) {
        std::vector<Element*> order;
        for (QObject* child : layout().window(window)->children()) {
            if (auto* element = qobject_cast<Element*>(child)) {
                order.push_back(element);
            }
        }
        return order;
    }
};

}  // namespace

TEST_F(SkinEdits, EveryEditIsUndoneAndRedoneToTheSameSavedFiles) {
    const std::vector<std::pair<const char*, std::function<void()>>> cases = {
        {"move", [&] { shiftDrag(element(0, stopButton), QPoint(10, 10), 23, 0); }},
        {"length change",
         [&] { shiftDrag(element(0, volumeSlider), farEnd(element(0, volumeSlider)), -30, 0); }},
        {"width change",
         [&] { shiftDrag(element(0, infoStrip), farEnd(element(0, infoStrip)), -50, 0); }},
        {"resize", [&] { shiftDrag(element(0, listBox), farEnd(element(0, listBox)), -50, 0); }},
        {"orientation change",
         [&] { element(0, volumeSlider)->onCommand(ElementMenu::verticalId); }},
        {"fill change", [&] { element(0, volumeSlider)->onCommand(ElementMenu::filledId); }},
        {"lock", [&] { element(0, stopButton)->onCommand(ElementMenu::lockedId); }},
        {"size change", [&] { element(0, stopButton)->onCommand(ElementMenu::firstSizeId + 2); }},
        {"function change",
         [&] { element(0, stopButton)->onCommand(ElementMenu::buttonFunctionBase + 4); }},
        {"function change",
         [&] { element(0, volumeSlider)->onCommand(ElementMenu::sliderFunctionBase + 2); }},
        {"type change",
         [&] { element(0, listBox)->onCommand(ElementMenu::typeId(ElementType::button)); }},
        {"delete", [&] { element(0, infoStrip)->onCommand(ElementMenu::deleteId); }},
        {"add element", [&] { layout().window(1)->skinMenuCommand(SkinMenu::addElementId); }},
        {"resize", [&] { altResize(layout().window(2), -60); }},
        {"collapse", [&] { click(element(1, expandButton)); }},
        {"add window", [&] { layout().window(2)->skinMenuCommand(SkinMenu::addWindowId); }},
        {"delete window", [&] { layout().window(1)->skinMenuCommand(SkinMenu::deleteWindowId); }},
    };
    for (const auto& [name, edit] : cases) {
        SCOPED_TRACE(name);
        const Files before = saved();
        edit();
        const Files after = saved();
        ASSERT_NE(after, before) << "the edit changed nothing";
        EXPECT_EQ(undoItem(), QString("Undo ") + name);
        EXPECT_EQ(redoItem(), "Redo (off)");

        undo();
        EXPECT_EQ(saved(), before);
        EXPECT_EQ(redoItem(), QString("Redo ") + name);
        redo();
        EXPECT_EQ(saved(), after);
        // Taken back for the next case, which starts from the same skin.
        undo();
        EXPECT_EQ(saved(), before);
    }
}

TEST_F(SkinEdits, EditsAfterATypeChangeAndADeletedWindowAreUndoneInTurn) {
    const Files start = saved();
    element(0, stopButton)->onCommand(ElementMenu::typeId(ElementType::slider));
    settle();
    shiftDrag(element(0, stopButton), QPoint(7, 2), 10, 40);
    element(0, stopButton)->onCommand(ElementMenu::verticalId);
    layout().window(1)->skinMenuCommand(SkinMenu::deleteWindowId);
    settle();
    shiftDrag(element(1, listBox), QPoint(100, 80), -5, -20);
    element(0, playButton)->onCommand(ElementMenu::deleteId);
    ASSERT_EQ(layout().count(), 2u);
    const Files edited = saved();

    const QStringList names = {"delete", "move",       "delete window", "orientation change",
                               "move",   "type change"};
    for (const QString& name : names) {
        EXPECT_EQ(undoItem(), "Undo " + name);
        undo();
    }
    EXPECT_EQ(undoItem(), "Undo (off)");
    EXPECT_EQ(saved(), start);
    for (int i = 0; i < names.size(); ++i) {
        redo();
    }
    EXPECT_EQ(saved(), edited);
    EXPECT_EQ(redoItem(), "Redo (off)");
}

TEST_F(SkinEdits, AnElementTakenBackIsTheSameElementInItsPlaceInTheStacking) {
    // The expand button of an expanded window shows the expanded picture, which a new button of
    // that function does not; locked, at size class 0.
    Element* expand = element(0, expandButton);
    expand->onCommand(ElementMenu::lockedId);
    const SkinWindowFile::ElementRecord record = expand->record();
    ASSERT_EQ(expand->getBitmap()->getName(), "110_expand_1.bmp");

    for (int command : {ElementMenu::typeId(ElementType::info), ElementMenu::deleteId}) {
        SCOPED_TRACE(command);
        element(0, expandButton)->onCommand(command);
        settle();
        undo();
        auto* back = qobject_cast<ButtonFunction*>(element(0, expandButton));
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->record(), record);
        EXPECT_EQ(back->getBitmap()->getName(), "110_expand_1.bmp");
        EXPECT_EQ(back->getTooltipText(), "expand");
        EXPECT_FALSE(back->isMoveable());
        EXPECT_EQ(back->size(), QSize(10, 10));
        EXPECT_EQ(stacking(0), layout().elementsOf(0)) << "stacked as the list orders them";
    }
}

TEST_F(SkinEdits, ApplyingASkinForgetsTheEdits) {
    element(0, stopButton)->onCommand(ElementMenu::lockedId);
    undo();
    element(0, stopButton)->onCommand(ElementMenu::deleteId);
    ASSERT_EQ(undoItem(), "Undo delete");
    app().reloadWindows();
    settle();
    EXPECT_EQ(undoItem(), "Undo (off)");
    EXPECT_EQ(redoItem(), "Redo (off)");
}

TEST_F(SkinEdits, UndoingACollapseKeepsTheWindowWhereItWasDragged) {
    MainWindow* window = layout().window(1);
    click(element(1, expandButton));
    ASSERT_FALSE(window->isExpanded());
    window->move(120, 130);
    undo();
    EXPECT_TRUE(window->isExpanded());
    EXPECT_EQ(window->size(), QSize(285, 210));
    EXPECT_EQ(window->pos(), QPoint(120, 130));
    EXPECT_EQ(pictures(idOf(ButtonCommand::expand)),
              QStringList({"110_expand_1.bmp", "110_expand_1.bmp", "110_expand_1.bmp"}));
}
