// The options window's control wrappers report what the user did, and only that: a click released
// inside a button, a choice made in a combo box.
#include <QTest>

#include "skin_ui/controls/CallerPtr.h"
#include "skin_ui/controls/WinButton.h"
#include "skin_ui/controls/WinCombobox.h"

namespace {
struct Counter : CallerPtr {
    void callback(Callable*) override { ++count; }
    int count = 0;
};
}  // namespace

TEST(ControlClicks, OnlyTheUsersClicksAndChoicesAreReported) {
    QWidget parent;
    parent.resize(300, 100);
    parent.show();
    Counter buttonReports, comboReports;
    WinButton button(&parent, "Apply");
    button.setReceiver(&buttonReports);
    button.setGeometry(10, 10, 80, 25);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(200, 5));
    EXPECT_EQ(buttonReports.count, 0) << "released outside";
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(buttonReports.count, 1);

    WinCombobox combo(&parent);
    combo.setReceiver(&comboReports);
    combo.setGeometry(10, 40, 150, 25);
    combo.addItems({"default", "dark", "light"});
    combo.setCurrentIndex(1);
    EXPECT_EQ(comboReports.count, 0) << "a change made by the program";
    QTest::keyClick(&combo, Qt::Key_Down);
    EXPECT_EQ(comboReports.count, 1);
    EXPECT_EQ(combo.currentIndex(), 2);
}
