// The window controls of the options window: what they report and when.
#include <gtest/gtest.h>

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
class ControlsTest : public ::testing::Test, public CallerPtr {
protected:
    void SetUp() override {
        parent.resize(400, 300);
        parent.show();
    }
    void callback(Callable* caller) override {
        ++count;
        last = caller;
        if (onReport) {
            onReport();
        }
    }
    QWidget parent;
    int count = 0;
    Callable* last = nullptr;
    std::function<void()> onReport;
};

// A button reports a click released inside only; a check box reports before it changes its
// state; both swallow Tab and Enter.
TEST_F(ControlsTest, ButtonsReportAClickReleasedInsideOnly) {
    WinButton button(&parent, "Apply");
    button.setReceiver(this);
    button.setGeometry(10, 10, 80, 25);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(200, 5));
    EXPECT_EQ(count, 0) << "released outside";
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(count, 1);
    EXPECT_EQ(last, static_cast<Callable*>(&button));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(count, 1) << "a release without a press is no click";
    WinCheckButton box(&parent, "Use opacity on bitmaps.");
    box.setReceiver(this);
    box.setGeometry(10, 50, 280, 20);
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_Tab);
    EXPECT_FALSE(box.isChecked());
    EXPECT_EQ(count, 1);
    bool stateWhenReported = true;
    onReport = [&] { stateWhenReported = box.isChecked(); };
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_EQ(count, 2);
    EXPECT_FALSE(stateWhenReported);
    EXPECT_TRUE(box.isChecked());
}

// An ordinary text box reports Enter and gives the focus away on Escape; a numbers-only box
// takes digits and editing keys only, and reports each change after it.
TEST_F(ControlsTest, TextBoxesReportEnterOrEveryDigit) {
    WinTextBox box(&parent, "abc");
    box.setReceiver(this);
    box.setGeometry(10, 10, 60, 20);
    EXPECT_EQ(box.alignment(), Qt::AlignCenter);
    QTest::keyClick(&box, Qt::Key_X);
    EXPECT_EQ(box.getText(), "abcx");
    EXPECT_EQ(count, 0);
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(count, 1);
    QTest::keyClick(&box, Qt::Key_Tab);
    EXPECT_EQ(box.getText(), "abcx");
    parent.activateWindow();
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_Escape);
    EXPECT_EQ(parent.focusWidget(), &parent);
    WinTextBox numbers(&parent, "12");
    numbers.setNumbersOnly(true);
    numbers.setReceiver(this);
    QString textWhenReported;
    onReport = [&] { textWhenReported = numbers.getText(); };
    QTest::keyClick(&numbers, Qt::Key_A);
    QTest::keyClick(&numbers, Qt::Key_Minus);
    EXPECT_EQ(numbers.getText(), "12");
    EXPECT_EQ(count, 1);
    QTest::keyClick(&numbers, Qt::Key_7);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(textWhenReported, "127") << "the digit is in before the report";
    QTest::keyClick(&numbers, Qt::Key_Left);
    QTest::keyClick(&numbers, Qt::Key_Backspace);
    EXPECT_EQ(numbers.getText(), "17");
    EXPECT_EQ(count, 3);
}

TEST_F(ControlsTest, AComboBoxReportsTheUsersChoiceOnly) {
    WinCombobox combo(&parent);
    combo.setReceiver(this);
    combo.addItems({"default", "dark", "light"});
    combo.setCurrentIndex(1);
    EXPECT_EQ(count, 0) << "a change by the program";
    combo.setGeometry(10, 10, 150, 25);
    QTest::keyClick(&combo, Qt::Key_Down);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(combo.currentIndex(), 2);
    combo.setColours(makeColour(1, 2, 3), makeColour(4, 5, 6));
    EXPECT_EQ(combo.palette().color(QPalette::Base), QColor(1, 2, 3));
}

// The arrows step within the range and report a click; a typed number above the range is put
// back with a beep.
TEST_F(ControlsTest, AnUpDownStaysWithinItsRange) {
    WinUpDown spinner(&parent);
    spinner.setRange(0, 255);
    spinner.setReceiver(this);
    spinner.setGeometry(70, 10, 20, 20);
    spinner.setPosition(254);
    QTest::mouseClick(&spinner, Qt::LeftButton, {}, QPoint(10, 3));
    QTest::mouseClick(&spinner, Qt::LeftButton, {}, QPoint(10, 3));
    EXPECT_EQ(spinner.getPosition(), 255);
    EXPECT_EQ(count, 2);
    QTest::mouseClick(&spinner, Qt::LeftButton, {}, QPoint(10, 17));
    EXPECT_EQ(spinner.getTextBox()->getText(), "254");
    spinner.setRange(0, 100);
    WinTextBox* box = spinner.getTextBox();
    box->setNumbersOnly(true);
    box->setText("");
    count = 0;
    const int beeps = WinUpDown::beepCount();
    QTest::keyClicks(box, "150");
    EXPECT_EQ(box->getText(), "100");
    EXPECT_EQ(WinUpDown::beepCount(), beeps + 1);
    EXPECT_EQ(count, 3) << "every digit is reported";
    EXPECT_EQ(spinner.getPosition(), 100);
    spinner.enable(false);
    EXPECT_FALSE(spinner.getTextBox()->isEnabled());
}

}  // namespace
