#include "demo_window.hpp"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

#include "platform/screen/qt/window_view.hpp"
#include "ui/trsay.hpp"
#include "ui/tssay.hpp"

namespace zelto::demo {
namespace {

using screen::Align;
using screen::Colour;
using screen::Frame;

QFont sized(const QFont& base, int points, bool bold = false) {
  QFont f = base;
  f.setPointSize(points);
  f.setBold(bold);
  return f;
}

ui::TSSay* say(QWidget* parent, const std::string& text, ui::TSSay::Options o, QRect at, int points = 10) {
  auto* s = new ui::TSSay(parent, [text] { return ui::SayValue(text); }, std::move(o));
  s->setFont(sized(parent->font(), points));
  s->setGeometry(at);
  s->show();
  return s;
}

// The controls that have no place in a standing window's panels: over a
// background picture, disabled, with a hover colour, and the raised and
// shaded plain texts.
void add_controls(QWidget* frame) {
  auto* picture = new QLabel(frame);
  QPixmap pix(420, 150);
  QPainter p(&pix);
  QLinearGradient g(0, 0, 420, 150);
  g.setColorAt(0, QColor(255, 170, 60));
  g.setColorAt(1, QColor(120, 40, 110));
  p.fillRect(pix.rect(), g);
  p.end();
  picture->setPixmap(pix);
  picture->setGeometry(460, 60, 420, 150);
  picture->show();

  say(frame, "Transparente sobre a figura", {.text = Qt::white, .transparent = true}, {470, 70, 260, 22}, 12);
  say(frame, "Centro\r\nduas linhas", {.centred = true, .text = QColor(255, 255, 200), .transparent = true},
      {470, 100, 400, 44}, 12);
  say(frame, "Ancorado embaixo a direita", {.right = true, .bottom = true, .text = Qt::white, .transparent = true},
      {470, 150, 400, 52}, 10);

  auto* over = say(frame, "Passe o mouse e clique aqui", {.text = QColor(0, 0, 128), .background = QColor(230, 240, 255), .over = QColor(200, 0, 0), .box = true},
                   {460, 225, 260, 28}, 11);
  over->setAction([](ui::TSSay& s) { s.SetText(std::string("Clicado!")); });
  over->setCursor(Qt::PointingHandCursor);

  auto* off = say(frame, "Desativado (gravado)", {.background = QColor(212, 208, 200), .shaded = true}, {730, 225, 150, 28}, 10);
  off->setEnabled(false);

  auto* masked = new ui::TSSay(frame, [] { return ui::SayValue(runtime::Decimal::of("1234.5")); },
                               {.picture = "@E 999,999.99", .right = true, .text = QColor(0, 90, 0), .background = Qt::white, .raised = true});
  masked->setFont(sized(frame->font(), 14, true));
  masked->setGeometry(460, 265, 200, 30);
  masked->show();

  auto* raised = new ui::TRSay("LOGIN ZELTO SISTEMAS", frame, false, true);
  raised->setFont(sized(frame->font(), 16, true));
  raised->setGeometry(460, 305, 420, 34);
  raised->show();
  auto* shaded = new ui::TRSay("Texto sombreado", frame, true, false);
  shaded->setFont(sized(frame->font(), 16, true));
  shaded->setGeometry(460, 345, 420, 34);
  shaded->show();
}

}  // namespace

void build_demo_window(screen::qt::QtScreen& screen) {
  screen::Window& frame = screen.open_window({.name = "frame",
                                              .title = "ZeltoECF - demonstra\xE7\xE3o da tela",
                                              .geometry = {0, 0, 900, 560},
                                              .message_bar = true,
                                              .background = Colour{0xD4D0C8}});
  frame.add_panel({.name = "banner",
                   .text = " C A I X A    L I V R E ",
                   .geometry = {10, 60, 430, 60},
                   .style = {.align = Align::Centre, .point_size = 20, .bold = true, .text = Colour{0x000080},
                             .background = Colour{0xFFFF80}, .frame = Frame::Raised}});
  frame.add_panel({.name = "itens",
                   .text = "ITENS\n0",
                   .geometry = {10, 130, 140, 60},
                   .style = {.point_size = 14, .bold = true, .background = Colour{0xFFFFFF}, .frame = Frame::Shaded}});
  frame.add_panel({.name = "subtotal",
                   .text = "SUBTOTAL\n1 234.50",
                   .geometry = {160, 130, 280, 60},
                   .style = {.align = Align::Right, .point_size = 14, .bold = true, .text = Colour{0x800000},
                             .background = Colour{0xFFFFFF}, .frame = Frame::Box}});
  frame.add_panel({.name = "status",
                   .text = "Espere, Processando...",
                   .geometry = {10, 200, 430, 24},
                   .style = {.text = Colour{0x404040}}});
  frame.add_panel({.name = "footer",
                   .text = "ECF.: BE0123456789    Caixa.: 001    Usuario.: 001",
                   .geometry = {10, 500, 600, 20},
                   .style = {.fixed_pitch = true, .text = Colour{0x000000}}});

  screen::FormSpec entry;
  screen::Field item = screen::Field::text("item", ".Item.:", "", 14, "99999999999999");
  item.where = {70, 20, 160, 26};
  item.label_where = {10, 24, 60, 20};
  screen::Field qty = screen::Field::number("qtd", ".Quantidade.:", runtime::Decimal(1), 10, 3, "999999.999");
  qty.where = {330, 20, 110, 26};
  qty.label_where = {245, 24, 85, 20};
  entry.fields = {item, qty};
  frame.set_entry(entry);

  install_demo_actions(screen, frame);
  add_controls(screen.view("frame"));
  screen.view("frame")->sync();
}

}  // namespace zelto::demo
