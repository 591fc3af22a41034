#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include "skin_ui/controls/CallerPtr.h"
#include "skin_ui/controls/WinButton.h"
#include "skin_ui/controls/WinCheckButton.h"
#include "skin_ui/controls/WinCombobox.h"
#include "skin_ui/controls/WinTextBox.h"
#include "skin_ui/controls/WinUpDown.h"

namespace {

// Counts reports and can look at the reporter while it reports.
class Receiver : public CallerPtr {
public:
    void callback(Callable* caller) override {
        ++count;
        last = caller;
        if (onReport) {
            onReport();
        }
    }
    int count = 0;
    Callable* last = nullptr;
    std::function<void()> onReport;
};

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent.resize(400, 300);
        parent.show();
    }
    QWidget parent;
    Receiver receiver;
};

TEST_F(ControlsTest, AButtonReportsAClickReleasedInsideOnly) {
    WinButton button(&parent, "Apply");
    button.setReceiver(&receiver);
    button.setGeometry(10, 10, 80, 25);
    EXPECT_EQ(button.font().family(), "Arial");
    EXPECT_TRUE(button.font().bold());
    EXPECT_EQ(button.font().pixelSize(), 16);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(200, 5));
    EXPECT_EQ(receiver.count, 0) << "released outside";
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(receiver.count, 1);
    EXPECT_EQ(receiver.last, static_cast<Callable*>(&button));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(receiver.count, 1) << "a release without a press is no click";
}

TEST_F(ControlsTest, ACheckBoxReportsBeforeItChangesItsState) {
    WinCheckButton box(&parent, "Use opacity on bitmaps.");
    box.setReceiver(&receiver);
    box.setGeometry(10, 50, 280, 20);
    bool stateWhenReported = true;
    receiver.onReport = [&] { stateWhenReported = box.isChecked(); };
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_EQ(receiver.count, 1);
    EXPECT_FALSE(stateWhenReported);
    EXPECT_TRUE(box.isChecked());
}

TEST_F(ControlsTest, ButtonsSwallowTabAndEnter) {
    WinCheckButton box(&parent, "box");
    WinButton button(&parent, "button");
    box.setReceiver(&receiver);
    box.setGeometry(10, 50, 100, 20);
    button.setGeometry(10, 80, 100, 20);
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_Tab);
    EXPECT_FALSE(box.isChecked());
    EXPECT_EQ(receiver.count, 0);
}

TEST_F(ControlsTest, ATextBoxReportsEnterAndGivesTheFocusAwayOnEscape) {
    WinTextBox box(&parent, "abc");
    box.setReceiver(&receiver);
    box.setGeometry(10, 10, 60, 20);
    EXPECT_EQ(box.alignment(), Qt::AlignCenter);
    QTest::keyClick(&box, Qt::Key_X);
    EXPECT_EQ(box.getText(), "abcx");
    EXPECT_EQ(receiver.count, 0) << "only Enter reports in an ordinary box";
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(receiver.count, 1);
    QTest::keyClick(&box, Qt::Key_Tab);
    EXPECT_EQ(box.getText(), "abcx");
    parent.activateWindow();
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_Escape);
    EXPECT_EQ(parent.focusWidget(), &parent);
}

TEST_F(ControlsTest, ANumbersOnlyBoxTakesDigitsAndEditingKeysOnly) {
    WinTextBox box(&parent, "12");
    box.setNumbersOnly(true);
    box.setReceiver(&receiver);
    QString textWhenReported;
    receiver.onReport = [&] { textWhenReported = box.getText(); };
    QTest::keyClick(&box, Qt::Key_A);
    QTest::keyClick(&box, Qt::Key_Minus);
    EXPECT_EQ(box.getText(), "12");
    EXPECT_EQ(receiver.count, 0);
    QTest::keyClick(&box, Qt::Key_7);
    EXPECT_EQ(receiver.count, 1);
    EXPECT_EQ(textWhenReported, "127") << "the digit is in before the report";
    QTest::keyClick(&box, Qt::Key_Left);
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.getText(), "17");
    EXPECT_EQ(receiver.count, 2);
}

TEST_F(ControlsTest, AComboBoxReportsTheUsersChoiceOnly) {
    WinCombobox combo(&parent);
    combo.setReceiver(&receiver);
    combo.addItems({"default", "dark", "light"});
    combo.setCurrentIndex(1);
    EXPECT_EQ(receiver.count, 0) << "a change by the program";
    combo.setGeometry(10, 10, 150, 25);
    QTest::keyClick(&combo, Qt::Key_Down);
    EXPECT_EQ(receiver.count, 1);
    EXPECT_EQ(combo.currentIndex(), 2);
    EXPECT_EQ(combo.getBackgroundColour(), makeColour(255, 255, 255));
    combo.setColours(makeColour(1, 2, 3), makeColour(4, 5, 6));
    EXPECT_EQ(combo.palette().color(QPalette::Base), QColor(1, 2, 3));
}

TEST_F(ControlsTest, AnUpDownPutsANumberAboveItsRangeBackWithABeep) {
    WinUpDown spinner(&parent);
    spinner.setRange(0, 100);
    spinner.setReceiver(&receiver);
    WinTextBox* box = spinner.getTextBox();
    box->setNumbersOnly(true);
    box->setText("");
    const int beeps = WinUpDown::beepCount();
    QTest::keyClicks(box, "150");
    EXPECT_EQ(box->getText(), "100");
    EXPECT_EQ(WinUpDown::beepCount(), beeps + 1);
    EXPECT_EQ(receiver.count, 3) << "every digit is reported";
    EXPECT_EQ(spinner.getPosition(), 100);
}

TEST_F(ControlsTest, TheUpDownArrowsStepWithinTheRangeAndReportAClick) {
    WinUpDown spinner(&parent);
    spinner.setRange(0, 255);
    spinner.setReceiver(&receiver);
    spinner.setGeometry(70, 10, 20, 20);
    spinner.setPosition(254);
    QTest::mouseClick(&spinner, Qt::LeftButton, {}, QPoint(10, 3));
    QTest::mouseClick(&spinner, Qt::LeftButton, {}, QPoint(10, 3));
    EXPECT_EQ(spinner.getPosition(), 255);
    EXPECT_EQ(receiver.count, 2);
    QTest::mouseClick(&spinner, Qt::LeftButton, {}, QPoint(10, 17));
    EXPECT_EQ(spinner.getTextBox()->getText(), "254");
    spinner.enable(false);
    EXPECT_FALSE(spinner.getTextBox()->isEnabled());
}

}  // namespace
