#include "ui/tssay.hpp"

#include <QTest>
#include <gtest/gtest.h>

#include "ui/qt_test_support.hpp"

namespace zelto::ui {
namespace {

using testing::count_colour;
using testing::ink_box;
using testing::test_font;

const QColor kInk(0, 0, 160);
const QColor kPaper(255, 255, 224);
const QColor kOver(200, 0, 0);

struct AppFirst {
  AppFirst() { testing::qt_app(); }
};

struct Fixture : AppFirst {
  QWidget parent;
  Fixture() {
    parent.resize(400, 200);
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, QColor(0, 160, 0));
    pal.setColor(QPalette::WindowText, Qt::black);
    pal.setColor(QPalette::Light, Qt::white);
    pal.setColor(QPalette::Dark, QColor(96, 96, 96));
    parent.setPalette(pal);
    parent.setAutoFillBackground(true);
  }
  TSSay* say(const std::string& text, TSSay::Options o, QRect geometry = {10, 10, 200, 60}) {
    if (!o.text.isValid()) o.text = kInk;
    if (!o.background.isValid() && !o.transparent) o.background = kPaper;
    if (!o.over.isValid()) o.over = kOver;
    auto* s = new TSSay(&parent, [text] { return SayValue(text); }, std::move(o));
    s->setFont(test_font());
    s->setGeometry(geometry);
    return s;
  }
};

TEST(TSSay, AnchorsFollowTheAlignment) {
  Fixture fx;
  struct Case {
    const char* name;
    TSSay::Options options;
    int expected_centre_x;  // where the ink's middle lies, in the control
  };
  const Case cases[] = {
      {"left", {}, -1},
      {"centred", {.centred = true}, 100},
      {"right", {.right = true}, -2},
  };
  for (const auto& c : cases) {
    TSSay* s = fx.say("CAIXA", c.options);
    const QImage img = s->grab().toImage();
    const QRect ink = ink_box(img, kInk);
    ASSERT_FALSE(ink.isNull()) << c.name;
    if (c.expected_centre_x == -1) {
      EXPECT_LE(ink.left(), 2) << c.name;
    } else if (c.expected_centre_x == -2) {
      EXPECT_GE(ink.right(), 196) << c.name;
    } else {
      EXPECT_NEAR(ink.center().x(), c.expected_centre_x, 3) << c.name;
    }
    EXPECT_LT(ink.bottom(), s->lineHeight()) << c.name;  // first line at the top
    delete s;
  }
  TSSay* bottom = fx.say("CAIXA", {.bottom = true});
  const QRect ink = ink_box(bottom->grab().toImage(), kInk);
  EXPECT_GT(ink.top(), 60 - bottom->lineHeight());
  EXPECT_EQ(bottom->anchor(), QPoint(0, 60));
}

TEST(TSSay, TwoLinesLieOneLineHeightApart) {
  Fixture fx;
  TSSay* s = fx.say("ITENS\r\nSUBTOTAL   ", {});
  ASSERT_EQ(s->lines(), (std::vector<std::string>{"ITENS", "SUBTOTAL"}));
  const QImage img = s->grab().toImage();
  const int h = s->lineHeight();
  const QRect first = ink_box(img, kInk, QRect(0, 0, 200, h));
  const QRect second = ink_box(img, kInk, QRect(0, h, 200, h));
  ASSERT_FALSE(first.isNull());
  ASSERT_FALSE(second.isNull());
  // Both begin with a capital of the same height: their tops are a line apart.
  EXPECT_EQ(second.top() - first.top(), h);
  EXPECT_GT(second.width(), first.width());
}

TEST(TSSay, TransparentControlsShowTheParentThrough) {
  Fixture fx;
  fx.say("X", {}, {10, 10, 80, 30});
  fx.say("X", {.transparent = true}, {110, 10, 80, 30});
  const QImage img = fx.parent.grab().toImage();
  const QColor green(0, 160, 0);
  EXPECT_GT(count_colour(img, kPaper, QRect(10, 10, 80, 30), 0), 2000);
  EXPECT_EQ(count_colour(img, kPaper, QRect(110, 10, 80, 30), 0), 0);
  EXPECT_GT(count_colour(img, green, QRect(110, 10, 80, 30), 0), 2000);
  EXPECT_GT(count_colour(img, kInk, QRect(110, 10, 80, 30)), 0);
}

TEST(TSSay, FramesUseTheLightAndDarkEdges) {
  Fixture fx;
  const QColor light = Qt::white, dark(96, 96, 96);
  struct Case {
    const char* name;
    TSSay::Options options;
    QColor top_left, bottom_right, inner_top_left;
  };
  const Case cases[] = {
      {"shaded", {.shaded = true}, dark, light, kPaper},
      {"raised", {.raised = true}, light, dark, kPaper},
      {"box", {.box = true}, dark, light, light},
  };
  for (const auto& c : cases) {
    TSSay* s = fx.say("", c.options, {0, 0, 50, 20});
    const QImage img = s->grab().toImage();
    EXPECT_EQ(QColor(img.pixel(0, 0)), c.top_left) << c.name;
    EXPECT_EQ(QColor(img.pixel(49, 19)), c.bottom_right) << c.name;
    EXPECT_EQ(QColor(img.pixel(1, 1)), c.inner_top_left) << c.name;
    delete s;
  }
  TSSay* boxed = fx.say("", {.box = true});
  EXPECT_EQ(boxed->textRect(), QRect(2, 2, 196, 56));
  TSSay* shaded = fx.say("", {.shaded = true});
  EXPECT_EQ(shaded->textRect(), QRect(1, 1, 198, 58));
}

TEST(TSSay, DisabledTextIsEngravedAndIgnoresTheMouse) {
  Fixture fx;
  TSSay* s = fx.say("DESATIVADO", {});
  int clicks = 0;
  s->setAction([&](TSSay&) { ++clicks; });
  s->setEnabled(false);
  const QImage img = s->grab().toImage();
  EXPECT_EQ(count_colour(img, kInk, {}, 30), 0);
  const QRect dark = ink_box(img, QColor(96, 96, 96), {}, 10);
  const QRect light = ink_box(img, Qt::white, {}, 10);
  ASSERT_FALSE(dark.isNull());
  ASSERT_FALSE(light.isNull());
  EXPECT_EQ(light.topLeft() - dark.topLeft(), QPoint(1, 1));
  fx.parent.show();
  QTest::mouseClick(s, Qt::LeftButton);
  EXPECT_EQ(clicks, 0);
  s->setEnabled(true);
  QTest::mouseClick(s, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
}

TEST(TSSay, MovingFromOneControlToTheNextLeavesTheFirstBeforeEnteringTheSecond) {
  Fixture fx;
  TSSay* a = fx.say("PRIMEIRO", {}, {10, 10, 150, 30});
  TSSay* b = fx.say("SEGUNDO", {}, {170, 10, 150, 30});
  std::vector<std::string> log;
  for (TSSay* s : {a, b}) {
    const std::string name = s == a ? "a" : "b";
    s->setMouseEnter([&log, name, a](TSSay&) {
      // When b turns, a is already painted in its text colour again.
      const bool a_plain = count_colour(a->grab().toImage(), kOver) == 0;
      log.push_back("enter " + name + (a_plain ? "" : " (a still over)"));
    });
    s->setMouseLeave([&log, name](TSSay&) { log.push_back("leave " + name); });
  }
  fx.parent.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&fx.parent));
  QTest::mouseMove(&fx.parent, QPoint(5, 100));
  QTest::mouseMove(&fx.parent, QPoint(50, 20));
  EXPECT_TRUE(a->isOver());
  EXPECT_GT(count_colour(a->grab().toImage(), kOver), 0);
  QTest::mouseMove(&fx.parent, QPoint(200, 20));
  EXPECT_FALSE(a->isOver());
  EXPECT_TRUE(b->isOver());
  EXPECT_EQ(log, (std::vector<std::string>{"enter a (a still over)", "leave a", "enter b"}));
}

TEST(TSSay, ValuesAreShownThroughTheMask) {
  Fixture fx;
  TSSay* total = fx.say("", {.picture = "@E 999,999.99"});
  total->SetText(runtime::Decimal::of("1234.5"));
  EXPECT_EQ(total->caption(), "  1.234,50");
  TSSay* plain = fx.say("", {});
  plain->SetText(runtime::Decimal::of("1234.5"));
  EXPECT_EQ(plain->caption(), "1234.5");
  plain->SetText(*runtime::Date::ymd(2026, 12, 11));
  EXPECT_EQ(plain->caption(), "11/12/2026");

  std::string source = "abc";
  auto* live = new TSSay(&fx.parent, [&source] { return SayValue(source); }, {.picture = "@!"});
  EXPECT_EQ(live->caption(), "ABC");
  source = "def";
  live->Refresh();
  EXPECT_EQ(live->caption(), "DEF");
  live->VarPut(std::string("fixo"));
  source = "ghi";
  live->Refresh();
  EXPECT_EQ(live->caption(), "FIXO");
}

TEST(TSSay, DrawBoxOutlinesTheTextRectangleInTheParentsColours) {
  Fixture fx;
  TSSay* s = fx.say("", {.box = true}, {0, 0, 60, 30});
  s->setDrawBox(true);
  // Not over: the parent's background colour.
  EXPECT_EQ(QColor(s->grab().toImage().pixel(2, 10)), QColor(0, 160, 0));
}

}  // namespace
}  // namespace zelto::ui
