#pragma once
// TSSay: the program's own static text. Multi-line, anchored left, right,
// centred or to the bottom, drawn over the parent's picture when
// transparent, framed inset, raised or boxed, outlined, shown in another
// colour while the mouse is over it, and clickable.
//
// The mouse-over colour follows the control's own enter and leave events:
// the window system delivers the leave of one control before the enter of
// the next, so moving from one control to its neighbour repaints the first
// in its text colour (running its leave block) before the second turns.

#include <QColor>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "ui/say_value.hpp"

namespace zelto::ui {

class TSSay : public QWidget {
  Q_OBJECT

 public:
  struct Options {
    std::string picture{};  // display mask; empty: the value's plain text form
    bool centred = false;
    bool right = false;
    bool bottom = false;
    bool bordered = false;
    QColor text{};      // invalid: the parent's text colour
    QColor background{};  // invalid: the parent's background colour
    QColor over{};      // invalid: the highlight colour of the palette
    bool shaded = false;
    bool box = false;
    bool raised = false;
    bool transparent = false;
  };

  // `get` gives the value to show (the text block); it is read now and by
  // Refresh.
  TSSay(QWidget* parent, std::function<SayValue()> get, Options options);

  // Caption from the value, layout again, repaint.
  void SetText(const SayValue& value);
  // From now on the control shows this value (through the mask).
  void VarPut(const SayValue& value);
  // Shows the text block's value again.
  void Refresh();

  void setAction(std::function<void(TSSay&)> action) { action_ = std::move(action); }
  void setMouseEnter(std::function<void(TSSay&)> block) { mouse_over_ = std::move(block); }
  void setMouseLeave(std::function<void(TSSay&)> block) { mouse_leave_ = std::move(block); }
  void setDrawBox(bool draw);

  bool isOver() const { return over_; }
  const std::string& caption() const { return caption_; }  // Windows-1252
  const std::vector<std::string>& lines() const { return lines_; }
  // The anchor point of the first line (its top, or its bottom when
  // bottom-aligned) and the text rectangle, from the control's size.
  QPoint anchor() const;
  QRect textRect() const;
  int lineHeight() const { return line_height_; }
  QColor textColour() const;
  QColor overColour() const;

  // Width and height by the old rule: the font's average character width
  // times the caption's length less 4, the font's height.
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void layoutText();
  QColor backgroundColour() const;

  std::function<SayValue()> get_;
  Options options_;
  std::string caption_;
  std::vector<std::string> lines_;
  std::function<void(TSSay&)> action_;
  std::function<void(TSSay&)> mouse_over_;
  std::function<void(TSSay&)> mouse_leave_;
  bool over_ = false;
  bool draw_box_ = false;
  int line_height_ = 15;
  int text_width_ = 0;
};

}  // namespace zelto::ui
