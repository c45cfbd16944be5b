#include "field/field_observer.h"

#include <gtest/gtest.h>

#include <functional>

#include "fakes/fake_accessibility.h"

namespace oskel {
namespace {

class FieldObserverTest : public ::testing::Test {
 protected:
  FakeAccessibility ax;
  std::optional<std::string> appName = "Mail";
  FieldObserver observer{ax, [this] { return appName; }};
};

TEST_F(FieldObserverTest, DescribesAnAcceptedFieldWithJoinedLabelParts) {
  ax.focusTextField("f", "Email");
  ax.set("f", "AXHelp", std::string("Work address"));
  ax.set("f", "AXPlaceholderValue", std::string("Required"));
  ax.set("f", "AXDescription", std::string(""));  // empty parts are dropped
  auto field = observer.current();
  ASSERT_TRUE(field);
  EXPECT_EQ(field->label, "Email \xC2\xB7 Work address \xC2\xB7 Required");
  EXPECT_EQ(field->role, "AXTextField");
  EXPECT_EQ(field->app, "Mail");
  EXPECT_EQ(field->frame, (FieldFrame{10, 20, 200, 24}));
  EXPECT_EQ(FakeAccessibility::idOf(field->element), "f");

  // Every part in collection order, no trimming, duplicates kept.
  ax.set("f", "AXTitle", std::string(" Email "));
  ax.set("f", "AXDescription", std::string("Desc"));
  ax.set("t", "AXValue", std::string(" Email "));
  ax.set("f", "AXTitleUIElement", AXValue(FakeAccessibility::handle("t")));
  EXPECT_EQ(observer.current()->label,
            " Email  \xC2\xB7 Desc \xC2\xB7 Work address \xC2\xB7 Required \xC2\xB7  Email ");
}

TEST_F(FieldObserverTest, TitleElementAndFallbackLabel) {
  ax.focusTextField("f", "");
  ax.set("t", "AXValue", std::string("Email"));
  ax.set("f", "AXTitleUIElement", AXValue(FakeAccessibility::handle("t")));
  EXPECT_EQ(observer.current()->label, "Email");

  ax.set("t", "AXValue", std::string(""));
  EXPECT_EQ(observer.current()->label, "Text field");
  ax.unset("t", "AXValue");
  EXPECT_EQ(observer.current()->label, "Text field");
  // A title element that is not an element (a string, a number) adds nothing.
  ax.set("f", "AXTitleUIElement", std::string("Email"));
  EXPECT_EQ(observer.current()->label, "Text field");
  // A non-string title is ignored rather than misread.
  ax.set("f", "AXTitle", 42.0);
  EXPECT_EQ(observer.current()->label, "Text field");
}

TEST_F(FieldObserverTest, AcceptsOnlyTextRoles) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"AXTextField", true}, {"AXTextArea", true},   {"AXComboBox", true},
      {"axtextfield", false}, {"AXWebArea", false}, {"AXButton", false},
      {"AXStaticText", false}};
  for (const auto& [role, accepted] : cases) {
    ax.focusTextField("f", "Name", role);
    EXPECT_EQ(observer.current().has_value(), accepted) << role;
  }
  ax.focusTextField("f", "Name");
  ax.unset("f", "AXRole");
  EXPECT_FALSE(observer.current());
}

TEST_F(FieldObserverTest, RefusesSensitiveFields) {
  struct Case {
    std::string title;
    std::string subrole;
    bool refused;
  };
  const std::vector<Case> cases = {
      {"Name", "AXSecureTextField", true}, {"One-Time Code", "", true},
      {"Notes", "", false},                {"Hotpot order", "", true},
      {"PASSWORD", "", true},              {"Card Number", "", true},
      {"CVC", "", true},                   {"Verification code", "", true},
      {"Your SSN", "", true},              {"Social Security", "", true},
      {"Email", "AXSearchField", false},   {"", "", false},
      {"Pass code", "", false},            {"Passcode", "", true}};
  for (const auto& c : cases) {
    ax.focusTextField("f", c.title);
    if (!c.subrole.empty()) ax.set("f", "AXSubrole", c.subrole);
    EXPECT_EQ(!observer.current().has_value(), c.refused) << c.title << "/" << c.subrole;
  }
}

TEST_F(FieldObserverTest, GivesUpWithoutFocusPositionOrSize) {
  const std::vector<std::function<void()>> breaks = {
      [&] { ax.unset("f", "AXSize"); }, [&] { ax.unset("f", "AXPosition"); },
      [&] { ax.set("f", "AXSize", AXPoint{1, 2}); },  // wrong value type
      [&] { ax.systemWideFocus.reset(); ax.applicationFocus.reset(); }};
  for (std::size_t i = 0; i < breaks.size(); ++i) {
    ax.focusTextField("f", "Email");
    breaks[i]();
    EXPECT_FALSE(observer.current()) << i;
  }
}

TEST_F(FieldObserverTest, SystemWideFocusWinsAndApplicationFocusIsTheFallback) {
  ax.focusTextField("app", "Phone");
  ax.focusTextField("sys", "Email");
  ax.applicationFocus = "app";
  EXPECT_EQ(observer.current()->label, "Email");
  ax.systemWideFocus.reset();
  EXPECT_EQ(observer.current()->label, "Phone");
  ax.hasFrontmostApplication = false;
  EXPECT_FALSE(observer.current());
}

TEST_F(FieldObserverTest, ApplicationNameIsReadAtTheEndAndFallsBackToUnknown) {
  ax.focusTextField("f", "Email");
  int readsBeforeName = -1;
  FieldObserver recording{ax, [&]() -> std::optional<std::string> {
                            readsBeforeName = ax.readCount;
                            return "Mail";
                          }};
  ASSERT_TRUE(recording.current());
  EXPECT_GT(readsBeforeName, 0);
  EXPECT_EQ(readsBeforeName, ax.readCount);  // no attribute read after the name

  appName.reset();
  EXPECT_EQ(observer.current()->app, "Unknown");
  appName = "";
  EXPECT_EQ(observer.current()->app, "Unknown");
  appName = "Firefox";
  EXPECT_EQ(observer.current()->app, "Firefox");
}

TEST_F(FieldObserverTest, EqualityIsElementAndLabel) {
  ax.focusTextField("f", "Email");
  auto first = observer.current();
  ax.set("f", "AXPosition", AXPoint{300, 400});
  ax.set("f", "AXRole", std::string("AXTextArea"));
  appName = "Other";
  auto moved = observer.current();
  ASSERT_TRUE(first && moved);
  EXPECT_NE(first->element.get(), moved->element.get());  // distinct handles...
  EXPECT_EQ(*first, *moved);                               // ...of the same element
  ax.set("f", "AXTitle", std::string("E-mail"));
  EXPECT_FALSE(*first == *observer.current());
  // Labels are compared as text: composed and decomposed forms are the same label.
  ax.set("f", "AXTitle", std::string("Pr\xC3\xA9nom"));  // é as one code point
  auto composed = observer.current();
  ax.set("f", "AXTitle", std::string("Pre\xCC\x81nom"));  // e + combining acute
  EXPECT_EQ(*composed, *observer.current());
  ax.set("f", "AXTitle", std::string("Prenom"));
  EXPECT_FALSE(*composed == *observer.current());
  ax.focusTextField("g", "Email");
  EXPECT_FALSE(*first == *observer.current());
}

TEST(FocusedFieldTest, GenericLabels) {
  for (const char* label : {"Message", " search field \n", "TEXT FIELD", "Text area", "input"}) {
    EXPECT_TRUE((FocusedField{nullptr, label, "AXTextField", "App", {}}).hasGenericLabel()) << label;
  }
  for (const char* label : {"Messages", "Email", "search", "input · Email"}) {
    EXPECT_FALSE((FocusedField{nullptr, label, "AXTextField", "App", {}}).hasGenericLabel()) << label;
  }
}

}  // namespace
}  // namespace oskel
