#include <gtest/gtest.h>

#include "fake_platform.h"
#include "ui/toolkit/application.h"
#include "ui/toolkit/containers.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"

namespace {

TFormStyle SmallForm() {
    TFormStyle style;
    style.clientWidth = 200;
    style.clientHeight = 100;
    return style;
}

class ToolkitTest : public FakePlatformTest {
  protected:
    fake::FakeWidget& W(const TControl& c) { return fake::FormToolkit().Widget(c.Handle()); }
};

TEST_F(ToolkitTest, LabeledEditKeepsItsLabelAboveAndInStep) {
    TForm form(SmallForm());
    TLabeledEdit edit(&form, {8, 40, 100, 23});
    TFont small = form.Font();
    small.pixelHeight = 12;
    edit.SetFont(small);
    edit.SetLabelCaption("Папка:");
    // The fake's line is 12 + 2 high and 6 wide per character.
    EXPECT_EQ(W(edit.EditLabel).bounds, (platform::Bounds{8, 40 - 14 - 3, 36, 14}));
    edit.SetBounds({10, 50, 100, 23});
    EXPECT_EQ(W(edit.EditLabel).bounds, (platform::Bounds{10, 50 - 14 - 3, 36, 14}));

    edit.SetEnabled(false);
    edit.SetVisible(false);
    EXPECT_FALSE(W(edit.EditLabel).enabled);
    EXPECT_FALSE(W(edit.EditLabel).visible);
    EXPECT_EQ(W(edit.EditLabel).font, small);
}

TEST_F(ToolkitTest, EditTextIsWhatTheUserTyped) {
    TForm form(SmallForm());
    TLabeledEdit edit(&form, {8, 40, 100, 23});
    edit.SetText("C:\\");
    form.Show();
    ASSERT_TRUE(fake::FormToolkit().Type(edit.Handle(), "D:\\Games"));
    EXPECT_EQ(edit.Text(), "D:\\Games");
}

TEST_F(ToolkitTest, CheckBoxReportsOnlyTheUsersClickWithItsNewState) {
    TForm form(SmallForm());
    TCheckBox box(&form, {0, 0, 50, 17});
    std::vector<bool> seen;
    box.OnClick = [&] { seen.push_back(box.Checked()); };
    box.SetChecked(true);
    EXPECT_TRUE(seen.empty());
    form.Show();
    ASSERT_TRUE(fake::FormToolkit().Click(box.Handle()));
    ASSERT_TRUE(fake::FormToolkit().Click(box.Handle()));
    EXPECT_EQ(seen, (std::vector<bool>{false, true}));
}

TEST_F(ToolkitTest, ChildrenTakeTheParentFontWhenMade) {
    TFormStyle style = SmallForm();
    style.font.pixelHeight = 15;
    TForm form(style);
    TPanel panel(&form, {0, 0, 100, 50});
    TLabel label(&panel, {0, 0, 50, 17});
    EXPECT_EQ(W(label).font.pixelHeight, 15);
    EXPECT_EQ(label.Font(), style.font);
}

// Tab order follows the TabOrder values, with ties kept in creation order,
// and leaves labels out.
TEST_F(ToolkitTest, TabOrderFollowsTheValues) {
    TForm form(SmallForm());
    TCheckBox a(&form, {});
    TLabel label(&form, {});
    TCheckBox b(&form, {});
    TBitBtn c(&form, {});
    EXPECT_EQ(label.TabOrder(), -1);
    EXPECT_EQ(c.TabOrder(), 2);
    c.SetTabOrder(0);
    a.SetTabOrder(1);
    b.SetTabOrder(2);
    using H = std::vector<platform::WidgetHandle>;
    EXPECT_EQ(fake::FormToolkit().tabOrders[form.Handle()],
              (H{c.Handle(), a.Handle(), b.Handle()}));
}

TEST_F(ToolkitTest, ApplicationLoopEndsWithTheCloseButton) {
    TForm form(SmallForm());
    Application().SetMainForm(&form);
    fake::FormToolkit().userActions = [&] { fake::FormToolkit().RequestClose(form.Handle()); };
    Application().Run();
    Application().SetMainForm(nullptr);
    EXPECT_TRUE(form.Closed());
    EXPECT_TRUE(W(form).destroyed);
    // A closed form is not shown again.
    fake::FormToolkit().loopRuns = 0;
    form.RunUntilClosed();
    EXPECT_EQ(fake::FormToolkit().loopRuns, 0);
}

}  // namespace
